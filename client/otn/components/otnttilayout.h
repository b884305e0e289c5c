#pragma once

#include <QByteArray>

#include "client/otn/otnexport.h"
#include "otnohfield.h"

// The 64-byte trail trace identifier as the editors build and show it and as the transmit parameters
// carry it: SAPI (bytes 0-15), DAPI (16-31) and operator specific (32-63). Bytes 0 and 16 (SAPI[0],
// DAPI[0]) belong to no text field.
namespace OtnTti {

constexpr int messageLength = 64;

// The three parts, one byte-array parameter each.
constexpr OtnOhField sapi{0, 16};
constexpr OtnOhField dapi{16, 16};
constexpr OtnOhField operatorSpecific{32, 32};
constexpr OtnOhField whole{0, messageLength};

// The text fields: international segment (country code) and national segment of SAPI and DAPI.
constexpr OtnOhField sapiIs{1, 3};
constexpr OtnOhField sapiNs{4, 12};
constexpr OtnOhField dapiIs{17, 3};
constexpr OtnOhField dapiNs{20, 12};

// The message from its three parts; each part is cut or zero-filled to its length.
ZELOTN_EXPORT QByteArray message(const QByteArray &sapiBytes, const QByteArray &dapiBytes,
                                 const QByteArray &operatorBytes);

} // namespace OtnTti
