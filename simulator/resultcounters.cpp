#include "resultcounters.h"

#include <algorithm>
#include <cmath>

#include <QSet>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/parameters/qcmaparameter.h"
#include "parameterstore.h"
#include "gmpjustification.h"
#include "performancepath.h"
#include "reception.h"
#include "tributarylayout.h"

namespace {

using Catalogue = OtnSignalCatalogue;

constexpr int stateCurrent = 1;
constexpr int stateHistory = 2;
constexpr double oduFrameBits = Reception::oduFrameBits;
constexpr double gfpFrameBytes = Reception::gfpFrameBytes;
constexpr double gfpTSuperblockBits = 8 * 65;
// Justifications by direction.
constexpr int positiveMoves = 0, negativeMoves = 1;

namespace Client = nsIID::Otn::Client;
namespace Gfp = nsIID::Otn::Gfp;
namespace Status = PID::Otn::STATUS;

constexpr int lineName = nsIID::Otn::Mapping::LINE_NAME;
constexpr int linePerformanceName = nsIID::Otn::Mapping::LINE_PER_NAME;
constexpr int patternLoss = Client::PATTERN_LOSS;
constexpr int bitError = Client::BIT_ERROR;
constexpr int patternSyncSeconds = Client::PATTERN_SYNC_SECONDS;
constexpr int bitErrorCount = Client::BIT_ERROR_COUNT;

// The line's defects and errors, the near and far end of its section monitoring.
const QList<int> lineDefects{Status::LOS, Status::LOF, Status::LOM, Status::OTU_AIS, Status::SM_TIM};
const QList<int> lineErrors{Status::SM_BIP8};
const QList<int> lineFarDefects{Status::SM_BDI};
const QList<int> lineFarErrors{Status::SM_BEI};
// GFP counters of the transmitter and receiver that count frames and octets.
constexpr int txClientFrames = Client::TX_FRAMES, txClientOctets = Client::TX_OCTETS, txGfpFrames = Gfp::TX_FRAMES;
constexpr int rxClientFrames = Client::RX_FRAMES, rxClientOctets = Client::RX_OCTETS, rxGfpFrames = Gfp::RX_FRAMES,
              rxGfpClientFrames = Gfp::RX_CLIENT_FRAMES;
constexpr int gfpClientFrames = Gfp::CLIENT_FRAMES;
constexpr int superblocks = Gfp::T_SUPERBLOCKS, erroredSuperblocks = Gfp::T_ERRORED_SUPERBLOCKS, codes = Gfp::T_CODES,
              erroredCodes = Gfp::T_ERRORED_CODES;
constexpr int txClientErroredFrames = Client::TX_ERRORED_FRAMES, rxClientErroredFrames = Client::RX_ERRORED_FRAMES;
// The skew the receiver measures between the lanes: what the skew stimulus inserts on its kind of lane.
constexpr int logicalLaneSkew = nsIID::Otn::Lane::SKEW_LOGICAL, physicalLaneSkew = nsIID::Otn::Lane::SKEW_PHYSICAL;
constexpr int skewBits = PID::Otn::STIMULI::SKEW_BITS, skewLaneType = PID::Otn::STIMULI::SKEW_LANE_TYPE;

bool isStatus(const ParameterDefinition &d)
{
    if (d.group != nsSID::otn || d.kind != QcmaParameter::TypeEnum || d.enumerators.size() != 3)
        return false;
    return d.enumerators.at(0).names[0] == QLatin1String("Clear")
           && d.enumerators.at(1).names[0] == QLatin1String("Current")
           && d.enumerators.at(2).names[0] == QLatin1String("History");
}

// Nominal rate of ODU level k of the structure in bit/s (an ODUflex by its TS count).
double oduRate(const ParameterStore &store, int port, const OtnMapping &mapping, int level)
{
    return Reception::oduBitRate(store, port, mapping, level);
}

// Frames of a layer that fall into second s (from 1) of a measurement: the floor and the ceiling of the
// frame rate in turn, so that every second holds the frames it really holds.
quint64 framesInSecond(double framesPerSecond, int second)
{
    return quint64(std::floor(framesPerSecond * second) - std::floor(framesPerSecond * (second - 1)));
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
    double clientBitsPerSecond = 0;   // the OPU payload of the last level
    double framesPerSecond[OtnMapping::maxLevels] = {};
    // The level whose frames each error counter counts in; the share of an error each carries into the
    // next second; the errors the error insertion adds per frame, and once in the next second.
    QHash<int, int> counterLevels;
    QHash<int, double> owed;
    QHash<int, double> inserted;
    QHash<int, quint64> insertedOnce;
    QHash<int, quint64> lastErrors;
    // Justifications sent on each level beyond the offset's (positive, negative): to be sent in the next
    // second, in the last second, since the start.
    quint64 pendingMoves[2][OtnMapping::maxLevels] = {};
    quint64 lastMoves[2][OtnMapping::maxLevels] = {};
    quint64 totalMoves[2][OtnMapping::maxLevels] = {};
    // Alarms seen current since the last second was measured.
    QSet<int> seen;
};

ResultCounters::ResultCounters(const ParameterCatalogue &catalogue, int portCount)
    : m_catalogue(catalogue), m_ports(size_t(qMax(portCount, 0)))
{
    for (const ParameterDefinition *d : catalogue.all()) {
        if (!isStatus(*d))
            continue;
        // The tester numbers its alarms below 1000 and its errors from 1000 on.
        (d->id < 1000 ? m_alarmIds : m_errorIds).append(d->id);
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
    // What the error insertion adds does not depend on the measurement.
    const Port previous = counters;
    counters = Port();
    counters.started = true;
    counters.mapping = mapping;
    counters.inserted = previous.inserted;
    counters.insertedOnce = previous.insertedOnce;
    std::copy(&previous.pendingMoves[0][0], &previous.pendingMoves[0][0] + 2 * OtnMapping::maxLevels,
              &counters.pendingMoves[0][0]);
    counters.bitsPerSecond = store.value(nsSID::otnSid(port, PID::Otn::RX::LINE_RATE))
                                 ? store.value(nsSID::otnSid(port, PID::Otn::RX::LINE_RATE))->getDouble() * 1000.0
                                 : 0.0;
    for (int level = 0; level < OtnMapping::maxLevels; ++level)
        counters.framesPerSecond[level] = oduRate(store, port, mapping, level) / oduFrameBits;
    counters.clientBitsPerSecond = oduRate(store, port, mapping, mapping.getOduCount() - 1) * 3808.0 / 3824.0;

    PerformancePath::Definition line;
    line.counters = OtnPerformanceCounters::line();
    line.nearDefects = lineDefects;
    line.nearErrors = lineErrors;
    line.farDefects = lineFarDefects;
    line.farErrors = lineFarErrors;
    line.blocksPerSecond = counters.framesPerSecond[0];
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
        path.blocksPerSecond = counters.framesPerSecond[level];
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
        path.blocksPerSecond = counters.framesPerSecond[0];
        counters.paths.append(PerformancePath(path));
    }
}

void ResultCounters::follow(ParameterStore &store, int port)
{
    Port *counters = portAt(port);
    if (!counters)
        return;
    const OtnMapping mapping = TributaryLayout::mappingOf(store, port, TributaryLayout::Rx);
    if (counters->started && counters->mapping != mapping) {
        for (const QList<int> *ids : {&m_alarmIds, &m_errorIds}) {
            for (int id : *ids) {
                const int sid = nsSID::otnSid(port, id);
                if (store.intValue(sid) == stateHistory)
                    store.setValue(sid, 0);
            }
        }
    }
    if (!counters->started || counters->mapping != mapping)
        restart(*counters, store, port, mapping);
    latch(*counters, store, port);
}

void ResultCounters::reset(ParameterStore &store, int port)
{
    Port *counters = portAt(port);
    if (!counters)
        return;
    for (const QList<int> *ids : {&m_alarmIds, &m_errorIds}) {
        for (int id : *ids) {
            const int sid = nsSID::otnSid(port, id);
            if (store.intValue(sid) == stateHistory)
                store.setValue(sid, 0);
        }
    }
    restart(*counters, store, port, TributaryLayout::mappingOf(store, port, TributaryLayout::Rx));
    // What is current now is the first thing the new measurement has seen.
    latch(*counters, store, port);
}

void ResultCounters::latch(Port &counters, const ParameterStore &store, int port) const
{
    for (int id : qAsConst(m_alarmIds)) {
        if (store.intValue(nsSID::otnSid(port, id)) == stateCurrent)
            counters.seen.insert(id);
    }
}

QHash<int, quint64> ResultCounters::lastErrors(int port) const
{
    const Port *counters = portAt(port);
    return counters ? counters->lastErrors : QHash<int, quint64>();
}

void ResultCounters::insert(int port, int counterId, double errorsPerFrame)
{
    Port *counters = portAt(port);
    if (!counters)
        return;
    if (errorsPerFrame > 0)
        counters->inserted.insert(counterId, errorsPerFrame);
    else
        counters->inserted.remove(counterId);
}

void ResultCounters::insertOnce(int port, int counterId, quint64 errors)
{
    if (Port *counters = portAt(port))
        counters->insertedOnce[counterId] += errors;
}

void ResultCounters::insertMoves(int port, int level, bool positive, quint64 moves)
{
    Port *counters = portAt(port);
    if (counters && level >= 0 && level < OtnMapping::maxLevels)
        counters->pendingMoves[positive ? positiveMoves : negativeMoves][level] += moves;
}

void ResultCounters::measure(const ParameterStore &store, int port, const TransmittedSignal::Insertion &insertion)
{
    Port *counters = portAt(port);
    if (!counters)
        return;
    const Reception reception(store, port, insertion);
    const OtnMapping &mapping = reception.received();
    if (!counters->started || counters->mapping != mapping)
        restart(*counters, store, port, mapping);

    const int second = ++counters->seconds;
    counters->last.clear();
    counters->lastErrors.clear();
    const auto add = [counters](int id, quint64 n) {
        counters->last[id] += n;
        counters->total[id] += n;
    };
    latch(*counters, store, port);
    for (int id : qAsConst(m_alarmIds))
        add(id, counters->seen.contains(id) ? 1 : 0);
    counters->seen.clear();
    for (int id : qAsConst(m_errorIds))
        add(id, 0);

    // Each counter counts the errors the frames of its layer bring in this second; a share of an error
    // is carried into the next second.
    QHash<int, PerformancePath::Blocks> blocks;
    for (auto it = reception.counters().cbegin(); it != reception.counters().cend(); ++it) {
        const Reception::Counter &counter = it.value();
        const quint64 frames = framesInSecond(counters->framesPerSecond[counter.level], second);
        const double perFrame = counter.counting ? counter.perFrame + counters->inserted.value(it.key()) : 0.0;
        const quint64 once = counter.counting ? counters->insertedOnce.value(it.key()) : 0;
        double &owed = counters->owed[it.key()];
        const double due = owed + perFrame * double(frames);
        const quint64 errors = quint64(std::floor(due)) + once;
        owed = due - std::floor(due);
        add(it.key(), errors);
        counters->lastErrors.insert(it.key(), errors);
        counters->counterLevels.insert(it.key(), counter.level);
        // A block is one frame: several errors a frame err one block; fewer than one a frame, each its own.
        blocks.insert(it.key(), {perFrame >= 1.0 ? frames : qMin(errors, frames), frames});
    }
    // What the insertion added once is sent in this second, counted or not; so are the moves, which the
    // receiver counts where it reads the level's justification.
    counters->insertedOnce.clear();
    for (int direction : {positiveMoves, negativeMoves}) {
        for (int level = 0; level < OtnMapping::maxLevels; ++level) {
            quint64 &pending = counters->pendingMoves[direction][level];
            counters->lastMoves[direction][level] = reception.passesOn(level) ? pending : 0;
            counters->totalMoves[direction][level] += counters->lastMoves[direction][level];
            pending = 0;
        }
    }
    // A test pattern is in sync every second it reaches the receiver and is not lost in; its bit errors
    // are the client's.
    const bool pattern = Catalogue::client(mapping[OtnMapping::FieldClient])
                         && Catalogue::client(mapping[OtnMapping::FieldClient])->pattern;
    const bool received = reception.passesOn(mapping.getOduCount() - 1);
    add(patternSyncSeconds, pattern && received && counters->last.value(patternLoss) == 0
                                    && counters->last.value(PID::Otn::STATUS::LOF) == 0
                                ? 1
                                : 0);
    add(bitErrorCount, counters->last.value(bitError));
    for (PerformancePath &path : counters->paths)
        path.second(store, port, blocks);
}

double ResultCounters::bitsPerSecond(const Port &counters, int id) const
{
    // A counter of a layer errs the bits of that layer's frames; the others the line's bits.
    const auto level = counters.counterLevels.constFind(id);
    return level != counters.counterLevels.cend() ? counters.framesPerSecond[*level] * oduFrameBits
                                                  : counters.bitsPerSecond;
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

    // The tester leaves undefined what the structure does not have: no value to show.
    const auto defined = [&store, port](int id) {
        const QcmaParameter *status = store.value(nsSID::otnSid(port, id));
        return status && status->isDefined();
    };
    for (int id : qAsConst(m_alarmIds)) {
        if (defined(id))
            values.insert(id, count(counts.value(id)));
    }
    for (int id : qAsConst(m_errorIds)) {
        if (!defined(id))
            continue;
        const double bits = bitsPerSecond(*counters, id) * seconds;
        values.insert(id, count(counts.value(id), bits > 0 ? double(counts.value(id)) / bits : 0.0));
    }
    // Only a test pattern has a pattern to be in sync with and its bit errors.
    const OtnSignalCatalogue::Client *client = Catalogue::client(counters->mapping[OtnMapping::FieldClient]);
    if (client && client->pattern) {
        values.insert(patternSyncSeconds, count(counts.value(patternSyncSeconds)));
        values.insert(bitErrorCount, count(counts.value(bitErrorCount)));
    }

    const bool tcmResults = store.intValue(nsSID::otnSid(port, PID::Otn::RX::TCM)) != 0;
    for (int p = 0; p < counters->paths.size(); ++p) {
        // The paths: the line, the ODU levels, then the tandem connections, which count only while their
        // results are switched on.
        if (p > counters->mapping.getOduCount() && !tcmResults)
            continue;
        counters->paths.at(p).addValues(values, m_catalogue, current);
    }
    if (OtnMapping::numOfLldLane(counters->mapping[OtnMapping::FieldInterface]) > 0) {
        const quint64 skew = quint64(store.intValue(nsSID::otnSid(port, skewBits)));
        const bool physical = store.intValue(nsSID::otnSid(port, skewLaneType)) != 0;
        values.insert(logicalLaneSkew, count(physical ? 0 : skew));
        values.insert(physicalLaneSkew, count(physical ? skew : 0));
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
    values.insert(lineName, text(line));
    values.insert(linePerformanceName, text(line));
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
    const auto &moves = current ? counters.lastMoves : counters.totalMoves;
    for (int level = 0; level < m.getOduCount() && level < OtnMapping::maxLevels; ++level) {
        const quint64 positive = moves[positiveMoves][level], negative = moves[negativeMoves][level];
        const QcmaParameter *offset = store.value(nsSID::otnSid(port, PID::Otn::STIMULI::PAYLOAD_OFFSET[level]));
        const double payloadPpm = offset ? offset->getDouble() : 0.0;
        const QString offsetText = QStringLiteral("%1 ppm").arg(payloadPpm - lineOffsetPpm, 0, 'f', 1);
        if (m.isAmp(level)) {
            // One justification byte per frame in which the payload runs ahead or behind its server.
            const double frames = oduRate(store, port, m, level) / oduFrameBits * seconds;
            const double share = qMin(1.0, std::abs(payloadPpm - lineOffsetPpm) * 1e-6 * 3808 * 4);
            const quint64 justifications = quint64(frames * share);
            values.insert(Offset_AMP[level], text(offsetText));
            values.insert(PJC[level], count((payloadPpm < lineOffsetPpm ? justifications : 0) + positive));
            values.insert(NJC[level], count((payloadPpm > lineOffsetPpm ? justifications : 0) + negative));
            for (const int *id : {PJC2, PJC3, NJC2})
                values.insert(id[level], count(0));
        }
        if (m.isGmp(level)) {
            // The Cm the mapper sent in the multiframes of the interval, and its steps.
            const GmpJustification gmp = GmpJustification::ofLevel(store, port, level);
            const qint64 end = gmp.multiframesBy(counters.seconds);
            const qint64 first = current ? gmp.multiframesBy(counters.seconds - 1) : 0;
            const GmpJustification::Steps steps = gmp.steps(first, end);
            const bool valid = gmp.isValid() && end > first;
            values.insert(Offset_GMP[level], text(offsetText));
            values.insert(CmtMin[level], count(valid ? quint64(steps.lowest) : 0));
            values.insert(CmtMax[level], count(valid ? quint64(steps.highest) : 0));
            // A positive move is a step of Cm up, as a positive pointer move increments the pointer.
            values.insert(Inc1[level], count((valid ? steps.increments : 0) + positive));
            values.insert(Dec1[level], count((valid ? steps.decrements : 0) + negative));
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
    for (int id : {txClientFrames, txGfpFrames, rxClientFrames, rxGfpFrames, rxGfpClientFrames, gfpClientFrames})
        values.insert(id, count(frames));
    for (int id : {txClientOctets, rxClientOctets})
        values.insert(id, count(octets));
    // The client frames the receiver found errored; the transmitter sends its frames whole.
    values.insert(txClientErroredFrames, count(0));
    const QHash<int, quint64> &counts = current ? counters.last : counters.total;
    values.insert(rxClientErroredFrames, count(counts.value(Gfp::CLIENT_ERRORED_FRAMES)));
    if (m.isGfpT()) {
        values.insert(superblocks, count(quint64(payloadBits / gfpTSuperblockBits)));
        values.insert(codes, count(quint64(payloadBits / gfpTSuperblockBits) * 64));
        for (int id : {erroredSuperblocks, erroredCodes})
            values.insert(id, count(0));
    }
}
