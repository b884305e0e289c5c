#include "otngfpupi.h"

namespace OtnGfpUpi {
namespace {

const Entry clientDataEntries[] = {
    {1, "Frame-mapped Ethernet"},
    {2, "Frame-mapped PPP"},
    {3, "Transparent FC"},
    {4, "Transparent FICON"},
    {5, "Transparent ESCON"},
    {6, "Transparent Gbit Ethernet"},
    {8, "Frame-mapped MAPOS"},
    {9, "Transparent DVB ASI"},
    {10, "Framed-mapped RPR"},
    {11, "Frame-mapped FC-BBW"},
    {12, "Asynchronous transparent FC"},
    {13, "Frame-mapped MPLS"},
    {15, "Frame-mapped IS-IS, ES-IS, CLNP"},
    {16, "Frame-mapped IPv4"},
    {17, "Frame-mapped IPv6"},
    {18, "Frame-mapped DVB-ASI"},
    {19, "Frame-mapped 64B/66B Ethernet"},
    {20, "Frame-mapped 64B/66B Ethernet ordered set"},
    {21, "Transparent transcoded FC-1200"},
};

const Entry clientManagementEntries[] = {
    {1, "CSF (loss of client signal)"},
    {2, "CSF (loss of character synchronization)"},
    {3, "Client defect clear indication (DCI)"},
    {4, "Client forward defect indication (FDI)"},
    {5, "Client reverse defect indication (RDI)"},
};

const char reservedText[] = "Reserved codes for proprietary use";
const char unusedText[] = "Unused";

const Entry *findEntry(Table table, int code)
{
    const Entry *begin = nullptr;
    const Entry *end = nullptr;
    if (table == Table::ClientData) {
        begin = std::begin(clientDataEntries);
        end = std::end(clientDataEntries);
    } else if (table == Table::ClientManagement) {
        begin = std::begin(clientManagementEntries);
        end = std::end(clientManagementEntries);
    }
    for (const Entry *e = begin; e != end; ++e) {
        if (e->code == code)
            return e;
    }
    return nullptr;
}

} // namespace

Table tableOfPti(const QString &ptiText)
{
    const QString prefix = ptiText.left(3);
    if (prefix == QLatin1String(ptiClientData))
        return Table::ClientData;
    if (prefix == QLatin1String(ptiClientManagement))
        return Table::ClientManagement;
    return Table::None;
}

QVector<Entry> entries(Table table)
{
    switch (table) {
    case Table::ClientData:
        return QVector<Entry>(std::begin(clientDataEntries), std::end(clientDataEntries));
    case Table::ClientManagement:
        return QVector<Entry>(std::begin(clientManagementEntries), std::end(clientManagementEntries));
    case Table::None:
        break;
    }
    return {};
}

bool contains(Table table, int code)
{
    return findEntry(table, code) != nullptr;
}

QString upiText(Table table, int code)
{
    if (const Entry *e = findEntry(table, code))
        return QString::fromLatin1(e->text);
    switch (table) {
    case Table::ClientData:
        // Codes 7 and 22 and above are kept for proprietary payloads; gaps inside the table are unused.
        return QLatin1String((code == 0 || code == 7 || code >= 22) ? reservedText : unusedText);
    case Table::ClientManagement:
        return QLatin1String(reservedText);
    case Table::None:
        break;
    }
    return {};
}

QString binaryText(int code)
{
    return QStringLiteral("%1").arg(code & 0xFF, 8, 2, QLatin1Char('0'));
}

} // namespace OtnGfpUpi
