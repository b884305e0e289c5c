#include "structurerules.h"

#include <algorithm>
#include <cmath>

#include <QRegularExpression>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnmodule.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "parameterstore.h"
#include "simulator/otnstructurerules.h"
#include "tributarylayout.h"

namespace {

// Lane mapping parameters that follow PID::Otn::TX::FIRST_LANE_MAPPING.
constexpr int maxLanes = 20;
constexpr int gfpFSettings[] = {PID::Otn::TX::GFP_F_PTI,         PID::Otn::TX::GFP_F_PFI, PID::Otn::TX::GFP_F_EXI,
                                PID::Otn::TX::GFP_F_UPI,         PID::Otn::TX::GFP_F_CID, PID::Otn::TX::GFP_F_SPARE,
                                PID::Otn::TX::GFP_F_CHEC_PRESYNC};

// Physical lanes of a lane interface, read from its name: OTL4.10 has 10, OTL3.4 and OTLC.4 have 4.
int physicalLanesOf(const OtnSignalCatalogue::Interface &i)
{
    static const QRegularExpression suffix(QStringLiteral("\\.(\\d+)"));
    const QRegularExpressionMatch m = suffix.match(QString::fromLatin1(i.name));
    return m.hasMatch() ? m.captured(1).toInt() : 1;
}

// Why a main TS list does not fit a stage of tsCount TS, or an empty text.
QString mainTsProblem(const QByteArray &bytes, quint32 tsCount)
{
    QVector<int> seen;
    for (char c : bytes) {
        const int ts = quint8(c);
        if (ts < 1 || quint32(ts) > tsCount)
            return QStringLiteral("TS %1 outside 1..%2").arg(ts).arg(tsCount);
        if (seen.contains(ts))
            return QStringLiteral("TS %1 named twice").arg(ts);
        seen.append(ts);
    }
    return {};
}

} // namespace

StructureRules::StructureRules(ParameterStore &store, const ParameterCatalogue &catalogue)
    : m_store(store), m_catalogue(catalogue)
{
    m_hasMapping = true;
    for (int field = 0; field < OtnMapping::fieldCount; ++field) {
        m_hasMapping = m_hasMapping && m_catalogue.find(nsSID::otn, PID::Otn::TX::MAPPING[field])
                       && m_catalogue.find(nsSID::otn, PID::Otn::RX::MAPPING[field]);
    }
}

QVector<int> StructureRules::possibleValues(int field, const OtnMapping &mapping)
{
    QVector<int> key = {field};
    for (int f = 0; f < field; ++f)
        key.append(mapping[f]);
    auto it = m_possibleValues.constFind(key);
    if (it == m_possibleValues.constEnd())
        it = m_possibleValues.insert(key, OtnStructureRules::possibleValues(field, mapping));
    return it.value();
}

QVector<int> StructureRules::catalogueValues(int id) const
{
    QVector<int> values;
    if (const ParameterDefinition *d = m_catalogue.find(nsSID::otn, id)) {
        for (const ParameterDefinition::Enumerator &e : d->enumerators)
            values.append(e.value);
    }
    return values;
}

void StructureRules::restrictEnum(int port, int id, const QVector<int> &allowed, int preferred)
{
    const int s = nsSID::otnSid(port, id);
    const QcmaParameter *p = m_store.value(s);
    if (!p || p->getType() != QcmaParameter::TypeEnum)
        return;
    QVector<int> active;
    for (int v : catalogueValues(id)) {
        if (allowed.contains(v))
            active.append(v);
    }
    m_store.setActiveEnums(s, active);
    if (active.isEmpty()) {
        m_store.setDefined(s, false);
        return;
    }
    m_store.setDefined(s, true);
    if (!active.contains(p->getEnum()))
        m_store.setValue(s, active.contains(preferred) ? preferred : active.first());
}

bool StructureRules::moduleIsMultiLane(int port, Direction direction) const
{
    if (direction == Tx)
        return OtnModule::isMultiLane(m_store.intValue(nsSID::otnSid(port, PID::Otn::TX::MODULE)));
    return OtnModule::isMultiLaneRxValue(m_store.intValue(nsSID::otnSid(port, PID::Otn::RX::MODULE)));
}

double StructureRules::lineRateKbps(int interfaceSignal)
{
    const OtnSignalCatalogue::Interface *i = OtnSignalCatalogue::interfaceSignal(interfaceSignal);
    if (!i)
        return 0;
    // OTUk = 255/239 x ODUk (FEC area included); OTUCn carries no FEC.
    double rate = OtnSignalCatalogue::odu(i->odu).rateKbps * (i->otlc ? 1.0 : 255.0 / 239.0);
    if (i->laneOnly)
        rate /= physicalLanesOf(*i);
    return std::round(rate * 1000.0) / 1000.0;
}

void StructureRules::apply(int port)
{
    if (port < 1 || port > m_store.portCount())
        return;
    const OtnMapping tx = applyMapping(port, Tx);
    const OtnMapping rx = applyMapping(port, Rx);
    applyStages(port, Tx, tx);
    applyStages(port, Rx, rx);
    applyTxLevels(port, tx);
    applyLanes(port, tx);
    applyTxSettings(port, tx);
    applyRxSettings(port, rx, tx);
    applyStimuli(port, tx);
}

OtnMapping StructureRules::applyMapping(int port, Direction direction)
{
    const TributaryLayout::Direction layoutDirection = direction == Tx ? TributaryLayout::Tx : TributaryLayout::Rx;
    OtnMapping mapping = TributaryLayout::mappingOf(m_store, port, layoutDirection);
    if (!m_hasMapping)
        return mapping;
    const int *ids = direction == Tx ? PID::Otn::TX::MAPPING : PID::Otn::RX::MAPPING;
    const bool multiLane = moduleIsMultiLane(port, direction);

    // Each field offers what the fields before it (in the mapping dialog's order) leave possible.
    for (int field = 0; field < OtnMapping::fieldCount; ++field) {
        const int s = nsSID::otnSid(port, ids[field]);
        const QcmaParameter *p = m_store.value(s);
        if (!p)
            continue;
        if (field >= OtnMapping::FieldStage1 && mapping[field - 1] == 0) {
            m_store.setDefined(s, false);
            mapping.setValue(field, 0);
            continue;
        }
        QVector<int> values = possibleValues(field, mapping);
        // Lane interfaces need a transceiver with several physical lanes.
        if (field == OtnMapping::FieldInterface && !multiLane) {
            values.erase(std::remove_if(values.begin(), values.end(), OtnStructureRules::needsMultiLaneModule),
                         values.end());
        }
        if (values.isEmpty())
            continue;
        // A stage that comes back starts without multiplexing.
        if (!p->isDefined() && field >= OtnMapping::FieldStage1)
            m_store.setValue(s, 0);
        restrictEnum(port, ids[field], values, field >= OtnMapping::FieldStage0 ? 0 : -1);
        mapping.setValue(field, m_store.intValue(s));
    }
    return mapping;
}

void StructureRules::applyStages(int port, Direction direction, const OtnMapping &mapping)
{
    const bool tx = direction == Tx;
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        const bool exists = mapping.hasOdtu(stage);

        quint32 flex = 0;
        if (const int id = (tx ? PID::Otn::TX::NUMBER_OF_TS : PID::Otn::RX::NUMBER_OF_TS)[stage]) {
            const bool flexStage = exists && mapping.hasOduFlex(stage);
            m_store.setDefined(nsSID::otnSid(port, id), flexStage);
            if (flexStage) {
                const quint32 total = quint32(qMax(1, OtnStructureRules::maxFlexTsCount(stage, mapping)));
                m_store.setRange(nsSID::otnSid(port, id), 1, total);
                flex = quint32(m_store.intValue(nsSID::otnSid(port, id)));
                if (flex < 1 || flex > total) {
                    flex = 1;
                    m_store.setValue(nsSID::otnSid(port, id), flex);
                }
            }
        }
        const TpTsInfo info = OtnTpTs::getTpTsInfo(stage, mapping, flex);
        // A stage that changes its multiplex (or ODUflex size) starts from its default slots again.
        QVector<int> &shapes = m_stageShapes[port];
        shapes.resize(2 * OtnMapping::maxStages);
        const int shape = exists ? mapping.convertMultiplexes().value(stage) * 100 + int(flex) : -1;
        const bool reshaped = shapes.at(direction * OtnMapping::maxStages + stage) != shape;
        shapes[direction * OtnMapping::maxStages + stage] = shape;

        const int tpSid = nsSID::otnSid(port, (tx ? PID::Otn::TX::MAIN_TP : PID::Otn::RX::MAIN_TP)[stage]);
        m_store.setDefined(tpSid, exists);
        if (exists) {
            const quint32 tpCount = qMax<quint32>(1, info.tpCount);
            m_store.setRange(tpSid, 1, tpCount);
            const quint32 tp = quint32(m_store.intValue(tpSid));
            if (reshaped || tp < 1 || tp > tpCount)
                m_store.setValue(tpSid, 1u);
        }

        const int tsSid = nsSID::otnSid(port, (tx ? PID::Otn::TX::MAIN_TS : PID::Otn::RX::MAIN_TS)[stage]);
        m_store.setDefined(tsSid, exists);
        if (exists) {
            const int length = qMin(OtnStructureRules::mainTsLength(stage, mapping, flex), int(OtnTpTs::maxTs));
            const QcmaParameter *ts = m_store.value(tsSid);
            QByteArray bytes = ts ? ts->getByteArray() : QByteArray();
            if (reshaped || bytes.size() != length || !mainTsProblem(bytes, info.tsCount).isEmpty())
                bytes = OtnStructureRules::defaultMainTs(stage, mapping, flex);
            m_store.setByteArray(tsSid, bytes, length);
        }

        if (tx) {
            if (const int id = PID::Otn::TX::ALLOC[stage]) {
                const int total = OtnStructureRules::allocationLength(stage, mapping);
                const bool allocated = exists && total > 0;
                m_store.setDefined(nsSID::otnSid(port, id), allocated);
                const QcmaParameter *p = m_store.value(nsSID::otnSid(port, id));
                if (allocated && p && (reshaped || p->getBitArray().size() != total))
                    m_store.setBitArray(nsSID::otnSid(port, id), OtnStructureRules::defaultAllocation(stage, mapping));
            }
            m_store.setDefined(nsSID::otnSid(port, PID::Otn::TX::TX_COPY[stage]), exists);
        } else {
            m_store.setDefined(nsSID::otnSid(port, PID::Otn::RX::DET_MODE[stage]), exists);
            m_store.setDefined(nsSID::otnSid(port, PID::Otn::MEASUREMENT::MSIM_DETECTION[stage]), exists);
        }
    }
}

void StructureRules::applyTxLevels(int port, const OtnMapping &mapping)
{
    using namespace PID::Otn::TX;
    const int count = mapping.getOduCount();
    const QList<quint8> payloadTypes = mapping.getPayloadTypes();
    QVector<int> &remembered = m_payloadTypes[port];
    remembered.resize(OtnMapping::maxLevels);
    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        const bool exists = level < count;
        const int perLevel[] = {OPU_PAYLOAD_TYPE[level], ODU_FAS[level], ODU_EXP[level], ODU_GCC1[level],
                                ODU_GCC2[level], ODU_RES1[level], ODU_RES2[level], ODU_APS_FB[level],
                                ODU_APS_SB[level], ODU_PM_BITS[level], ODU_PM_TTI_SAPI[level],
                                ODU_PM_TTI_DAPI[level], ODU_PM_TTI_OS[level], ODU_FTFL_FOI[level],
                                ODU_FTFL_FOS[level], ODU_FTFL_FFI[level], ODU_FTFL_BOI[level],
                                ODU_FTFL_BOS[level], ODU_FTFL_BFI[level]};
        for (int id : perLevel)
            m_store.setDefined(nsSID::otnSid(port, id), exists);
        for (int tcm = 0; tcm < 6; ++tcm) {
            m_store.setDefined(nsSID::otnSid(port, ODU_TCM_BITS[level][tcm]), exists);
            if (ODU_TCM_TTI_OH[level][tcm])
                m_store.setDefined(nsSID::otnSid(port, ODU_TCM_TTI_OH[level][tcm]), exists);
        }
        if (level < 3)
            m_store.setDefined(nsSID::otnSid(port, PID::Otn::TX::OVERHEAD_SETUP[level]), exists);

        // The payload type follows the structure when the structure changes; in between the user may
        // send another one.
        const int expected = (exists && level < payloadTypes.size()) ? payloadTypes.at(level) : -1;
        if (expected >= 0 && remembered.at(level) != expected)
            m_store.setByteArray(nsSID::otnSid(port, OPU_PAYLOAD_TYPE[level]), QByteArray(1, char(expected)), 1);
        remembered[level] = expected;
    }
}

void StructureRules::applyLanes(int port, const OtnMapping &mapping)
{
    const int interfaceSignal = mapping[OtnMapping::FieldInterface];
    const int lanes = qMin(OtnMapping::numOfLldLane(interfaceSignal), maxLanes);
    const OtnSignalCatalogue::Interface *i = OtnSignalCatalogue::interfaceSignal(interfaceSignal);
    const int physical = i ? physicalLanesOf(*i) : 1;

    const bool laneCountChanged = m_lanes.value(port, -1) != lanes;
    m_lanes[port] = lanes;
    m_store.setValue(nsSID::otnSid(port, PID::Otn::TX::LANE_COUNT), uint(lanes));
    for (int lane = 0; lane < maxLanes; ++lane) {
        const int s = nsSID::otnSid(port, PID::Otn::TX::FIRST_LANE_MAPPING + lane);
        m_store.setDefined(s, lane < lanes);
        if (lane >= lanes)
            continue;
        m_store.setRange(s, 0, lanes - 1);
        if (laneCountChanged || m_store.intValue(s) >= lanes)
            m_store.setValue(s, uint(lane));
    }

    const auto resizeLanes = [&](int id, int count) {
        const int s = nsSID::otnSid(port, id);
        m_store.setDefined(s, lanes > 0);
        const QcmaParameter *p = m_store.value(s);
        if (lanes > 0 && p && p->getBitArray().size() != count) {
            QBitArray bits(count);
            bits.setBit(0);
            m_store.setBitArray(s, bits);
        }
    };
    resizeLanes(PID::Otn::STIMULI::LLD_ERROR_LANES, lanes);
    resizeLanes(PID::Otn::STIMULI::SKEW_LOGICAL_LANES, lanes);
    resizeLanes(PID::Otn::STIMULI::SKEW_PHYSICAL_LANES, physical);

    for (int id : {PID::Otn::STIMULI::SKEW_BITS, PID::Otn::STIMULI::SKEW_NS, PID::Otn::STIMULI::SKEW_LANE_TYPE})
        m_store.setDefined(nsSID::otnSid(port, id), lanes > 0);
    if (lanes > 0) {
        const bool logical = m_store.intValue(nsSID::otnSid(port, PID::Otn::STIMULI::SKEW_LANE_TYPE)) == 0;
        const double laneRate = lineRateKbps(interfaceSignal) / (logical ? lanes : physical);
        const double bits = m_store.intValue(nsSID::otnSid(port, PID::Otn::STIMULI::SKEW_BITS));
        const double ns = laneRate > 0 ? bits * 1e6 / laneRate : 0.0;
        m_store.setValue(nsSID::otnSid(port, PID::Otn::STIMULI::SKEW_NS), std::round(ns * 1000.0) / 1000.0);
    }
}

void StructureRules::applyTxSettings(int port, const OtnMapping &mapping)
{
    const bool otlc = mapping.isOTLC();
    m_store.setDefined(nsSID::otnSid(port, PID::Otn::TX::OTLC_SLICE_NUMBER), otlc);
    m_store.setDefined(nsSID::otnSid(port, PID::Otn::TX::OTU_OSMC), otlc);
    // Row 1 columns 13-14: one RES byte beside the OSMC on the first OTUC slice, two RES bytes elsewhere.
    const int resLength = (otlc && m_store.intValue(nsSID::otnSid(port, PID::Otn::TX::OTLC_SLICE_NUMBER)) == 0) ? 1 : 2;
    if (const QcmaParameter *res = m_store.value(nsSID::otnSid(port, PID::Otn::TX::OTU_RES))) {
        QByteArray bytes = res->getByteArray().leftJustified(resLength, '\0', true);
        m_store.setByteArray(nsSID::otnSid(port, PID::Otn::TX::OTU_RES), bytes, resLength);
    }

    // FEC is mandatory on OTU4 and absent on OTUCn.
    const OtnSignalCatalogue::Interface *i = OtnSignalCatalogue::interfaceSignal(mapping[OtnMapping::FieldInterface]);
    QVector<int> fec = {0, 1};
    if (otlc)
        fec = {0};
    else if (i && i->odu == OtnSignalCatalogue::Odu4)
        fec = {1};
    restrictEnum(port, PID::Otn::TX::FEC_CONTROL, fec, 1);

    for (int id : gfpFSettings)
        m_store.setDefined(nsSID::otnSid(port, id), mapping.isGfpF());
    m_store.setDefined(nsSID::otnSid(port, PID::Otn::TX::GFP_T_CSF_REPLACEMENT), mapping.isGfpT());
    m_store.setValue(nsSID::otnSid(port, PID::Otn::TX::LINE_RATE), lineRateKbps(mapping[OtnMapping::FieldInterface]));
}

void StructureRules::applyRxSettings(int port, const OtnMapping &rx, const OtnMapping &tx)
{
    Q_UNUSED(tx)
    const bool otlc = rx.isOTLC();
    restrictEnum(port, PID::Otn::RX::FEC_CONTROL, otlc ? QVector<int>{0} : catalogueValues(PID::Otn::RX::FEC_CONTROL),
                 1);
    m_store.setDefined(nsSID::otnSid(port, PID::Otn::RX::TTI_DETECTION_ENABLE), otlc);
    // Each ODU level the receiver expects has the path trace it is expected to carry.
    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        for (const int *ids : {PID::Otn::RX::PM_EXPECTED_SAPI, PID::Otn::RX::PM_EXPECTED_DAPI})
            m_store.setDefined(nsSID::otnSid(port, ids[level]), level < rx.getOduCount());
    }
    m_store.setValue(nsSID::otnSid(port, PID::Otn::RX::LINE_RATE), lineRateKbps(rx[OtnMapping::FieldInterface]));

    // The expected MSI of each received stage is what the transmitter's structure sends there.
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        const int s = nsSID::otnSid(port, PID::Otn::MEASUREMENT::MSIM_REFERENCE_DATA[stage]);
        const bool exists = rx.hasOdtu(stage);
        m_store.setDefined(s, exists);
        const QByteArray msi = exists ? TributaryLayout(m_store, port, TributaryLayout::Tx, stage).msi() : QByteArray();
        m_store.setByteArray(s, msi, 0);
    }
}

void StructureRules::applyStimuli(int port, const OtnMapping &mapping)
{
    const int count = mapping.getOduCount();
    QVector<int> levels;
    QVector<int> gmpLevels;
    for (int level = 0; level < count; ++level) {
        levels.append(level);
        if (mapping.isGmp(level))
            gmpLevels.append(level);
    }
    restrictEnum(port, PID::Otn::STIMULI::LEVEL, levels, 0);
    restrictEnum(port, PID::Otn::STIMULI::JUSTIFICATION_LEVEL, levels, 0);
    restrictEnum(port, PID::Otn::STIMULI::GMP_LEVEL, gmpLevels);

    // Categories: 0 alarms/errors and 3 FEC always, 1 GMP, 2 GFP and 4 lanes where the signal has them.
    QVector<int> categories = {0, 3};
    if (!gmpLevels.isEmpty())
        categories.append(1);
    if (mapping.isGfp())
        categories.append(2);
    if (OtnMapping::numOfLldLane(mapping[OtnMapping::FieldInterface]) > 0)
        categories.append(4);
    restrictEnum(port, PID::Otn::STIMULI::CATEGORY, categories, 0);
}

bool StructureRules::check(const QcmaParameter &candidate, QString *reason) const
{
    const int s = candidate.getSID();
    if (nsSID::groupOf(s) != nsSID::otn)
        return true;
    const int id = nsSID::idOf(s);
    const int port = nsSID::portOf(s);
    // The client switches the insertion on and off; the tester alone says it is done or stopped.
    if (id == PID::Otn::STIMULI::INSERTION && candidate.getEnum() != PID::Otn::STIMULI::INSERTION_OFF
        && candidate.getEnum() != PID::Otn::STIMULI::INSERTION_ON) {
        if (reason)
            *reason = QStringLiteral("only the tester ends an insertion");
        return false;
    }
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        const bool tx = PID::Otn::TX::MAIN_TS[stage] == id;
        if (!tx && PID::Otn::RX::MAIN_TS[stage] != id)
            continue;
        const TributaryLayout layout(m_store, port, tx ? TributaryLayout::Tx : TributaryLayout::Rx, stage);
        const QString problem = mainTsProblem(candidate.getByteArray(), quint32(layout.tsCount()));
        if (reason)
            *reason = problem;
        return problem.isEmpty();
    }
    // An expected MSI has one byte per tributary slot, so its length is the one the structure gave it.
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        if (PID::Otn::MEASUREMENT::MSIM_REFERENCE_DATA[stage] != id)
            continue;
        const QcmaParameter *current = m_store.value(s);
        const int expected = current ? current->getByteArray().size() : 0;
        const int length = candidate.getByteArray().size();
        if (length == expected)
            return true;
        if (reason)
            *reason = QStringLiteral("%1 bytes, the stage has %2 TS").arg(length).arg(expected);
        return false;
    }
    return true;
}
