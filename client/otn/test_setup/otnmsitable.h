#pragma once

#include <QByteArray>
#include <QString>

#include "client/otn/otnexport.h"

// How the MSIM detection dialog lays out the expected MSI bytes of a stage: eight to a row, one row per
// eight tributary slots, each byte in hexadecimal.
namespace OtnMsiTable {
constexpr int columns = 8;
// Rows for the stage's TS count (none for a count below 1).
ZELOTN_EXPORT int rowCount(int tsCount);
// "MSI[0]", "MSI[8]", ...
ZELOTN_EXPORT QString rowName(int row);
// Byte index of the MSI in two upper-case hexadecimal digits, "--" where the MSI is too short to hold it.
ZELOTN_EXPORT QString cellText(const QByteArray &msi, int index);
} // namespace OtnMsiTable
