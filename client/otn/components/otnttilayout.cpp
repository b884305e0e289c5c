#include "otnttilayout.h"

QByteArray OtnTti::message(const QByteArray &sapiBytes, const QByteArray &dapiBytes, const QByteArray &operatorBytes)
{
    QByteArray bytes(messageLength, '\0');
    setFieldBytes(bytes, sapi, sapiBytes);
    setFieldBytes(bytes, dapi, dapiBytes);
    setFieldBytes(bytes, operatorSpecific, operatorBytes);
    return bytes;
}
