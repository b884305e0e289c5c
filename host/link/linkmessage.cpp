#include "linkmessage.h"

#include <climits>

#include <QCborArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "host/catalogue/parametercatalogue.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"

namespace {

const QString versionKey = QStringLiteral("v");
const QString typeKey = QStringLiteral("t");

struct TypeName {
    LinkMessage::Type type;
    const char *name;
};
const TypeName typeNames[] = {
    {LinkMessage::Type::Hello, "hello"},       {LinkMessage::Type::Welcome, "welcome"},
    {LinkMessage::Type::Write, "write"},       {LinkMessage::Type::Changed, "changed"},
    {LinkMessage::Type::Confirm, "confirm"},   {LinkMessage::Type::Interval, "interval"},
    {LinkMessage::Type::Data, "data"},         {LinkMessage::Type::Close, "close"},
};

QCborMap make(LinkMessage::Type type)
{
    for (const TypeName &t : typeNames) {
        if (t.type == type)
            return QCborMap{{versionKey, LinkMessage::version}, {typeKey, QString::fromLatin1(t.name)}};
    }
    return {};
}

bool failWith(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

bool readInteger(const QCborMap &map, const QString &key, qint64 minimum, qint64 maximum, qint64 *value,
                 QString *error)
{
    const QCborValue field = map.value(key);
    if (!field.isInteger())
        return failWith(error, QStringLiteral("field \"%1\" is no integer").arg(key));
    const qint64 v = field.toInteger();
    if (v < minimum || v > maximum)
        return failWith(error, QStringLiteral("field \"%1\" = %2 outside %3..%4").arg(key).arg(v).arg(minimum).arg(maximum));
    *value = v;
    return true;
}

bool readDouble(const QCborMap &map, const QString &key, double *value, QString *error)
{
    const QCborValue field = map.value(key);
    if (!field.isDouble() && !field.isInteger())
        return failWith(error, QStringLiteral("field \"%1\" is no number").arg(key));
    *value = field.toDouble();
    return true;
}

QString bitText(const QBitArray &bits)
{
    QString text(bits.size(), QLatin1Char('0'));
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            text[i] = QLatin1Char('1');
    }
    return text;
}

} // namespace

LinkMessage::Type LinkMessage::check(const QCborMap &message, QString *error)
{
    const QCborValue v = message.value(versionKey);
    if (!v.isInteger() || v.toInteger() != version) {
        failWith(error, QStringLiteral("protocol version %1, expected %2")
                            .arg(v.isInteger() ? QString::number(v.toInteger()) : QStringLiteral("missing"))
                            .arg(version));
        return Type::Unknown;
    }
    const QString name = message.value(typeKey).toString();
    for (const TypeName &t : typeNames) {
        if (name == QLatin1String(t.name))
            return t.type;
    }
    failWith(error, QStringLiteral("unknown message type \"%1\"").arg(name));
    return Type::Unknown;
}

QCborMap LinkMessage::hello(const QString &client)
{
    QCborMap m = make(Type::Hello);
    m.insert(QStringLiteral("client"), client);
    return m;
}

QCborMap LinkMessage::welcome(const ParameterCatalogue &catalogue, const QVector<int> &moduleTypes, int applicationType,
                              const std::vector<std::unique_ptr<QcmaParameter>> &values)
{
    QCborMap m = make(Type::Welcome);
    m.insert(QStringLiteral("catalogue"),
             QCborMap::fromJsonObject(QJsonDocument::fromJson(catalogue.toJson()).object()));
    QCborArray modules;
    for (int type : moduleTypes)
        modules.append(type);
    m.insert(QStringLiteral("modules"), modules);
    m.insert(QStringLiteral("application"), applicationType);
    QCborArray list;
    for (const std::unique_ptr<QcmaParameter> &p : values) {
        if (p)
            list.append(encodeParameter(*p));
    }
    m.insert(QStringLiteral("values"), list);
    return m;
}

QCborMap LinkMessage::write(quint64 id, const QList<const QcmaParameter *> &parameters)
{
    QCborMap m = make(Type::Write);
    m.insert(QStringLiteral("id"), qint64(id));
    QCborArray list;
    for (const QcmaParameter *p : parameters) {
        if (p)
            list.append(encodeParameter(*p));
    }
    m.insert(QStringLiteral("values"), list);
    return m;
}

QCborMap LinkMessage::changed(const QList<QSharedPointer<QcmaParameter>> &parameters)
{
    QCborMap m = make(Type::Changed);
    QCborArray list;
    for (const QSharedPointer<QcmaParameter> &p : parameters) {
        if (p)
            list.append(encodeParameter(*p));
    }
    m.insert(QStringLiteral("values"), list);
    return m;
}

QCborMap LinkMessage::confirm(quint64 id)
{
    QCborMap m = make(Type::Confirm);
    m.insert(QStringLiteral("id"), qint64(id));
    return m;
}

QCborMap LinkMessage::interval(int port, int group, quint32 selector)
{
    QCborMap m = make(Type::Interval);
    m.insert(QStringLiteral("port"), port);
    m.insert(QStringLiteral("group"), group);
    m.insert(QStringLiteral("selector"), qint64(selector));
    return m;
}

QCborMap LinkMessage::data(const QList<QSharedPointer<IntervalData>> &blocks)
{
    QCborMap m = make(Type::Data);
    QCborArray list;
    for (const QSharedPointer<IntervalData> &block : blocks) {
        if (block)
            list.append(encodeIntervalData(*block));
    }
    m.insert(QStringLiteral("blocks"), list);
    return m;
}

QCborMap LinkMessage::close(const QString &reason)
{
    QCborMap m = make(Type::Close);
    m.insert(QStringLiteral("reason"), reason);
    return m;
}

bool LinkMessage::readNumber(const QCborMap &message, const QString &key, qint64 minimum, qint64 maximum,
                             qint64 *value, QString *error)
{
    return readInteger(message, key, minimum, maximum, value, error);
}

bool LinkMessage::readParameters(const QCborMap &message, std::vector<std::unique_ptr<QcmaParameter>> *parameters,
                                 QString *error)
{
    const QCborValue list = message.value(QStringLiteral("values"));
    if (!list.isArray())
        return failWith(error, QStringLiteral("field \"values\" is no array"));
    const QCborArray array = list.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        QString reason;
        std::unique_ptr<QcmaParameter> p = decodeParameter(array.at(i), &reason);
        if (!p)
            return failWith(error, QStringLiteral("value %1: %2").arg(i).arg(reason));
        parameters->push_back(std::move(p));
    }
    return true;
}

bool LinkMessage::readIntervalData(const QCborMap &message, QList<QSharedPointer<IntervalData>> *blocks, QString *error)
{
    const QCborValue list = message.value(QStringLiteral("blocks"));
    if (!list.isArray())
        return failWith(error, QStringLiteral("field \"blocks\" is no array"));
    const QCborArray array = list.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        QString reason;
        QSharedPointer<IntervalData> block = decodeIntervalData(array.at(i), &reason);
        if (!block)
            return failWith(error, QStringLiteral("block %1: %2").arg(i).arg(reason));
        blocks->append(block);
    }
    return true;
}

bool LinkMessage::readCatalogue(const QCborMap &message, ParameterCatalogue *catalogue, QString *error)
{
    const QCborValue value = message.value(QStringLiteral("catalogue"));
    if (!value.isMap())
        return failWith(error, QStringLiteral("field \"catalogue\" is no map"));
    QStringList errors;
    const QByteArray json = QJsonDocument(value.toMap().toJsonObject()).toJson(QJsonDocument::Compact);
    if (!catalogue->loadJson(json, &errors) || catalogue->count() == 0)
        return failWith(error, QStringLiteral("catalogue: %1").arg(errors.isEmpty() ? QStringLiteral("empty")
                                                                                     : errors.join(QStringLiteral("; "))));
    return true;
}

QCborValue LinkMessage::encodeParameter(const QcmaParameter &parameter)
{
    QCborMap m{{QStringLiteral("sid"), qint64(uint(parameter.getSID()))},
               {QStringLiteral("type"), parameter.getType()},
               {QStringLiteral("defined"), parameter.isDefined()}};
    switch (parameter.getType()) {
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum: {
        const auto &p = static_cast<const QcmaParameterInt &>(parameter);
        m.insert(QStringLiteral("value"), p.getValue());
        m.insert(QStringLiteral("min"), p.minimum());
        m.insert(QStringLiteral("max"), p.maximum());
        if (const auto *e = dynamic_cast<const QcmaParameterEnum *>(&parameter)) {
            QCborArray active;
            for (int value : e->activeEnums())
                active.append(value);
            m.insert(QStringLiteral("active"), active);
        }
        break;
    }
    case QcmaParameter::TypeUInt: {
        const auto &p = static_cast<const QcmaParameterUInt &>(parameter);
        m.insert(QStringLiteral("value"), qint64(p.getValue()));
        m.insert(QStringLiteral("min"), qint64(p.minimum()));
        m.insert(QStringLiteral("max"), qint64(p.maximum()));
        break;
    }
    case QcmaParameter::TypeDouble: {
        const auto &p = static_cast<const QcmaParameterDouble &>(parameter);
        m.insert(QStringLiteral("value"), p.getValue());
        m.insert(QStringLiteral("min"), p.minimum());
        m.insert(QStringLiteral("max"), p.maximum());
        m.insert(QStringLiteral("decimals"), p.decimals());
        break;
    }
    case QcmaParameter::TypeByteArray: {
        const auto &p = static_cast<const QcmaParameterByteArray &>(parameter);
        m.insert(QStringLiteral("value"), p.getValue());
        m.insert(QStringLiteral("length"), p.fixedLength());
        break;
    }
    case QcmaParameter::TypeBitArray:
        m.insert(QStringLiteral("value"), bitText(parameter.getBitArray()));
        break;
    }
    return m;
}

std::unique_ptr<QcmaParameter> LinkMessage::decodeParameter(const QCborValue &value, QString *error)
{
    if (!value.isMap()) {
        failWith(error, QStringLiteral("parameter is no map"));
        return nullptr;
    }
    const QCborMap m = value.toMap();
    qint64 sid = 0;
    qint64 type = 0;
    if (!readInteger(m, QStringLiteral("sid"), 0, UINT_MAX, &sid, error)
        || !readInteger(m, QStringLiteral("type"), QcmaParameter::TypeInt, QcmaParameter::TypeBitArray, &type, error))
        return nullptr;
    const QCborValue field = m.value(QStringLiteral("value"));
    std::unique_ptr<QcmaParameter> p;
    qint64 v = 0;
    qint64 minimum = 0;
    qint64 maximum = 0;
    switch (type) {
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum: {
        if (!readInteger(m, QStringLiteral("value"), INT_MIN, INT_MAX, &v, error)
            || !readInteger(m, QStringLiteral("min"), INT_MIN, INT_MAX, &minimum, error)
            || !readInteger(m, QStringLiteral("max"), minimum, INT_MAX, &maximum, error))
            return nullptr;
        if (type == QcmaParameter::TypeInt) {
            p = std::make_unique<QcmaParameterInt>(int(sid), int(v), int(minimum), int(maximum));
            break;
        }
        // The active flags are kept per value of the range: a range the flags cannot be held for is refused.
        if (maximum - minimum > 0xFFFF) {
            failWith(error, QStringLiteral("enumeration range %1..%2 too wide").arg(minimum).arg(maximum));
            return nullptr;
        }
        auto e = std::make_unique<QcmaParameterEnum>(int(sid), int(v), int(minimum), int(maximum));
        e->setAllEnumsActive(false);
        const QCborArray active = m.value(QStringLiteral("active")).toArray();
        for (const QCborValue a : active) {
            if (!a.isInteger() || a.toInteger() < minimum || a.toInteger() > maximum) {
                failWith(error, QStringLiteral("active enumerator outside %1..%2").arg(minimum).arg(maximum));
                return nullptr;
            }
            e->setEnumActive(int(a.toInteger()), true);
        }
        p = std::move(e);
        break;
    }
    case QcmaParameter::TypeUInt:
        if (!readInteger(m, QStringLiteral("value"), 0, UINT_MAX, &v, error)
            || !readInteger(m, QStringLiteral("min"), 0, UINT_MAX, &minimum, error)
            || !readInteger(m, QStringLiteral("max"), minimum, UINT_MAX, &maximum, error))
            return nullptr;
        p = std::make_unique<QcmaParameterUInt>(int(sid), uint(v), uint(minimum), uint(maximum));
        break;
    case QcmaParameter::TypeDouble: {
        double d = 0;
        double dMin = 0;
        double dMax = 0;
        qint64 decimals = 0;
        if (!readDouble(m, QStringLiteral("value"), &d, error) || !readDouble(m, QStringLiteral("min"), &dMin, error)
            || !readDouble(m, QStringLiteral("max"), &dMax, error)
            || !readInteger(m, QStringLiteral("decimals"), 0, 15, &decimals, error))
            return nullptr;
        p = std::make_unique<QcmaParameterDouble>(int(sid), d, dMin, dMax, int(decimals));
        break;
    }
    case QcmaParameter::TypeByteArray: {
        qint64 length = 0;
        if (!field.isByteArray()) {
            failWith(error, QStringLiteral("field \"value\" is no byte string"));
            return nullptr;
        }
        if (!readInteger(m, QStringLiteral("length"), 0, INT_MAX, &length, error))
            return nullptr;
        p = std::make_unique<QcmaParameterByteArray>(int(sid), field.toByteArray(), int(length));
        break;
    }
    case QcmaParameter::TypeBitArray: {
        const QString text = field.toString();
        if (!field.isString() || text.contains(QRegularExpression(QStringLiteral("[^01]")))) {
            failWith(error, QStringLiteral("field \"value\" is no text of 0 and 1"));
            return nullptr;
        }
        QBitArray bits(text.size());
        for (int i = 0; i < text.size(); ++i)
            bits.setBit(i, text.at(i) == QLatin1Char('1'));
        p = std::make_unique<QcmaParameterBitArray>(int(sid), bits);
        break;
    }
    }
    p->setDefined(m.value(QStringLiteral("defined")).toBool(true));
    return p;
}

QCborValue LinkMessage::encodeIntervalData(const IntervalData &data)
{
    QCborMap m{{QStringLiteral("sid"), qint64(uint(data.sid()))},
               {QStringLiteral("selector"), qint64(data.selector())},
               {QStringLiteral("bytes"), data.bytes}};
    if (const auto *scan = dynamic_cast<const IntervalDataOtnTributaryScan *>(&data)) {
        m.insert(QStringLiteral("kind"), QStringLiteral("scan"));
        QCborArray words;
        for (quint32 w : scan->words)
            words.append(qint64(w));
        m.insert(QStringLiteral("words"), words);
    } else if (const auto *capture = dynamic_cast<const IntervalDataOtnCapture *>(&data)) {
        m.insert(QStringLiteral("kind"), QStringLiteral("capture"));
        QCborArray records;
        for (const QByteArray &record : capture->records)
            records.append(record);
        m.insert(QStringLiteral("records"), records);
    } else if (const auto *counters = dynamic_cast<const IntervalDataCounters *>(&data)) {
        m.insert(QStringLiteral("kind"), QStringLiteral("counters"));
        QCborArray list;
        for (auto it = counters->values.cbegin(); it != counters->values.cend(); ++it) {
            list.append(QCborMap{{QStringLiteral("id"), it.key()},
                                 {QStringLiteral("count"), qint64(qMin<quint64>(it->count, quint64(LLONG_MAX)))},
                                 {QStringLiteral("rate"), it->rate},
                                 {QStringLiteral("text"), it->text}});
        }
        m.insert(QStringLiteral("counters"), list);
    } else {
        m.insert(QStringLiteral("kind"), QStringLiteral("raw"));
    }
    return m;
}

QSharedPointer<IntervalData> LinkMessage::decodeIntervalData(const QCborValue &value, QString *error)
{
    const QCborMap m = value.toMap();
    qint64 sid = 0;
    qint64 selector = 0;
    if (!value.isMap()) {
        failWith(error, QStringLiteral("block is no map"));
        return {};
    }
    if (!readInteger(m, QStringLiteral("sid"), 0, UINT_MAX, &sid, error)
        || !readInteger(m, QStringLiteral("selector"), 0, UINT_MAX, &selector, error))
        return {};
    const QString kind = m.value(QStringLiteral("kind")).toString();
    QSharedPointer<IntervalData> block;
    if (kind == QLatin1String("scan")) {
        auto scan = QSharedPointer<IntervalDataOtnTributaryScan>::create(int(sid), quint32(selector));
        const QCborArray words = m.value(QStringLiteral("words")).toArray();
        if (words.size() != IntervalDataOtnTributaryScan::wordCount) {
            failWith(error, QStringLiteral("%1 scan words, expected %2").arg(words.size()).arg(IntervalDataOtnTributaryScan::wordCount));
            return {};
        }
        for (int i = 0; i < IntervalDataOtnTributaryScan::wordCount; ++i)
            scan->words[i] = quint32(words.at(i).toInteger());
        block = scan;
    } else if (kind == QLatin1String("capture")) {
        auto capture = QSharedPointer<IntervalDataOtnCapture>::create(int(sid), quint32(selector));
        const QCborArray records = m.value(QStringLiteral("records")).toArray();
        if (records.size() != IntervalDataOtnCapture::levelCount) {
            failWith(error, QStringLiteral("%1 capture records, expected %2").arg(records.size()).arg(IntervalDataOtnCapture::levelCount));
            return {};
        }
        for (int i = 0; i < IntervalDataOtnCapture::levelCount; ++i)
            capture->records[i] = records.at(i).toByteArray();
        block = capture;
    } else if (kind == QLatin1String("counters")) {
        auto counters = QSharedPointer<IntervalDataCounters>::create(int(sid), quint32(selector));
        const QCborArray list = m.value(QStringLiteral("counters")).toArray();
        for (const QCborValue item : list) {
            const QCborMap c = item.toMap();
            qint64 id = 0;
            if (!readInteger(c, QStringLiteral("id"), 0, INT_MAX, &id, error))
                return {};
            IntervalDataCounters::Value v;
            v.count = quint64(qMax<qint64>(0, c.value(QStringLiteral("count")).toInteger()));
            v.rate = c.value(QStringLiteral("rate")).toDouble(-1.0);
            v.text = c.value(QStringLiteral("text")).toString();
            counters->values.insert(int(id), v);
        }
        block = counters;
    } else if (kind == QLatin1String("raw")) {
        block = QSharedPointer<IntervalData>::create(int(sid), quint32(selector));
    } else {
        failWith(error, QStringLiteral("unknown block kind \"%1\"").arg(kind));
        return {};
    }
    block->bytes = m.value(QStringLiteral("bytes")).toByteArray();
    return block;
}
