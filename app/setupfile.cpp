#include "setupfile.h"

#include <algorithm>

#include <QBitArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "apps/shared/sid.h"
#include "clientoptions.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/catalogue/parameterdefinition.h"
#include "host/catalogue/strictjson.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

namespace {

bool contains(const int *table, int entries, int id)
{
    return PID::indexIn(table, entries, id) >= 0;
}

} // namespace

bool SetupFile::isSetupParameter(int id)
{
    // The set-up ids run from the transmitter's port mode to the receiver's last detection setting; the
    // overhead set-up parameters among them stand for a button, not for a value.
    return id >= PID::Otn::TX::PORT_MODE && id <= PID::Otn::RX::PM_TIM_ACTION
           && !contains(PID::Otn::TX::OVERHEAD_SETUP, 3, id);
}

int SetupFile::batchOf(int id)
{
    using namespace PID::Otn;
    // A module decides which signals exist; the mapping which stages and slots; the slots which main
    // TP and TS can be chosen.
    if (id == TX::MODULE || id == RX::MODULE)
        return 0;
    if (contains(TX::MAPPING, 5, id) || contains(RX::MAPPING, 5, id))
        return 1;
    if (contains(TX::ALLOC, 3, id) || contains(TX::NUMBER_OF_TS, 3, id) || contains(RX::NUMBER_OF_TS, 3, id)
        || contains(RX::DET_MODE, 3, id))
        return 2;
    return 3;
}

QJsonValue SetupFile::toJson(const QcmaParameter &parameter)
{
    switch (parameter.getType()) {
    case QcmaParameter::TypeEnum:
    case QcmaParameter::TypeInt:
        return parameter.getInt();
    case QcmaParameter::TypeUInt:
        return double(parameter.getUInt());
    case QcmaParameter::TypeDouble:
        return parameter.getDouble();
    case QcmaParameter::TypeByteArray:
        return QString::fromLatin1(parameter.getByteArray().toHex());
    case QcmaParameter::TypeBitArray: {
        const QBitArray bits = parameter.getBitArray();
        QString text(bits.size(), QLatin1Char('0'));
        for (int i = 0; i < bits.size(); ++i) {
            if (bits.testBit(i))
                text[i] = QLatin1Char('1');
        }
        return text;
    }
    }
    return QJsonValue();
}

bool SetupFile::fromJson(const QJsonValue &value, QcmaParameter &parameter)
{
    switch (parameter.getType()) {
    case QcmaParameter::TypeEnum:
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeUInt: {
        if (!value.isDouble())
            return false;
        const double number = value.toDouble();
        if (number != double(qint64(number)))
            return false;
        if (parameter.getType() == QcmaParameter::TypeUInt)
            return number >= 0 && number <= 4294967295.0 && parameter.setValue(uint(number));
        return number >= -2147483648.0 && number <= 2147483647.0 && parameter.setValue(int(number));
    }
    case QcmaParameter::TypeDouble:
        return value.isDouble() && parameter.setValue(value.toDouble());
    case QcmaParameter::TypeByteArray: {
        const QByteArray hex = value.toString().toLatin1();
        if (!value.isString() || hex.size() % 2 != 0
            || !std::all_of(hex.cbegin(), hex.cend(), [](char c) { return isxdigit(uchar(c)); }))
            return false;
        return parameter.setValue(QByteArray::fromHex(hex));
    }
    case QcmaParameter::TypeBitArray: {
        const QString text = value.toString();
        if (!value.isString())
            return false;
        QBitArray bits(text.size());
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i) != QLatin1Char('0') && text.at(i) != QLatin1Char('1'))
                return false;
            bits.setBit(i, text.at(i) == QLatin1Char('1'));
        }
        return parameter.setValue(bits);
    }
    }
    return false;
}

SetupFile SetupFile::capture(const zelServerManager &manager, int port)
{
    SetupFile file;
    QList<int> ids;
    for (const ParameterDefinition *definition : manager.catalogue().all()) {
        if (definition->group == nsSID::otn && !definition->global && isSetupParameter(definition->id))
            ids.append(definition->id);
    }
    std::stable_sort(ids.begin(), ids.end(), [](int a, int b) {
        return batchOf(a) != batchOf(b) ? batchOf(a) < batchOf(b) : a < b;
    });
    for (int id : qAsConst(ids)) {
        const QcmaParameter *parameter = manager.cachedParameter(nsSID::otnSid(port, id));
        // What the structure does not use now is not part of its setup.
        if (parameter && parameter->isDefined())
            file.m_values.append({id, toJson(*parameter)});
    }
    return file;
}

bool SetupFile::save(const QString &path, const zelServerManager &manager, QString *error) const
{
    QJsonArray parameters;
    for (const Value &value : m_values) {
        const ParameterDefinition *definition = manager.catalogue().find(nsSID::otn, value.id);
        parameters.append(QJsonObject{{QStringLiteral("id"), value.id},
                                      {QStringLiteral("name"), definition ? definition->name : QString()},
                                      {QStringLiteral("value"), value.value}});
    }
    const QJsonObject root{{QStringLiteral("format"), formatName()},
                           {QStringLiteral("version"), version},
                           {QStringLiteral("application"), QStringLiteral("otn-client %1").arg(ClientOptions::version())},
                           {QStringLiteral("parameters"), parameters}};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson()) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool SetupFile::load(const QString &path, const zelServerManager &manager, int port, QString *error)
{
    const auto fail = [error, &path](const QString &reason) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QString parseError;
    const QJsonDocument document = StrictJson::parse(file.readAll(), &parseError);
    if (document.isNull())
        return fail(QStringLiteral("not a setup file (%1)").arg(parseError));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != formatName())
        return fail(QStringLiteral("not a setup file of otn-client"));
    const QJsonValue fileVersion = root.value(QStringLiteral("version"));
    if (!fileVersion.isDouble() || fileVersion.toInt() < 1)
        return fail(QStringLiteral("the setup file has no valid version"));
    if (fileVersion.toInt() > version)
        return fail(QStringLiteral("the setup file has version %1; this otn-client reads up to version %2")
                        .arg(fileVersion.toInt())
                        .arg(version));
    const QJsonValue list = root.value(QStringLiteral("parameters"));
    if (!list.isArray())
        return fail(QStringLiteral("the setup file lists no parameters"));
    QVector<Value> values;
    for (const QJsonValue &item : list.toArray()) {
        const QJsonObject entry = item.toObject();
        const int id = entry.value(QStringLiteral("id")).toInt(-1);
        if (!isSetupParameter(id))
            return fail(QStringLiteral("parameter %1 is not part of a port's setup").arg(entry.value(QStringLiteral("id")).toVariant().toString()));
        const QcmaParameter *current = manager.cachedParameter(nsSID::otnSid(port, id));
        if (!current)
            return fail(QStringLiteral("the tester has no parameter %1").arg(id));
        std::unique_ptr<QcmaParameter> copy = current->clone();
        if (!fromJson(entry.value(QStringLiteral("value")), *copy))
            return fail(QStringLiteral("parameter %1 (%2) cannot hold the value '%3'")
                            .arg(id)
                            .arg(entry.value(QStringLiteral("name")).toString(),
                                 entry.value(QStringLiteral("value")).toVariant().toString()));
        values.append({id, entry.value(QStringLiteral("value"))});
    }
    m_values = values;
    return true;
}

QList<QList<std::shared_ptr<QcmaParameter>>> SetupFile::batches(const zelServerManager &manager, int port) const
{
    QList<QList<std::shared_ptr<QcmaParameter>>> batches;
    QVector<Value> ordered = m_values;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Value &a, const Value &b) { return batchOf(a.id) < batchOf(b.id); });
    int batch = -1;
    for (const Value &value : qAsConst(ordered)) {
        const QcmaParameter *current = manager.cachedParameter(nsSID::otnSid(port, value.id));
        if (!current)
            continue;
        std::shared_ptr<QcmaParameter> copy(current->clone());
        copy->setDefined(true);
        if (!fromJson(value.value, *copy))
            continue;
        if (batchOf(value.id) != batch || batches.isEmpty()) {
            batch = batchOf(value.id);
            batches.append(QList<std::shared_ptr<QcmaParameter>>());
        }
        batches.last().append(copy);
    }
    return batches;
}
