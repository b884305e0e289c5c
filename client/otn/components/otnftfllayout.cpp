#include "otnftfllayout.h"

#include <QCoreApplication>

#include "otnpayloadtype.h"

QByteArray OtnFtfl::half(const QByteArray &fifBytes, const QByteArray &oifBytes, const QByteArray &operatorBytes)
{
    QByteArray bytes(halfLength, '\0');
    setFieldBytes(bytes, fif, fifBytes);
    setFieldBytes(bytes, oif, oifBytes);
    setFieldBytes(bytes, operatorSpecific, operatorBytes);
    return bytes;
}

QString faultIndicationText(int code)
{
    const uint byte = uint(code) & 0xFFu;
    switch (byte) {
    case 0x00:
        return QCoreApplication::translate("OtnFtfl", "0x00 No Fault");
    case 0x01:
        return QCoreApplication::translate("OtnFtfl", "0x01 Signal Fail");
    case 0x02:
        return QCoreApplication::translate("OtnFtfl", "0x02 Signal Degrade");
    default:
        return QCoreApplication::translate("OtnFtfl", "0x%1 Reserved").arg(hexByte(byte));
    }
}
