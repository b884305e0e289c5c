#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include "host/hostexport.h"

// One block of interval data (results of the current measurement interval) for one SID.
class ZELCORE_EXPORT IntervalData
{
public:
    IntervalData(int sid, quint32 selector) : m_sid(sid), m_selector(selector) {}
    virtual ~IntervalData();

    int sid() const { return m_sid; }
    quint32 selector() const { return m_selector; }

    // Raw bytes of the block; typed subclasses give structured access.
    QByteArray bytes;

    // Whether the block has the shape its kind promises; reason says what is wrong when not.
    virtual bool isWellFormed(QString *reason) const;

private:
    int m_sid = 0;
    quint32 m_selector = 0;
};

// The tributary scan's result words: 0 line level, 1-80 first level, 81-82 second level.
class ZELCORE_EXPORT IntervalDataOtnTributaryScan : public IntervalData
{
public:
    static constexpr int wordCount = 83;
    using IntervalData::IntervalData;
    QVector<quint32> words = QVector<quint32>(wordCount, 0);

    bool isWellFormed(QString *reason) const override;
};

// Overhead capture records of levels 0-3, 1328 bytes each: one captured frame of the level (the one
// whose MFAS is 0) with the messages its multiframe carries and the tributary slots of the stage below.
class ZELCORE_EXPORT IntervalDataOtnCapture : public IntervalData
{
public:
    static constexpr int recordSize = 1328;
    static constexpr int levelCount = 4;

    // Byte offsets in a record.
    static constexpr int overheadOffset = 0;        // 4 x 16 overhead bytes, row-major
    static constexpr int overheadLength = 64;
    static constexpr int smTtiOffset = 64;          // 64-byte TTI messages: SM, PM, TCM1-TCM6
    static constexpr int pmTtiOffset = 128;
    static constexpr int tcmTtiOffset = 192;        // TCM i at 192 + 64 x (i - 1)
    static constexpr int ttiLength = 64;
    static constexpr int ftflOffset = 576;          // 256 bytes: forward, then backward half
    static constexpr int ftflLength = 256;
    static constexpr int psiOffset = 832;           // 256 PSI bytes: PT, reserved, MSI...
    static constexpr int channelWordsOffset = 1088; // 80 x 16-bit little-endian: TP number, noChannel bit
    static constexpr int channelWordsLength = 160;
    static constexpr int mainTsOffset = 1248;       // 80 bytes: 0-based first TS of TP i, 0xFF = none
    static constexpr int mainTsLength = 80;
    static constexpr int tsCount = 80;
    static constexpr quint16 noChannel = 0x100;

    using IntervalData::IntervalData;
    QByteArray records[levelCount];

    bool isWellFormed(QString *reason) const override;

    // Word ts (0-79) of a channel word block; noChannel where the block is too short.
    static quint16 channelWord(const QByteArray &channelWords, int ts);
    // Sets word ts of a block; a block too short for it is left as it is.
    static void setChannelWord(QByteArray &channelWords, int ts, quint16 word);
};

// The result counters of a port's group for one interval, carried under the group's id 0: per counter id
// its count, its rate where it has one, and the text of a counter that names or states something (an ODU
// name, "Available").
class ZELCORE_EXPORT IntervalDataCounters : public IntervalData
{
public:
    static constexpr int blockId = 0;
    struct Value {
        quint64 count = 0;
        double rate = -1.0;   // below 0: the counter has no rate
        QString text;
    };
    using IntervalData::IntervalData;
    QHash<int, Value> values;
};

// Interval selector of the current interval.
constexpr quint32 currentIntervalSelector = 0xFFFFFFFDu;
// Interval selector of the cumulative results since the measurement began.
constexpr quint32 cumulativeIntervalSelector = 0xFFFFFFFEu;

// What one interval request asks the server for: the data of a port and group for a selector.
struct IntervalRequest {
    int port = 0;
    int group = 0;
    quint32 selector = 0;
};

inline bool operator==(const IntervalRequest &a, const IntervalRequest &b)
{
    return a.port == b.port && a.group == b.group && a.selector == b.selector;
}
