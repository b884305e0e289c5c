#pragma once

#include <QByteArray>

#include "client/otn/components/otnohfield.h"

class QWidget;

// The two ways a field of an overhead message is edited, shared by the TTI and FTFL editors. Both change
// the message only when the user confirms; a field never changes its length.
namespace OtnOhFieldEditor {

// The host keyboard (parent: the field's button), preset with the field's text up to its first zero byte
// and limited to the field length. On OK the entered text, 8-bit and padded with spaces, replaces the
// field. True when it did.
bool editText(QWidget *button, QByteArray &message, OtnOhField field);

// The host hex byte editor with the field's bytes, four to a line. It has no parent, but runs like a
// dialog opened by origin (through the same dialog runner). On OK its content replaces the field; bytes
// it does not return become 0. True when it did.
bool editHex(const QWidget *origin, QByteArray &message, OtnOhField field);

} // namespace OtnOhFieldEditor
