#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

#include "host/hostexport.h"

// Reads JSON that comes from outside (the server's catalogue, files the user opens) and refuses an
// object naming a key twice: which of the two values counts would be a guess, and Qt 5's parser loses
// the memory of a replaced array or object.
class ZELCORE_EXPORT StrictJson
{
public:
    // The document, or a null one with the reason and its byte offset in error.
    static QJsonDocument parse(const QByteArray &json, QString *error);

    // The first key an object of json names twice, with the offset of its second naming; null when none
    // does. Only the structure is followed; the parser judges everything else.
    static QString duplicateKey(const QByteArray &json, int *offset = nullptr);
};
