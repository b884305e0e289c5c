#include "parameterdefinition.h"

#include <cmath>
#include <limits>

#include <QBitArray>
#include <QHash>
#include <QJsonArray>

#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"

namespace {

const QHash<QString, int> &kindNames()
{
    static const QHash<QString, int> kinds = {
        {QStringLiteral("int"), QcmaParameter::TypeInt},
        {QStringLiteral("enum"), QcmaParameter::TypeEnum},
        {QStringLiteral("uint"), QcmaParameter::TypeUInt},
        {QStringLiteral("double"), QcmaParameter::TypeDouble},
        {QStringLiteral("bytes"), QcmaParameter::TypeByteArray},
        {QStringLiteral("bits"), QcmaParameter::TypeBitArray},
    };
    return kinds;
}

int kindFromName(const QString &name)
{
    return kindNames().value(name, 0);
}

int parseNumber(const QJsonValue &value)
{
    if (value.isString())
        return value.toString().toInt(nullptr, 0);
    return value.toInt();
}

} // namespace

namespace {
// Whether a range bound converts to the kind's number type.
bool rangeFitsKind(int kind, double bound)
{
    switch (kind) {
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum:
        return bound >= double(std::numeric_limits<int>::min()) && bound <= double(std::numeric_limits<int>::max());
    case QcmaParameter::TypeUInt:
        return bound >= 0.0 && bound <= double(std::numeric_limits<uint>::max());
    default:
        return !std::isnan(bound);
    }
}
// No parameter of a tester has more values to name or more bytes and bits than an enumeration can hold; a
// catalogue that says otherwise would have the client allocate gigabytes for one parameter.
constexpr double maxSpan = QcmaParameterEnum::maxValues;

// What keeps a definition's values from being made: a range or length no parameter can hold.
QString sizeProblem(const ParameterDefinition &d)
{
    if (!rangeFitsKind(d.kind, d.minimum) || !rangeFitsKind(d.kind, d.maximum))
        return QStringLiteral("parameter %1: range %2..%3 beyond its kind").arg(d.id).arg(d.minimum).arg(d.maximum);
    if (d.kind == QcmaParameter::TypeEnum && d.maximum - d.minimum + 1 > maxSpan)
        return QStringLiteral("parameter %1: range %2..%3 names more than %4 values")
            .arg(d.id)
            .arg(d.minimum)
            .arg(d.maximum)
            .arg(maxSpan);
    const bool array = d.kind == QcmaParameter::TypeByteArray || d.kind == QcmaParameter::TypeBitArray;
    if (array && (d.length < 0 || d.length > maxSpan))
        return QStringLiteral("parameter %1: length %2 outside 0..%3").arg(d.id).arg(d.length).arg(maxSpan);
    return {};
}
} // namespace

ParameterDefinition ParameterDefinition::fromJson(const QJsonObject &object, QString *error)
{
    ParameterDefinition d;
    d.id = parseNumber(object.value(QStringLiteral("id")));
    d.group = parseNumber(object.value(QStringLiteral("group")));
    d.kind = kindFromName(object.value(QStringLiteral("kind")).toString());
    d.name = object.value(QStringLiteral("name")).toString();
    d.unit = object.value(QStringLiteral("unit")).toString();
    d.global = object.value(QStringLiteral("global")).toBool();
    d.definedByDefault = object.value(QStringLiteral("defined")).toBool(true);
    d.defaultValue = object.value(QStringLiteral("default")).toVariant();
    d.minimum = object.value(QStringLiteral("min")).toDouble();
    d.maximum = object.value(QStringLiteral("max")).toDouble();
    d.decimals = object.value(QStringLiteral("decimals")).toInt();
    d.length = object.value(QStringLiteral("length")).toInt();
    d.customHelperKind = object.value(QStringLiteral("custom")).toInt();
    const QJsonArray values = object.value(QStringLiteral("values")).toArray();
    for (const QJsonValue &v : values) {
        const QJsonObject o = v.toObject();
        Enumerator e;
        e.value = o.value(QStringLiteral("value")).toInt();
        e.names[0] = o.value(QStringLiteral("name")).toString();
        e.names[1] = o.value(QStringLiteral("sdh")).toString();
        e.names[2] = o.value(QStringLiteral("sonet")).toString();
        e.active = o.value(QStringLiteral("active")).toBool(true);
        d.enumerators.append(e);
    }
    if (d.kind == QcmaParameter::TypeEnum && !d.enumerators.isEmpty() && !object.contains(QStringLiteral("max"))) {
        d.minimum = d.enumerators.first().value;
        d.maximum = d.enumerators.first().value;
        for (const Enumerator &e : qAsConst(d.enumerators)) {
            d.minimum = qMin(d.minimum, double(e.value));
            d.maximum = qMax(d.maximum, double(e.value));
        }
    }
    if (error) {
        if (d.kind == 0)
            *error = QStringLiteral("parameter %1: unknown kind").arg(d.id);
        else if (d.id <= 0 || d.id > 0xFFFF)
            *error = QStringLiteral("parameter id %1 out of range").arg(d.id);
        else
            *error = sizeProblem(d);
    }
    return d;
}

QJsonObject ParameterDefinition::toJson() const
{
    QJsonObject object{{QStringLiteral("id"), id},
                       {QStringLiteral("group"), group},
                       {QStringLiteral("kind"), kindNames().key(kind)},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("unit"), unit},
                       {QStringLiteral("global"), global},
                       {QStringLiteral("defined"), definedByDefault},
                       {QStringLiteral("default"), QJsonValue::fromVariant(defaultValue)},
                       {QStringLiteral("min"), minimum},
                       {QStringLiteral("max"), maximum},
                       {QStringLiteral("decimals"), decimals},
                       {QStringLiteral("length"), length}};
    QJsonArray values;
    for (const Enumerator &e : enumerators) {
        QJsonObject o{{QStringLiteral("value"), e.value}, {QStringLiteral("name"), e.names[0]},
                      {QStringLiteral("active"), e.active}};
        if (!e.names[1].isEmpty())
            o.insert(QStringLiteral("sdh"), e.names[1]);
        if (!e.names[2].isEmpty())
            o.insert(QStringLiteral("sonet"), e.names[2]);
        values.append(o);
    }
    if (!values.isEmpty())
        object.insert(QStringLiteral("values"), values);
    return object;
}

const ParameterDefinition::Enumerator *ParameterDefinition::enumerator(int value) const
{
    for (const Enumerator &e : enumerators) {
        if (e.value == value)
            return &e;
    }
    return nullptr;
}

bool ParameterDefinition::admits(const QcmaParameter &value, QString *reason) const
{
    QString why;
    const bool ranged = minimum < maximum;
    if (value.getType() != kind) {
        why = QStringLiteral("kind %1, expected %2").arg(value.getType()).arg(kind);
    } else if (!value.isDefined()) {
    } else if (kind == QcmaParameter::TypeEnum) {
        if (!enumerators.isEmpty() && !enumerator(value.getEnum()))
            why = QStringLiteral("no enumerator %1").arg(value.getEnum());
    } else if (kind == QcmaParameter::TypeDouble) {
        const double v = value.getDouble();
        if (!std::isfinite(v) || (ranged && (v < minimum || v > maximum)))
            why = QStringLiteral("value %1 outside %2..%3").arg(v).arg(minimum).arg(maximum);
    }
    if (reason)
        *reason = why;
    return why.isEmpty();
}

QString ParameterDefinition::valueName(int value, int terminology) const
{
    const Enumerator *e = enumerator(value);
    if (!e)
        return QString::number(value);
    if (terminology > 0 && terminology < 3 && !e->names[terminology].isEmpty())
        return e->names[terminology];
    return e->names[0];
}

std::unique_ptr<QcmaParameter> ParameterDefinition::createParameter(int sid) const
{
    // A definition not read from a catalogue may still hold what no parameter can.
    if (!sizeProblem(*this).isEmpty())
        return nullptr;
    std::unique_ptr<QcmaParameter> p;
    switch (kind) {
    case QcmaParameter::TypeInt:
        p = std::make_unique<QcmaParameterInt>(sid, defaultValue.toInt(), int(minimum), int(maximum));
        break;
    case QcmaParameter::TypeEnum: {
        auto e = std::make_unique<QcmaParameterEnum>(sid, defaultValue.toInt(), int(minimum), int(maximum));
        e->setAllEnumsActive(false);
        for (const Enumerator &en : enumerators)
            e->setEnumActive(en.value, en.active);
        p = std::move(e);
        break;
    }
    case QcmaParameter::TypeUInt:
        p = std::make_unique<QcmaParameterUInt>(sid, defaultValue.toUInt(), uint(minimum), uint(maximum));
        break;
    case QcmaParameter::TypeDouble:
        p = std::make_unique<QcmaParameterDouble>(sid, defaultValue.toDouble(), minimum, maximum, decimals);
        break;
    case QcmaParameter::TypeByteArray: {
        QByteArray bytes = QByteArray::fromHex(defaultValue.toString().toLatin1());
        if (length > 0)
            bytes = bytes.leftJustified(length, '\0', true);
        p = std::make_unique<QcmaParameterByteArray>(sid, bytes, length);
        break;
    }
    case QcmaParameter::TypeBitArray: {
        QBitArray bits(length);
        const QString pattern = defaultValue.toString();
        for (int i = 0; i < qMin(length, pattern.size()); ++i)
            bits.setBit(i, pattern.at(i) == QLatin1Char('1'));
        p = std::make_unique<QcmaParameterBitArray>(sid, bits);
        break;
    }
    default:
        return nullptr;
    }
    p->setDefined(definedByDefault);
    return p;
}
