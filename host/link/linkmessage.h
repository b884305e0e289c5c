#pragma once

#include <memory>
#include <vector>

#include <QCborMap>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QVector>

#include "host/hostexport.h"

class IntervalData;
class ParameterCatalogue;
class QcmaParameter;

// The messages between a client and a remote tester, as CBOR maps (docs/protocol.md): building each kind,
// and reading parameters, interval data and the catalogue back with a reason for whatever does not fit.
class ZELCORE_EXPORT LinkMessage
{
public:
    static constexpr int version = 1;

    enum class Type { Unknown, Hello, Welcome, Write, Changed, Confirm, Interval, Data, Close };

    // The type of a received message; Unknown, with the reason in error, for another version or an
    // unknown type.
    static Type check(const QCborMap &message, QString *error);

    static QCborMap hello(const QString &client);
    static QCborMap welcome(const ParameterCatalogue &catalogue, const QVector<int> &moduleTypes, int applicationType,
                            const std::vector<std::unique_ptr<QcmaParameter>> &values);
    static QCborMap write(quint64 id, const QList<const QcmaParameter *> &parameters);
    static QCborMap changed(const QList<QSharedPointer<QcmaParameter>> &parameters);
    static QCborMap confirm(quint64 id);
    static QCborMap interval(int port, int group, quint32 selector);
    static QCborMap data(const QList<QSharedPointer<IntervalData>> &blocks);
    static QCborMap close(const QString &reason);

    // An unsigned field of the message; false, with the reason, when it is missing or out of range.
    static bool readNumber(const QCborMap &message, const QString &key, qint64 minimum, qint64 maximum, qint64 *value,
                           QString *error);
    // The "values" of a message, in their order.
    static bool readParameters(const QCborMap &message, std::vector<std::unique_ptr<QcmaParameter>> *parameters,
                               QString *error);
    // The "blocks" of a data message.
    static bool readIntervalData(const QCborMap &message, QList<QSharedPointer<IntervalData>> *blocks, QString *error);
    // The catalogue of a welcome, loaded into catalogue (which should be empty).
    static bool readCatalogue(const QCborMap &message, ParameterCatalogue *catalogue, QString *error);

    static QCborValue encodeParameter(const QcmaParameter &parameter);
    static std::unique_ptr<QcmaParameter> decodeParameter(const QCborValue &value, QString *error);
    static QCborValue encodeIntervalData(const IntervalData &data);
    static QSharedPointer<IntervalData> decodeIntervalData(const QCborValue &value, QString *error);
};
