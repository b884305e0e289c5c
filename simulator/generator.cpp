#include "generator.h"

#include <cmath>

#include "apps/shared/sid.h"
#include "host/otn/otnalarmerror.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "inserteditem.h"
#include "parameterstore.h"
#include "reception.h"
#include "resultcounters.h"
#include "simulatorlogging.h"
#include "tributarylayout.h"

namespace {

namespace Stimuli = PID::Otn::STIMULI;
namespace Status = PID::Otn::STATUS;
namespace Error = nsIID::Otn::Error;

// The category of the container whose panel this generator runs; the others are the GMP, GFP, FEC and
// lane panels' own.
constexpr int alarmsAndErrors = 0;
enum Mode { Single = 0, Burst = 1, Alternate = 2, Continuous = 3, Rate = 4 };
// Rate value 0 is 1E-3, each further value a tenth of it.
constexpr int firstRateExponent = 3;
constexpr int tcms = 6;
// The most errors one frame can bring a counter: a BIP-8 or BEI counts 8, an alignment word is errored
// or not, the bits of a frame are what a bit counter can see.
constexpr double bip8Limit = 8;
constexpr double alignmentLimit = 1;
constexpr double bitLimit = Reception::oduFrameBits;

// Frames of a layer that fall into second s (from 1) of a run: the floor and the ceiling of the frame
// rate in turn, so that every second holds the frames it really holds.
quint64 framesInSecond(double framesPerSecond, int second)
{
    return quint64(std::floor(framesPerSecond * second) - std::floor(framesPerSecond * (second - 1)));
}

bool finite(int mode)
{
    return mode == Single || mode == Burst;
}

} // namespace

bool Generator::Choice::operator==(const Choice &other) const
{
    return category == other.category && item == other.item && level == other.level && mode == other.mode
           && burst == other.burst && alternateError == other.alternateError
           && alternateNormal == other.alternateNormal && rate == other.rate;
}

Generator::Generator(ParameterStore &store, ResultCounters &counters, int portCount, int applicationType)
    : m_store(store), m_counters(counters), m_applicationType(applicationType), m_runs(size_t(qMax(portCount, 0)))
{
}

Generator::~Generator() = default;

Generator::Run *Generator::runAt(int port)
{
    return (port >= 1 && port <= int(m_runs.size())) ? &m_runs[size_t(port - 1)] : nullptr;
}

const Generator::Run *Generator::runAt(int port) const
{
    return (port >= 1 && port <= int(m_runs.size())) ? &m_runs[size_t(port - 1)] : nullptr;
}

bool Generator::running(int port) const
{
    const Run *run = runAt(port);
    return run && run->running;
}

Generator::Choice Generator::choiceOf(int port) const
{
    const auto value = [this, port](int id) { return m_store.intValue(nsSID::otnSid(port, id)); };
    Choice c;
    c.category = value(Stimuli::CATEGORY);
    c.item = value(Stimuli::ITEM);
    c.level = value(Stimuli::LEVEL);
    c.mode = value(Stimuli::MODE);
    c.burst = quint64(qMax(1, value(Stimuli::BURST)));
    c.alternateError = quint64(qMax(1, value(Stimuli::ALTERNATE_ERROR)));
    c.alternateNormal = quint64(qMax(1, value(Stimuli::ALTERNATE_NORMAL)));
    c.rate = value(Stimuli::RATE);
    return c;
}

bool Generator::offered(int port, const Choice &choice) const
{
    // The other categories judge their own choices.
    if (choice.category != alarmsAndErrors)
        return true;
    const auto value = [this, port](int id) { return m_store.intValue(nsSID::otnSid(port, id)); };
    return OtnAlarmError::valid(m_applicationType, choice.level, value(PID::Otn::TX::PORT_MODE),
                                TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx),
                                value(PID::Otn::TX::OTLC_SLICE_NUMBER), value(PID::Otn::TX::BULK_PATTERN),
                                choice.item);
}

double Generator::framesPerSecond(int port, int level) const
{
    const OtnMapping tx = TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx);
    return Reception::oduBitRate(m_store, port, tx, level) / Reception::oduFrameBits;
}

void Generator::follow(int port)
{
    Run *run = runAt(port);
    if (!run)
        return;
    const int state = m_store.intValue(nsSID::otnSid(port, Stimuli::INSERTION));
    if (state != Stimuli::INSERTION_ON) {
        if (run->running)
            finish(port, *run, state);
        return;
    }
    const Choice choice = choiceOf(port);
    // A structure that no longer offers what runs stops it, whatever the choice is now.
    const Choice &refused = run->running && !offered(port, run->choice) ? run->choice : choice;
    if (!offered(port, refused)) {
        qCInfo(lcSimLink).noquote() << QStringLiteral("insertion of port %1 stopped: %2 is not offered on level %3")
                                           .arg(port)
                                           .arg(OtnAlarmError::itemName(refused.item))
                                           .arg(refused.level);
        finish(port, *run, Stimuli::INSERTION_STOPPED);
        return;
    }
    if (!run->running || run->choice != choice)
        start(port, *run, choice);
    else
        insertPerFrame(port, *run);   // the structure may have moved the counters that see the errors
}

void Generator::start(int port, Run &run, const Choice &choice)
{
    clearPerFrame(port, run);
    run = Run();
    run.running = true;
    run.choice = choice;
    // Every mode begins with an inserted frame.
    run.alarmOn = choice.category == alarmsAndErrors && OtnAlarmError::isAlarm(choice.item);
    insertPerFrame(port, run);
}

void Generator::finish(int port, Run &run, int state)
{
    clearPerFrame(port, run);
    run = Run();
    if (state == Stimuli::INSERTION_DONE || state == Stimuli::INSERTION_STOPPED)
        m_store.setValue(nsSID::otnSid(port, Stimuli::INSERTION), state);
}

QVector<Generator::Target> Generator::targets(int port, const Choice &choice) const
{
    QVector<Target> result;
    if (choice.category != alarmsAndErrors || !OtnAlarmError::isError(choice.item))
        return result;
    const InsertedItem item(choice.item);
    const int level = qBound(0, choice.level, OtnMapping::maxLevels - 1);
    // The receiver decides which counters it runs for its structure, and in which frames each counts.
    const Reception reception(m_store, port);
    QVector<QPair<int, double>> ids;
    switch (item.what()) {
    case InsertedItem::Fas:
        ids << qMakePair(level == 0 ? Status::FAS_ERROR : Error::ODU_FAS[level], alignmentLimit);
        break;
    case InsertedItem::Mfas:
        // A lower-order ODU's frame alignment counter counts its FAS and MFAS alike.
        ids << qMakePair(level == 0 ? Status::MFAS_ERROR : Error::ODU_FAS[level], alignmentLimit);
        break;
    case InsertedItem::SmBip8:
        ids << qMakePair(Status::SM_BIP8, bip8Limit);
        break;
    case InsertedItem::SmBei:
        ids << qMakePair(Status::SM_BEI, bip8Limit);
        break;
    case InsertedItem::PmBip8:
        ids << qMakePair(Error::PM_BIP8[level], bip8Limit);
        break;
    case InsertedItem::PmBei:
        ids << qMakePair(Error::PM_BEI[level], bip8Limit);
        break;
    case InsertedItem::TcmBip8:
        ids << qMakePair(Error::TCMi_BIP8[item.tcm()], bip8Limit);
        break;
    case InsertedItem::TcmBei:
        ids << qMakePair(Error::TCMi_BEI[item.tcm()], bip8Limit);
        break;
    case InsertedItem::PatternBit:
        ids << qMakePair(nsIID::Otn::Client::BIT_ERROR, bitLimit);
        break;
    case InsertedItem::LineBit: {
        // An errored bit of the line lands in the payload: the FEC decoder sees it (and takes it away
        // when it corrects), otherwise every BIP-8 over it and the test pattern do.
        if (reception.countsFecErrors())
            ids << qMakePair(Status::FEC_CORRECTED, bitLimit);
        if (!reception.correctsFecErrors()) {
            ids << qMakePair(Status::SM_BIP8, bip8Limit) << qMakePair(nsIID::Otn::Client::BIT_ERROR, bitLimit);
            for (int k = 0; k < OtnMapping::maxLevels; ++k)
                ids << qMakePair(Error::PM_BIP8[k], bip8Limit);
            for (int tcm = 0; tcm < tcms; ++tcm)
                ids << qMakePair(Error::TCMi_BIP8[tcm], bip8Limit);
        }
        break;
    }
    default:
        // The client's B1 and block errors go out with the client; this receiver has no counter for them.
        break;
    }
    for (const auto &id : qAsConst(ids)) {
        const auto counter = reception.counters().constFind(id.first);
        if (counter != reception.counters().cend())
            result.append(Target{id.first, counter->level, id.second});
    }
    return result;
}

void Generator::insertPerFrame(int port, Run &run)
{
    clearPerFrame(port, run);
    const Choice &c = run.choice;
    if (c.mode != Continuous && c.mode != Rate)
        return;
    const double itemFrames = framesPerSecond(port, c.level);
    for (const Target &target : targets(port, c)) {
        double perFrame = 0;
        if (c.mode == Rate) {
            // The ratio over the bits of the counter's block (one frame of its layer), which the result
            // page divides by as well.
            perFrame = std::pow(10.0, -(firstRateExponent + c.rate)) * Reception::oduFrameBits;
        } else {
            // Every frame of the item's layer errored: a counter in another layer's frames sees as many
            // of them as fall into one of its own.
            const double targetFrames = framesPerSecond(port, target.level);
            perFrame = targetFrames > 0 ? itemFrames / targetFrames : 0.0;
        }
        m_counters.insert(port, target.counterId, qMin(perFrame, target.perFrameLimit));
        run.perFrameIds.append(target.counterId);
    }
}

void Generator::clearPerFrame(int port, Run &run)
{
    for (int id : qAsConst(run.perFrameIds))
        m_counters.insert(port, id, 0);
    run.perFrameIds.clear();
}

void Generator::beginSecond(int port)
{
    Run *run = runAt(port);
    if (!run || !run->running || run->choice.category != alarmsAndErrors)
        return;
    const Choice &c = run->choice;
    const double itemFrames = framesPerSecond(port, c.level);
    const quint64 from = run->sentFrames;
    const quint64 frames = framesInSecond(itemFrames, ++run->seconds);
    run->sentFrames += frames;
    // Inserted frames among those sent before a frame number.
    const auto insertedBefore = [&c](quint64 frame) {
        switch (c.mode) {
        case Single:
            return qMin<quint64>(frame, 1);
        case Burst:
            return qMin(frame, c.burst);
        case Alternate: {
            const quint64 period = c.alternateError + c.alternateNormal;
            return frame / period * c.alternateError + qMin(frame % period, c.alternateError);
        }
        default:
            return frame;
        }
    };
    const quint64 inserted = insertedBefore(from + frames) - insertedBefore(from);

    if (OtnAlarmError::isAlarm(c.item)) {
        // An alarm has no rate: inserted at a rate it is inserted without end, as continuously.
        run->alarmOn = c.mode == Continuous || c.mode == Rate || inserted > 0;
        return;
    }
    if (c.mode == Continuous || c.mode == Rate || inserted == 0)
        return;
    // One error in each inserted frame; a counter in larger frames of another layer cannot take more
    // than its limit in each of the frames they fall into.
    for (const Target &target : targets(port, c)) {
        const double share = itemFrames > 0 ? framesPerSecond(port, target.level) / itemFrames : 0.0;
        const double most = target.perFrameLimit * std::ceil(double(inserted) * share);
        m_counters.insertOnce(port, target.counterId, qMin(inserted, quint64(most)));
    }
}

void Generator::endSecond(int port)
{
    Run *run = runAt(port);
    if (!run || !run->running || run->choice.category != alarmsAndErrors || !finite(run->choice.mode))
        return;
    const quint64 length = run->choice.mode == Single ? 1 : run->choice.burst;
    if (run->sentFrames >= length)
        finish(port, *run, Stimuli::INSERTION_DONE);
}

TransmittedSignal::Insertion Generator::sending(int port) const
{
    TransmittedSignal::Insertion insertion;
    const Run *run = runAt(port);
    if (!run || !run->running || !run->alarmOn)
        return insertion;
    const Choice &c = run->choice;
    insertion.item = c.item;
    insertion.level = c.level;
    // The frames in a row the alarm lasts, which decide whether a corrupted alignment is lost.
    if (c.mode == Single)
        insertion.frames = 1;
    else if (c.mode == Burst)
        insertion.frames = c.burst;
    else if (c.mode == Alternate)
        insertion.frames = c.alternateError;
    return insertion;
}
