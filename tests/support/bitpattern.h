#pragma once

#include <QBitArray>
#include <QString>

// Bit arrays written as digits, bit 0 first: "0110" is bits 1 and 2 of four.
QBitArray bitsOf(const QString &pattern);
QString patternOf(const QBitArray &bits);
