#include "bitpattern.h"

QBitArray bitsOf(const QString &pattern)
{
    QBitArray bits(pattern.size());
    for (int i = 0; i < pattern.size(); ++i)
        bits.setBit(i, pattern.at(i) == QLatin1Char('1'));
    return bits;
}

QString patternOf(const QBitArray &bits)
{
    QString pattern;
    for (int i = 0; i < bits.size(); ++i)
        pattern += bits.testBit(i) ? QLatin1Char('1') : QLatin1Char('0');
    return pattern;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray array;
    for (int v : values)
        array.append(char(v));
    return array;
}
