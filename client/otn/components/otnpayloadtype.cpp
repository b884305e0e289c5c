#include "otnpayloadtype.h"

#include <iterator>

namespace {

struct PayloadType {
    quint8 code;
    const char *text;
};

// The texts are shown as they are; two of them keep a double blank.
constexpr PayloadType payloadTypes[] = {
    {0x01, "0x01 Experimental mapping"},
    {0x02, "0x02 Asynchronous CBR mapping"},
    {0x03, "0x03 Bit synchronous CBR mapping"},
    {0x04, "0x04 ATM mapping"},
    {0x05, "0x05 GFP mapping"},
    {0x06, "0x06 Virtual Concatenated signal"},
    {0x07, "0x07 PCS codeword transparent Ethernet mapping"},
    {0x08, "0x08 FC-1200 into OPU2e mapping"},
    {0x09, "0x09 GFP mapping into Extended OPU2"},
    {0x0A, "0x0A STM-1 mapping into OPU0"},
    {0x0B, "0x0B STM-4 mapping into OPU0"},
    {0x0C, "0x0C FC-100 mapping into OPU0"},
    {0x0D, "0x0D FC-200 mapping into OPU1"},
    {0x0E, "0x0E FC-400 mapping into OPUflex"},
    {0x0F, "0x0F FC-800 mapping into OPUflex"},
    {0x10, "0x10 Bit stream with octet timing mapping"},
    {0x11, "0x11 Bit stream without octet timing mapping"},
    {0x12, "0x12 IB SDR  mapping into OPUflex"},
    {0x13, "0x13 IB DDR mapping into OPUflex"},
    {0x14, "0x14 IB QDR mapping into OPUflex"},
    {0x15, "0x15 SDI  mapping into OPU0"},
    {0x16, "0x16 (1.485/1.001) Gbit/s SDI mapping into OPU1"},
    {0x17, "0x17 1.485 Gbit/s SDI mapping into OPU1"},
    {0x18, "0x18 (2.970/1.001) Gbit/s SDI mapping into OPUflex"},
    {0x19, "0x19 2.970 Gbit/s SDI mapping into OPUflex"},
    {0x1A, "0x1A ESCON mapping into OPU0"},
    {0x1B, "0x1B DVB_ASI mapping into OPU0"},
    {0x1C, "0x1C FC-1600 mapping into OPUflex"},
    {0x20, "0x20 ODU multiplex structure supporting ODTUjk only(AMP only)"},
    {0x21, "0x21 ODU multiplex structure supporting ODTUk.ts or ODTUk.ts and ODTUjk(GMP capable)"},
    {0x55, "0x55 Not available"},
    {0x66, "0x66 Not available"},
    {0x80, "0x80 Reserved codes for proprietary use (non-standard payload mappings)"},
    {0xFD, "0xFD NULL test signal mapping"},
    {0xFE, "0xFE PRBS test signal mapping"},
    {0xFF, "0xFF Not available"},
};

const PayloadType *findPayloadType(quint8 code)
{
    for (const PayloadType &type : payloadTypes) {
        if (type.code == code)
            return &type;
    }
    return nullptr;
}

} // namespace

bool isKnownPayloadType(quint8 code)
{
    return findPayloadType(code) != nullptr;
}

QString payloadTypeText(quint8 code)
{
    if (const PayloadType *type = findPayloadType(code))
        return QString::fromLatin1(type->text);
    const bool proprietary = code >= 0x80 && code <= 0x8F;
    return QStringLiteral("0x") + hexByte(code) + QLatin1Char(' ')
           + (proprietary ? QStringLiteral("Reserved codes for proprietary use") : QStringLiteral("Unused"));
}

QStringList payloadTypeTexts()
{
    QStringList texts;
    texts.reserve(int(std::size(payloadTypes)));
    for (const PayloadType &type : payloadTypes)
        texts.append(QString::fromLatin1(type.text));
    return texts;
}

QString hexByte(uint value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}
