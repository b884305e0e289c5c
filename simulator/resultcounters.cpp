#include "resultcounters.h"

#include <cmath>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/cmcalculator.h"
#include "host/otn/otniid.h"
#include "host/otn/otnperformancecounters.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/parameters/qcmaparameter.h"
#include "parameterstore.h"
#include "performancepath.h"
#include "tributarylayout.h"

namespace {

using Catalogue = OtnSignalCatalogue;

constexpr int stateCurrent = 1;
// Bits of an OTU frame (4 x 4080 bytes) and of an ODU frame (4 x 3824 bytes).
constexpr double otuFrameBits = 4 * 4080 * 8;
constexpr double oduFrameBits = 4 * 3824 * 8;
// A GFP client at full load: 1518-byte frames with their GFP and idle overhead.
constexpr double gfpFrameBytes = 1526;
constexpr double gfpTSuperblockBits = 8 * 65;

// The tester numbers its alarms below this and its errors from it on.
constexpr int firstErrorId = 1000;

namespace Line = PID::Otn::STATUS;
namespace Client = nsIID::Otn::Client;
namespace Gfp = nsIID::Otn::Gfp;

// The line's defects and errors, the near and far end of its section monitoring.
const QList<int> lineDefects{Line::LOS, Line::LOF, Line::LOM, Line::OTU_AIS, Line::SM_TIM};
const QList<int> lineErrors{Line::SM_BIP8};
const QList<int> lineFarDefects{Line::SM_BDI};
const QList<int> lineFarErrors{Line::SM_BEI};

bool isStatus(const ParameterDefinition &d)
{
    if (d.group != nsSID::otn || d.kind != QcmaParameter::TypeEnum || d.enumerators.size() != 3)
        return false;
    return d.enumerators.at(0).names[0] == QLatin1String("Clear")
           && d.enumerators.at(1).names[0] == QLatin1String("Current")
           && d.enumerators.at(2).names[0] == QLatin1String("History");
}

Catalogue::OduType oduTypeNamed(const QString &name)
{
    for (int t = Catalogue::OduNone; t <= Catalogue::OduC1; ++t) {
        if (Catalogue::oduName(Catalogue::OduType(t)) == name)
            return Catalogue::OduType(t);
    }
    return Catalogue::OduNone;
}

// Nominal rate of ODU level k of the structure in bit/s (an ODUflex by its TS count).
double oduRate(const ParameterStore &store, int port, const OtnMapping &mapping, int level)
{
    const Catalogue::OduType type = oduTypeNamed(mapping.getOduName(level));
    if (type == Catalogue::OduFlex) {
        const int stage = level - 1;
        const QcmaParameter *ts = stage >= 0 && PID::Otn::RX::NUMBER_OF_TS[stage]
                                      ? store.value(nsSID::otnSid(port, PID::Otn::RX::NUMBER_OF_TS[stage]))
                                      : nullptr;
        return CmCalculator::oduFlexRate(ts ? int(ts->getUInt()) : 1) * 1000.0;
    }
    return Catalogue::odu(type).rateKbps * 1000.0;
}

IntervalDataCounters::Value count(quint64 n, double rate = -1.0)
{
    IntervalDataCounters::Value v;
    v.count = n;
    v.rate = rate;
    return v;
}

IntervalDataCounters::Value text(const QString &t, quint64 n = 0)
{
    IntervalDataCounters::Value v;
    v.count = n;
    v.text = t;
    return v;
}

} // namespace

struct ResultCounters::Port {
    bool started = false;
    OtnMapping mapping;
    int seconds = 0;
    QHash<int, quint64> last;
    QHash<int, quint64> total;
    QVector<PerformancePath> paths;
    double bitsPerSecond = 0;
    double framesPerSecond = 0;
    double clientBitsPerSecond = 0;   // the OPU payload of the last level
};

ResultCounters::ResultCounters(const ParameterCatalogue &catalogue, int portCount)
    : m_catalogue(catalogue), m_ports(size_t(qMax(portCount, 0)))
{
    for (const ParameterDefinition *d : catalogue.all()) {
        if (!isStatus(*d))
            continue;
        // The tester numbers its alarms below 1000 and its errors from 1000 on.
        (d->id < firstErrorId ? m_alarmIds : m_errorIds).append(d->id);
    }
}

ResultCounters::~ResultCounters() = default;

ResultCounters::Port *ResultCounters::portAt(int port)
{
    return (port >= 1 && port <= int(m_ports.size())) ? &m_ports[size_t(port - 1)] : nullptr;
}

const ResultCounters::Port *ResultCounters::portAt(int port) const
{
    return (port >= 1 && port <= int(m_ports.size())) ? &m_ports[size_t(port - 1)] : nullptr;
}

int ResultCounters::seconds(int port) const
{
    const Port *counters = portAt(port);
    return counters ? counters->seconds : 0;
}

void ResultCounters::restart(Port &counters, const ParameterStore &store, int port, const OtnMapping &mapping) const
{
    using namespace nsIID::Otn;
    counters = Port();
    counters.started = true;
    counters.mapping = mapping;
    counters.bitsPerSecond = store.value(nsSID::otnSid(port, PID::Otn::RX::LINE_RATE))
                                 ? store.value(nsSID::otnSid(port, PID::Otn::RX::LINE_RATE))->getDouble() * 1000.0
                                 : 0.0;
    counters.framesPerSecond = counters.bitsPerSecond / otuFrameBits;
    counters.clientBitsPerSecond = oduRate(store, port, mapping, mapping.getOduCount() - 1) * 3808.0 / 3824.0;

    PerformancePath::Definition line;
    line.counters = OtnPerformanceCounters::line();
    line.nearDefects = lineDefects;
    line.nearErrors = lineErrors;
    line.farDefects = lineFarDefects;
    line.farErrors = lineFarErrors;
    line.blocksPerSecond = counters.framesPerSecond;
    counters.paths.append(PerformancePath(line));

    // A defect of a server layer is a defect of every path it carries.
    QList<int> serverDefects = lineDefects;
    for (int level = 0; level < mapping.getOduCount(); ++level) {
        const int k = level;
        serverDefects << Alarm::ODU_LOF_LOM[k] << Alarm::ODU_AIS[k] << Alarm::ODU_LCK[k] << Alarm::ODU_OCI[k];
        PerformancePath::Definition path;
        path.counters = OtnPerformanceCounters::odu(k);
        path.nearDefects = serverDefects;
        path.nearDefects << Alarm::PM_TIM[k];
        path.nearErrors = {Error::PM_BIP8[k]};
        path.farDefects = {Alarm::PM_BDI[k]};
        path.farErrors = {Error::PM_BEI[k]};
        path.blocksPerSecond = oduRate(store, port, mapping, level) / oduFrameBits;
        counters.paths.append(PerformancePath(path));
    }
    // The tandem connections of the line's ODU.
    for (int j = 0; j < 6; ++j) {
        PerformancePath::Definition path;
        path.counters = OtnPerformanceCounters::tcm(j);
        path.nearDefects = lineDefects;
        path.nearDefects << Alarm::ODU_AIS[0] << Alarm::ODU_LCK[0] << Alarm::ODU_OCI[0] << Alarm::TCMi_LTC[j]
                         << Alarm::TCMi_TIM[j];
        path.nearErrors = {Error::TCMi_BIP8[j]};
        path.farDefects = {Alarm::TCMi_BDI[j]};
        path.farErrors = {Error::TCMi_BEI[j]};
        path.blocksPerSecond = oduRate(store, port, mapping, 0) / oduFrameBits;
        counters.paths.append(PerformancePath(path));
    }
}

void ResultCounters::measure(const ParameterStore &store, int port)
{
    Port *counters = portAt(port);
    if (!counters)
        return;
    const OtnMapping mapping = TributaryLayout::mappingOf(store, port, TributaryLayout::Rx);
    if (!counters->started || counters->mapping != mapping)
        restart(*counters, store, port, mapping);

    ++counters->seconds;
    counters->last.clear();
    const auto add = [counters](int id, quint64 n) {
        counters->last[id] += n;
        counters->total[id] += n;
    };
    for (int id : qAsConst(m_alarmIds))
        add(id, store.intValue(nsSID::otnSid(port, id)) == stateCurrent ? 1 : 0);
    const quint64 frames = quint64(counters->framesPerSecond);
    for (int id : qAsConst(m_errorIds))
        add(id, store.intValue(nsSID::otnSid(port, id)) == stateCurrent ? frames : 0);
    // A test pattern is in sync every second it is not lost; its bit errors are the client's.
    const bool pattern = Catalogue::client(mapping[OtnMapping::FieldClient])
                         && Catalogue::client(mapping[OtnMapping::FieldClient])->pattern;
    add(Client::PATTERN_SYNC_SECONDS,
        pattern && store.intValue(nsSID::otnSid(port, Client::PATTERN_LOSS)) != stateCurrent
                && store.intValue(nsSID::otnSid(port, PID::Otn::STATUS::LOF)) != stateCurrent
            ? 1
            : 0);
    add(Client::BIT_ERROR_COUNT, counters->last.value(Client::BIT_ERROR));
    for (PerformancePath &path : counters->paths)
        path.second(store, port);
}

ResultCounters::Values ResultCounters::values(const ParameterStore &store, int port, quint32 selector) const
{
    Values values;
    const Port *counters = portAt(port);
    if (!counters || !counters->started)
        return values;
    const bool current = selector == currentIntervalSelector;
    const QHash<int, quint64> &counts = current ? counters->last : counters->total;
    const double seconds = current ? 1.0 : double(qMax(counters->seconds, 1));
    const double bits = counters->bitsPerSecond * seconds;

    for (int id : qAsConst(m_alarmIds))
        values.insert(id, count(counts.value(id)));
    for (int id : qAsConst(m_errorIds))
        values.insert(id, count(counts.value(id), bits > 0 ? double(counts.value(id)) / bits : 0.0));
    for (int id : {Client::PATTERN_SYNC_SECONDS, Client::BIT_ERROR_COUNT})
        values.insert(id, count(counts.value(id)));

    const bool tcmResults = store.intValue(nsSID::otnSid(port, PID::Otn::RX::TCM)) != 0;
    for (int p = 0; p < counters->paths.size(); ++p) {
        // The paths: the line, the ODU levels, then the tandem connections, which count only while their
        // results are switched on.
        if (p > counters->mapping.getOduCount() && !tcmResults)
            continue;
        counters->paths.at(p).addValues(values, m_catalogue, current);
    }
    if (OtnMapping::numOfLldLane(counters->mapping[OtnMapping::FieldInterface]) > 0) {
        // The skew the receiver measures between the lanes: what the skew stimulus inserts on its kind of lane.
        const quint64 skew = quint64(store.intValue(nsSID::otnSid(port, PID::Otn::STIMULI::SKEW_BITS)));
        const bool physical = store.intValue(nsSID::otnSid(port, PID::Otn::STIMULI::SKEW_LANE_TYPE)) != 0;
        values.insert(nsIID::Otn::Lane::SKEW_LOGICAL, count(physical ? 0 : skew));
        values.insert(nsIID::Otn::Lane::SKEW_PHYSICAL, count(physical ? skew : 0));
    }
    addNames(values, *counters);
    addJustification(values, store, port, *counters, current);
    addClient(values, *counters, current);
    return values;
}

void ResultCounters::addNames(Values &values, const Port &counters) const
{
    using namespace nsIID::Otn::Mapping;
    const OtnMapping &m = counters.mapping;
    const ParameterDefinition *interface = m_catalogue.find(nsSID::otn, PID::Otn::RX::MAPPING[0]);
    const QString line = interface ? interface->valueName(m[OtnMapping::FieldInterface], 0) : QString();
    values.insert(LINE_NAME, text(line));
    values.insert(LINE_PER_NAME, text(line));
    for (int level = 0; level < m.getOduCount() && level < OtnMapping::maxLevels; ++level) {
        const QString name = m.getOduName(level);
        values.insert(ODU_NAME[level], text(name));
        values.insert(ODU_PER_NAME[level], text(name));
        if (m.isAmp(level))
            values.insert(AMP_NAME[level], text(name));
        if (m.isGmp(level))
            values.insert(GMP_NAME[level], text(name));
    }
}

void ResultCounters::addJustification(Values &values, const ParameterStore &store, int port, const Port &counters,
                                      bool current) const
{
    using namespace nsIID::Otn::Pointer;
    const OtnMapping &m = counters.mapping;
    const double seconds = current ? 1.0 : double(qMax(counters.seconds, 1));
    const double lineOffsetPpm = store.value(nsSID::otnSid(port, PID::Otn::STIMULI::FREQUENCY_OFFSET))
                                     ? store.value(nsSID::otnSid(port, PID::Otn::STIMULI::FREQUENCY_OFFSET))->getDouble()
                                     : 0.0;
    CmCalculator cm;
    cm.setMapping(m);
    cm.setOffset(CmCalculator::lineLevel, lineOffsetPpm);
    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        const QcmaParameter *offset = store.value(nsSID::otnSid(port, PID::Otn::STIMULI::PAYLOAD_OFFSET[level]));
        cm.setOffset(level, offset ? offset->getDouble() : 0.0);
    }
    for (int level = 0; level < m.getOduCount() && level < OtnMapping::maxLevels; ++level) {
        const QcmaParameter *offset = store.value(nsSID::otnSid(port, PID::Otn::STIMULI::PAYLOAD_OFFSET[level]));
        const double payloadPpm = offset ? offset->getDouble() : 0.0;
        const QString offsetText = QStringLiteral("%1 ppm").arg(payloadPpm - lineOffsetPpm, 0, 'f', 1);
        if (m.isAmp(level)) {
            // One justification byte per frame in which the payload runs ahead or behind its server.
            const double frames = oduRate(store, port, m, level) / oduFrameBits * seconds;
            const double share = qMin(1.0, std::abs(payloadPpm - lineOffsetPpm) * 1e-6 * 3808 * 4);
            const quint64 justifications = quint64(frames * share);
            values.insert(Offset_AMP[level], text(offsetText));
            values.insert(PJC[level], count(payloadPpm < lineOffsetPpm ? justifications : 0));
            values.insert(NJC[level], count(payloadPpm > lineOffsetPpm ? justifications : 0));
            for (const int *id : {PJC2, PJC3, NJC2})
                values.insert(id[level], count(0));
        }
        if (m.isGmp(level)) {
            const CmResult result = cm.calcCm(level);
            values.insert(Offset_GMP[level], text(offsetText));
            values.insert(CmtMin[level], count(result.valid ? quint64(std::floor(result.cm)) : 0));
            values.insert(CmtMax[level], count(result.valid ? quint64(std::ceil(result.cm)) : 0));
            // A Cm with a fraction steps up and down by one in every multiframe that carries the fraction.
            const double frames = oduRate(store, port, m, level) / oduFrameBits * seconds;
            const double fraction = result.valid ? result.cm - std::floor(result.cm) : 0.0;
            const quint64 steps = quint64(frames / 256.0 * qMin(fraction, 1.0 - fraction));
            for (const int *id : {Inc1, Dec1})
                values.insert(id[level], count(steps));
            for (const int *id : {Inc0, Dec0, Inc2, Dec2, IncOver, DecOver})
                values.insert(id[level], count(0));
        }
    }
}

void ResultCounters::addClient(Values &values, const Port &counters, bool current) const
{
    const OtnMapping &m = counters.mapping;
    if (!m.isGfp() || m.getOduCount() < 1)
        return;
    // The client fills the OPU of the last level; loopback: what is sent is received.
    const double seconds = current ? 1.0 : double(qMax(counters.seconds, 1));
    const double payloadBits = counters.clientBitsPerSecond * seconds;
    const quint64 frames = quint64(payloadBits / 8.0 / gfpFrameBytes);
    const quint64 octets = frames * quint64(gfpFrameBytes - 8);
    for (int id : {Client::TX_FRAMES, Gfp::TX_FRAMES, Client::RX_FRAMES, Gfp::RX_FRAMES, Gfp::RX_CLIENT_FRAMES,
                   Gfp::CLIENT_FRAMES})
        values.insert(id, count(frames));
    for (int id : {Client::TX_OCTETS, Client::RX_OCTETS})
        values.insert(id, count(octets));
    for (int id : {Client::TX_ERRORED_FRAMES, Client::RX_ERRORED_FRAMES})
        values.insert(id, count(0));
    if (m.isGfpT()) {
        values.insert(Gfp::T_SUPERBLOCKS, count(quint64(payloadBits / gfpTSuperblockBits)));
        values.insert(Gfp::T_CODES, count(quint64(payloadBits / gfpTSuperblockBits) * 64));
        for (int id : {Gfp::T_ERRORED_SUPERBLOCKS, Gfp::T_ERRORED_CODES})
            values.insert(id, count(0));
    }
}
