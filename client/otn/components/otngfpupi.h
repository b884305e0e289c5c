#pragma once

#include <QString>
#include <QVector>

#include "client/otn/otnexport.h"

// GFP user payload identifiers (UPI) of client data and client management frames, and their texts.
namespace OtnGfpUpi {

// Leading bits of the PTI and EXI value names that pick a UPI table or the extension header.
constexpr char ptiClientData[] = "000";
constexpr char ptiClientManagement[] = "100";
constexpr char exiNull[] = "0000";
constexpr char exiLinear[] = "0001";

enum class Table { None, ClientData, ClientManagement };

struct Entry {
    int code;
    const char *text;
};

// The table a PTI value name selects by its first three characters; None for any other prefix.
ZELOTN_EXPORT Table tableOfPti(const QString &ptiText);
// The entries of a table in their order; empty for None.
ZELOTN_EXPORT QVector<Entry> entries(Table table);
ZELOTN_EXPORT bool contains(Table table, int code);
// The table text of a code, or the text of the reserved or unused range it falls in; empty for None.
ZELOTN_EXPORT QString upiText(Table table, int code);
// A code as eight binary digits with leading zeros.
ZELOTN_EXPORT QString binaryText(int code);

} // namespace OtnGfpUpi
