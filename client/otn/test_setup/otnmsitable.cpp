#include "otnmsitable.h"

#include "client/otn/components/otnpayloadtype.h"

int OtnMsiTable::rowCount(int tsCount)
{
    return tsCount > 0 ? (tsCount - 1) / columns + 1 : 0;
}

QString OtnMsiTable::rowName(int row)
{
    return QStringLiteral("MSI[%1]").arg(qint64(columns) * row);
}

QString OtnMsiTable::cellText(const QByteArray &msi, int index)
{
    // Bytes beyond the reference data (a short record) stay unknown rather than made up.
    if (index < 0 || index >= msi.size())
        return QStringLiteral("--");
    return hexByte(quint8(msi.at(index)));
}
