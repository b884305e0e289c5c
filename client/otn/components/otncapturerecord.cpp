#include "otncapturerecord.h"

#include "host/parameters/intervaldata.h"

namespace {
using Record = IntervalDataOtnCapture;
}

OtnOhField OtnCaptureRecord::itemField(int item)
{
    if (item == Sm)
        return {Record::smTtiOffset, Record::ttiLength};
    if (item == Pm)
        return {Record::pmTtiOffset, Record::ttiLength};
    if (item >= Tcm1 && item <= Tcm6)
        return {Record::tcmTtiOffset + Record::ttiLength * (item - Tcm1), Record::ttiLength};
    if (item == Ftfl)
        return {Record::ftflOffset, Record::ftflLength};
    return {};
}

QString OtnCaptureRecord::ttiTitle(int item)
{
    if (item == Sm)
        return QStringLiteral("SM-TTI");
    if (item == Pm)
        return QStringLiteral("PM-TTI");
    if (item >= Tcm1 && item <= Tcm6)
        return QStringLiteral("TCM%1-TTI").arg(item - Tcm1 + 1);
    return {};
}

QByteArray OtnCaptureRecord::itemBytes(const QByteArray &record, int item)
{
    return fieldBytes(record, itemField(item));
}

QByteArray OtnCaptureRecord::overhead(const QByteArray &record)
{
    return fieldBytes(record, {Record::overheadOffset, Record::overheadLength});
}

quint8 OtnCaptureRecord::payloadType(const QByteArray &record)
{
    return quint8(fieldBytes(record, {Record::psiOffset, 1}).at(0));
}

QByteArray OtnCaptureRecord::channelWords(const QByteArray &record)
{
    // Cut, not zero-filled: a word beyond the end reads "no channel", not TP 0.
    return record.mid(Record::channelWordsOffset, Record::channelWordsLength);
}

QByteArray OtnCaptureRecord::mainTsBytes(const QByteArray &record)
{
    // A missing byte names no TS.
    return record.mid(Record::mainTsOffset, Record::mainTsLength).leftJustified(Record::mainTsLength, '\xFF', true);
}
