#pragma once

#include <QByteArray>

#include "client/otn/otnexport.h"

// One field of an overhead message (TTI, FTFL half): its first byte and its length.
struct OtnOhField {
    int start = 0;
    int length = 0;
};

// The field's bytes; bytes missing from a short message read 0.
ZELOTN_EXPORT QByteArray fieldBytes(const QByteArray &message, OtnOhField field);
// Writes exactly the field's length into the message: longer bytes are cut, shorter ones zero-filled.
// A message too short for the field is zero-filled first.
ZELOTN_EXPORT void setFieldBytes(QByteArray &message, OtnOhField field, const QByteArray &bytes);
