#include "frametestserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "apps/shared/sid.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "tests/support/testserverlink.h"

namespace {

constexpr int otn = 0x0D0000;
constexpr int general = 0x060000;
constexpr int mappingRange = 63;
constexpr int txMapping[5] = {11008, 11009, 11010, 11011, 11166};
constexpr int rxMapping[5] = {12006, 12007, 12008, 12009, 12022};

struct Kind {
    int type = QcmaParameter::TypeEnum;
    int minimum = 0;
    int maximum = 1;
    int defaultValue = 0;
};

QHash<int, Kind> kinds()
{
    QHash<int, Kind> k;
    for (int f = 0; f < 5; ++f) {
        k.insert(txMapping[f], {QcmaParameter::TypeEnum, 0, mappingRange, 0});
        k.insert(rxMapping[f], {QcmaParameter::TypeEnum, 0, mappingRange, 0});
    }
    k.insert(12018, {QcmaParameter::TypeDouble, 0, 0, 0});
    k.insert(11012, {QcmaParameter::TypeEnum, 0, 1, 1});
    k.insert(12010, {QcmaParameter::TypeEnum, 0, 2, 1});
    k.insert(13001, {QcmaParameter::TypeEnum, 0, 1, 0});
    k.insert(13002, {QcmaParameter::TypeEnum, 0, 1, 0});
    k.insert(11204, {QcmaParameter::TypeEnum, 0, 3, 0});
    k.insert(12028, {QcmaParameter::TypeEnum, 0, 1, 0});
    for (int s = 0; s < 3; ++s) {
        k.insert(PID::Otn::TX::TX_COPY[s], {QcmaParameter::TypeEnum, 0, 1, 1});
        k.insert(PID::Otn::TX::MAIN_TP[s], {QcmaParameter::TypeUInt, 1, 80, 1});
        k.insert(PID::Otn::RX::MAIN_TP[s], {QcmaParameter::TypeUInt, 1, 80, 1});
        k.insert(PID::Otn::RX::DET_MODE[s], {QcmaParameter::TypeEnum, 0, 2, 1});
    }
    for (int s = 0; s < 2; ++s) {
        k.insert(PID::Otn::TX::NUMBER_OF_TS[s], {QcmaParameter::TypeUInt, 1, 80, 1});
        k.insert(PID::Otn::RX::NUMBER_OF_TS[s], {QcmaParameter::TypeUInt, 1, 80, 1});
    }
    return k;
}

QJsonObject enumDefinition(int id, int group, const QString &name, const QJsonArray &values)
{
    return QJsonObject{{"id", id}, {"group", QStringLiteral("0x%1").arg(group, 6, 16, QLatin1Char('0'))},
                       {"kind", "enum"}, {"name", name}, {"values", values}};
}

QString clientName(int value)
{
    switch (value) {
    case 0: return QStringLiteral("GbE");
    case 1: return QStringLiteral("STM-64 (OPU2e)");
    case 2: return QStringLiteral("10GbE LAN (GFP-F) (Ext. OPU2)");
    default: return QStringLiteral("Client %1").arg(value);
    }
}

QByteArray catalogueJson()
{
    QJsonArray parameters;
    for (int direction = 0; direction < 2; ++direction) {
        const int *ids = direction == 0 ? txMapping : rxMapping;
        QJsonArray interfaces, clients;
        QJsonArray stages[3];
        for (int v = 0; v <= mappingRange; ++v) {
            interfaces.append(QJsonObject{{"value", v}, {"name", QStringLiteral("IF%1").arg(v)},
                                          {"sdh", QStringLiteral("IF%1 SDH").arg(v)},
                                          {"sonet", QStringLiteral("IF%1 SONET").arg(v)}});
            QJsonObject client{{"value", v}, {"name", clientName(v)}};
            if (v == 3) {
                client.insert("sdh", "STM-16 (SDH)");
                client.insert("sonet", "OC-48 (SONET)");
            }
            clients.append(client);
            for (int s = 0; s < 3; ++s)
                stages[s].append(QJsonObject{{"value", v}, {"name", QStringLiteral("ODTU-s%1v%2 (PT=21)").arg(s).arg(v)},
                                             {"sdh", QStringLiteral("ODTU-s%1v%2 SDH").arg(s).arg(v)},
                                             {"sonet", QStringLiteral("ODTU-s%1v%2 SONET").arg(s).arg(v)}});
        }
        parameters.append(enumDefinition(ids[0], otn, "Interface", interfaces));
        parameters.append(enumDefinition(ids[1], otn, "Client Signal", clients));
        for (int s = 0; s < 3; ++s)
            parameters.append(enumDefinition(ids[2 + s], otn, QStringLiteral("Multiplexing %1").arg(s + 1), stages[s]));
    }
    parameters.append(enumDefinition(30001, general, "Terminology",
                                     QJsonArray{QJsonObject{{"value", 0}, {"name", "SONET (ANSI)"}},
                                                QJsonObject{{"value", 1}, {"name", "SDH (ITU-T)"}}}));
    return QJsonDocument(QJsonObject{{"parameters", parameters}}).toJson();
}

} // namespace

FrameTestServer::FrameTestServer() : m_link(new TestServerLink(catalogueJson()))
{
    const QHash<int, Kind> all = kinds();
    for (auto it = all.constBegin(); it != all.constEnd(); ++it)
        m_link->addParameter(create(it.key(), otn, it.value().defaultValue));
    m_link->addParameter(create(30001, general, 1));
}

FrameTestServer::~FrameTestServer()
{
    // The manager unregisters from the link; bindings are gone by now.
    m_manager.reset();
    m_link.reset();
}

int FrameTestServer::sid(int id, int group)
{
    return nsSID::build(port, group, id);
}

const int *FrameTestServer::mappingIds(int direction)
{
    return direction == 0 ? txMapping : rxMapping;
}

QcmaParameter *FrameTestServer::create(int id, int group, int value) const
{
    if (group == general)
        return new QcmaParameterEnum(sid(id, group), value, 0, 1);
    const Kind kind = kinds().value(id);
    switch (kind.type) {
    case QcmaParameter::TypeUInt:
        return new QcmaParameterUInt(sid(id), uint(value), uint(kind.minimum), uint(kind.maximum));
    case QcmaParameter::TypeDouble:
        return new QcmaParameterDouble(sid(id), value);
    default:
        return new QcmaParameterEnum(sid(id), value, kind.minimum, kind.maximum);
    }
}

void FrameTestServer::setValue(int id, int value, int group)
{
    m_link->addParameter(create(id, group, value));
}

void FrameTestServer::setMapping(int direction, const QVector<int> &fields)
{
    for (int f = 0; f < fields.size() && f < 5; ++f)
        setValue(mappingIds(direction)[f], fields.at(f));
}

zelServerManager *FrameTestServer::start()
{
    m_manager.reset(new zelServerManager(m_link.data()));
    return m_manager.data();
}

void FrameTestServer::change(int id, int value, int group)
{
    m_link->serverChange(create(id, group, value));
}

int FrameTestServer::value(int id, int group) const
{
    const QcmaParameter *p = m_link->value(sid(id, group));
    return p ? p->getInt() : -1;
}

OtnMapping FrameTestServer::mappingOf(const QVector<int> &fields)
{
    OtnMapping mapping;
    for (int f = 0; f < fields.size() && f < OtnMapping::fieldCount; ++f)
        mapping.setValue(f, fields.at(f));
    return mapping;
}

QVector<int> FrameTestServer::findStructure(int stages, const std::function<bool(const OtnMapping &)> &want)
{
    // Depth first over the stage values, pruning as soon as a stage is missing or one too many exists.
    std::function<QVector<int>(OtnMapping &, int)> search = [&](OtnMapping &m, int stage) -> QVector<int> {
        if (stage == OtnMapping::maxStages || stage == stages) {
            if (stage < OtnMapping::maxStages && m.hasOdtu(stage))
                return {};
            for (int client = 0; client <= mappingRange; ++client) {
                m.setValue(OtnMapping::FieldClient, client);
                if (m.isValid() && want(m))
                    return {m[0], m[1], m[2], m[3], m[4]};
            }
            m.setValue(OtnMapping::FieldClient, 0);
            return {};
        }
        for (int value = 1; value <= 31; ++value) {
            m.setValue(OtnMapping::FieldStage0 + stage, value);
            if (!m.hasOdtu(stage))
                continue;
            const QVector<int> found = search(m, stage + 1);
            if (!found.isEmpty())
                return found;
        }
        m.setValue(OtnMapping::FieldStage0 + stage, 0);
        return {};
    };
    for (int interfaceSignal = 0; interfaceSignal <= mappingRange; ++interfaceSignal) {
        OtnMapping m;
        m.setValue(OtnMapping::FieldInterface, interfaceSignal);
        const QVector<int> found = search(m, 0);
        if (!found.isEmpty())
            return found;
    }
    return {};
}
