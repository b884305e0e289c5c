#include "intervaldata.h"

#include <QtEndian>

IntervalData::~IntervalData() = default;

bool IntervalData::isWellFormed(QString *) const
{
    return true;
}

bool IntervalDataOtnTributaryScan::isWellFormed(QString *reason) const
{
    if (words.size() == wordCount)
        return true;
    if (reason)
        *reason = QStringLiteral("%1 tributary scan words, expected %2").arg(words.size()).arg(wordCount);
    return false;
}

bool IntervalDataOtnCapture::isWellFormed(QString *reason) const
{
    for (int level = 0; level < levelCount; ++level) {
        if (records[level].size() != recordSize) {
            if (reason) {
                *reason = QStringLiteral("capture record of level %1 has %2 bytes, expected %3")
                              .arg(level).arg(records[level].size()).arg(recordSize);
            }
            return false;
        }
    }
    return true;
}

quint16 IntervalDataOtnCapture::channelWord(const QByteArray &channelWords, int ts)
{
    if (ts < 0 || ts >= tsCount || channelWords.size() < 2 * ts + 2)
        return noChannel;
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(channelWords.constData() + 2 * ts));
}

void IntervalDataOtnCapture::setChannelWord(QByteArray &channelWords, int ts, quint16 word)
{
    if (ts < 0 || ts >= tsCount || channelWords.size() < 2 * ts + 2)
        return;
    qToLittleEndian(word, reinterpret_cast<uchar *>(channelWords.data() + 2 * ts));
}
