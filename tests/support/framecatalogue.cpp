#include "framecatalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "apps/shared/sid.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/server/zelservermanager.h"

namespace {

constexpr int mappingRange = 63;

// Values 0..maximum, named by `name` (neutral, SDH, SONET) or by their number.
QJsonArray values(int maximum, const std::function<QStringList(int)> &name = {})
{
    QJsonArray list;
    for (int v = 0; v <= maximum; ++v) {
        const QStringList names = name ? name(v) : QStringList{QString::number(v)};
        list.append(
            QJsonObject{{"value", v}, {"name", names.value(0)}, {"sdh", names.value(1)}, {"sonet", names.value(2)}});
    }
    return list;
}

QJsonObject enumeration(int id, const QJsonArray &values, int defaultValue = 0, int group = nsSID::otn,
                        const QString &name = {})
{
    return QJsonObject{{"id", id},         {"group", group},          {"kind", "enum"},
                       {"values", values}, {"default", defaultValue}, {"name", name}};
}

} // namespace

// Every parameter the pages and the dialog bind, with kind, range and default.
QByteArray FrameCatalogue::json()
{
    using namespace PID::Otn;
    const QStringList clients{"GbE", "STM-64 (OPU2e)", "10GbE LAN (GFP-F) (Ext. OPU2)"};
    QJsonArray parameters{QJsonObject{{"id", RX::LINE_RATE}, {"group", nsSID::otn}, {"kind", "double"}},
                          enumeration(TX::FEC_CONTROL, values(1), 1),
                          enumeration(RX::FEC_CONTROL, values(2), 1),
                          enumeration(TX::OTLC_SLICE_NUMBER, values(3)),
                          enumeration(TX::TTI_ENCODING, values(1)),
                          enumeration(RX::TCM, values(1)),
                          enumeration(RX::TTI_DETECTION_ENABLE, values(1)),
                          enumeration(nsSID::idOf(zelServerManager::terminologySid(port)),
                                      QJsonArray{QJsonObject{{"value", 0}, {"name", "SONET (ANSI)"}},
                                                 QJsonObject{{"value", 1}, {"name", "SDH (ITU-T)"}}},
                                      1, nsSID::general)};
    for (const int *ids : {TX::MAPPING, RX::MAPPING}) {
        parameters.append(enumeration(ids[0],
                                      values(mappingRange,
                                             [](int v) {
                                                 const QString name = QStringLiteral("IF%1").arg(v);
                                                 return QStringList{name, name + " SDH", name + " SONET"};
                                             }),
                                      0, nsSID::otn, "Interface"));
        parameters.append(enumeration(
            ids[1],
            values(mappingRange,
                   [&clients](int v) {
                       const QString name = clients.value(v, QStringLiteral("Client %1").arg(v));
                       return v == 3 ? QStringList{name, "STM-16 (SDH)", "OC-48 (SONET)"} : QStringList{name};
                   }),
            0, nsSID::otn, "Client Signal"));
        for (int s = 0; s < 3; ++s) {
            parameters.append(
                enumeration(ids[2 + s],
                            values(mappingRange,
                                   [s](int v) {
                                       const QString name = QStringLiteral("ODTU-s%1v%2").arg(s).arg(v);
                                       return QStringList{name + " (PT=21)", name + " SDH", name + " SONET"};
                                   }),
                            0, nsSID::otn, QStringLiteral("Multiplexing %1").arg(s + 1)));
        }
    }
    for (int s = 0; s < 3; ++s) {
        parameters << enumeration(TX::TX_COPY[s], values(1), 1) << enumeration(RX::DET_MODE[s], values(2), 1);
        for (int id :
             {TX::MAIN_TP[s], RX::MAIN_TP[s], s < 2 ? TX::NUMBER_OF_TS[s] : 0, s < 2 ? RX::NUMBER_OF_TS[s] : 0}) {
            if (id)
                parameters.append(QJsonObject{
                    {"id", id}, {"group", nsSID::otn}, {"kind", "uint"}, {"min", 1}, {"max", 80}, {"default", 1}});
        }
    }
    return QJsonDocument(QJsonObject{{"parameters", parameters}}).toJson();
}

QHash<int, QVariant> FrameCatalogue::mappingValues(int direction, const QVector<int> &fields)
{
    const int *ids = direction == 0 ? PID::Otn::TX::MAPPING : PID::Otn::RX::MAPPING;
    QHash<int, QVariant> values;
    for (int f = 0; f < fields.size() && f < OtnMapping::fieldCount; ++f)
        values.insert(nsSID::otnSid(port, ids[f]), fields.at(f));
    return values;
}

OtnMapping FrameCatalogue::mappingOf(const QVector<int> &fields)
{
    OtnMapping mapping;
    for (int f = 0; f < fields.size() && f < OtnMapping::fieldCount; ++f)
        mapping.setValue(f, fields.at(f));
    return mapping;
}

QVector<int> FrameCatalogue::findStructure(int stages, const std::function<bool(const OtnMapping &)> &want)
{
    for (int count = 0; stages < 0 && count <= OtnMapping::maxStages; ++count) {
        const QVector<int> found = findStructure(count, want);
        if (!found.isEmpty())
            return found;
    }
    if (stages < 0)
        return {};
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
