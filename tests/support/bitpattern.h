#pragma once

#include <initializer_list>

#include <QBitArray>
#include <QByteArray>
#include <QString>

// Bit arrays written as digits, bit 0 first: "0110" is bits 1 and 2 of four.
QBitArray bitsOf(const QString &pattern);
QString patternOf(const QBitArray &bits);

// Byte arrays written as their byte values: bytes({0xF6, 0x28}).
QByteArray bytes(std::initializer_list<int> values);
