#include "intervaldata.h"

#include <QtEndian>

IntervalData::~IntervalData() = default;

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
