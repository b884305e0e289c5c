#pragma once

#include <QByteArray>
#include <QVariant>
#include <QVector>

#include "client/otn/otnexport.h"
#include "otnohtablelayout.h"

// What the overhead table writes: the parameters of one edited field, and what a level's transmitted overhead
// holds after Restore Defaults. A batch lists parameter ids (of the table's port) with their new values, in
// the order they are sent.
namespace OtnOhWrites {

struct Write {
    int id = 0;
    QVariant value;
};
using Batch = QVector<Write>;

// The field's TTI message (unless leaveTti) or its TTI byte, then its third byte.
ZELOTN_EXPORT Batch ttiField(const OtnOhTableLayout::FieldIds &ids, const QByteArray &tti, quint8 ttiByte,
                             quint8 thirdByte, bool leaveTti);
// FFI, FOI, FOS, BFI, BOI, BOS of the level, from the two 128-byte halves.
ZELOTN_EXPORT Batch ftfl(int level, const QByteArray &forward, const QByteArray &backward);
// Every value Restore Defaults sets on the table's level.
ZELOTN_EXPORT Batch restoreDefaults(const OtnOhTableLayout &layout);

} // namespace OtnOhWrites
