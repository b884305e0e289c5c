#pragma once

#include <QString>
#include <QStringList>

#include "client/otn/otnexport.h"

// Payload type (PSI[0]) codes of the OPU and their display texts, shared by the overhead views.

// True when the code is one of the 36 standard payload types.
ZELOTN_EXPORT bool isKnownPayloadType(quint8 code);
// "0x05 GFP mapping"; codes outside the table read "0xNN Unused" or, for 0x80-0x8F,
// "0xNN Reserved codes for proprietary use".
ZELOTN_EXPORT QString payloadTypeText(quint8 code);
// The 36 standard texts in code order, for combo boxes.
ZELOTN_EXPORT QStringList payloadTypeTexts();
// Upper-case hexadecimal with at least two digits: 0x0a gives "0A".
ZELOTN_EXPORT QString hexByte(uint value);
