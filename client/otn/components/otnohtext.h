#pragma once

#include <QByteArray>
#include <QString>

#include "client/otn/otnexport.h"

// How the text fields of the overhead messages (TTI, FTFL) are shown and entered; the editors and the
// capture views share these rules.

// Every character outside space to tilde becomes ".".
ZELOTN_EXPORT QString maskNonPrintable(const QString &text);
// The first count bytes (at most the array's size) as text: a zero byte gives ".", bytes 0x80-0xFF are
// read as Latin-1 and, like every other byte outside space to tilde, masked to ".".
ZELOTN_EXPORT QString bytesToPrintable(const QByteArray &bytes, int count);
// "&" doubled, so that a push button shows the ampersand instead of a keyboard mnemonic.
ZELOTN_EXPORT QString escapeMnemonic(const QString &text);
// The bytes up to the first zero byte, read as Latin-1: what an entry dialog starts from.
ZELOTN_EXPORT QString textBeforeZero(const QByteArray &bytes);
// Entered text as stored in a field: 8-bit, right-padded with spaces to the length and cut to it.
ZELOTN_EXPORT QByteArray paddedFieldText(const QString &text, int length);
