#pragma once

#include <QByteArray>
#include <QString>

#include "client/otn/otnexport.h"
#include "otnohfield.h"

// What the overhead capture views read of one captured record (layout: IntervalDataOtnCapture): the
// overhead bytes, the payload type, the message of a capture item and the tributary slot blocks. A
// record that is too short reads zeros where it ends (no channel and no main TS in the slot blocks).
namespace OtnCaptureRecord {

// The capture items: the buttons of the overhead table and the dialogs they open.
enum Item { Sm = 0, Pm = 1, Tcm1 = 2, Tcm6 = 7, Ftfl = 8 };
constexpr int itemCount = 9;

constexpr bool isTtiItem(int item) { return item >= Sm && item <= Tcm6; }
// Where the item's message lies: 64 TTI bytes, or the 256 FTFL bytes; empty for an unknown item.
ZELOTN_EXPORT OtnOhField itemField(int item);
// "SM-TTI", "PM-TTI", "TCM1-TTI" ... "TCM6-TTI"; empty for FTFL and unknown items.
ZELOTN_EXPORT QString ttiTitle(int item);

ZELOTN_EXPORT QByteArray itemBytes(const QByteArray &record, int item);
// The 4 x 16 overhead bytes, row-major.
ZELOTN_EXPORT QByteArray overhead(const QByteArray &record);
// PSI[0].
ZELOTN_EXPORT quint8 payloadType(const QByteArray &record);
// The 80 channel words (IntervalDataOtnCapture::channelWord) and the 80 main TS bytes.
ZELOTN_EXPORT QByteArray channelWords(const QByteArray &record);
ZELOTN_EXPORT QByteArray mainTsBytes(const QByteArray &record);

} // namespace OtnCaptureRecord
