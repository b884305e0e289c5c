#pragma once

#include <QByteArray>
#include <QString>

#include "client/otn/otnexport.h"
#include "otnohfield.h"

// The 256-byte fault type and fault location message: a forward half (bytes 0-127) and a backward half
// (128-255) of the same layout. The fields below are offsets within one half.
namespace OtnFtfl {

constexpr int halfLength = 128;
constexpr int messageLength = 2 * halfLength;
constexpr int forwardStart = 0;
constexpr int backwardStart = halfLength;

// Fault indication (FIF), operator identifier (OIF: country code and national segment code) and the
// operator specific bytes. Each of fif, oif and operatorSpecific is one transmit parameter per direction.
constexpr OtnOhField fif{0, 1};
constexpr OtnOhField oif{1, 9};
constexpr OtnOhField oifCc{1, 3};
constexpr OtnOhField oifNsc{4, 6};
constexpr OtnOhField operatorSpecific{10, 118};

// One half from its three parameters; each is cut or zero-filled to its length.
ZELOTN_EXPORT QByteArray half(const QByteArray &fifBytes, const QByteArray &oifBytes, const QByteArray &operatorBytes);

} // namespace OtnFtfl

// "0x00 No Fault", "0x01 Signal Fail", "0x02 Signal Degrade", every other code "0xNN Reserved" (two
// upper-case hexadecimal digits). Codes outside 0-255 are taken modulo 256.
ZELOTN_EXPORT QString faultIndicationText(int code);
