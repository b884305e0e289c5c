#include "generator.h"

#include <cmath>

#include "alarmerroreffect.h"
#include "apps/shared/sid.h"
#include "feceffect.h"
#include "gfpeffect.h"
#include "gmpeffect.h"
#include "host/otn/otnpid.h"
#include "laneeffect.h"
#include "parameterstore.h"
#include "resultcounters.h"
#include "simulatorlogging.h"

namespace {

namespace Stimuli = PID::Otn::STIMULI;
using Mode = InsertionEffect::Mode;

// Frames of a layer that fall into second s (from 1) of a run: the floor and the ceiling of the frame
// rate in turn, so that every second holds the frames it really holds.
quint64 framesInSecond(double framesPerSecond, int second)
{
    return quint64(std::floor(framesPerSecond * second) - std::floor(framesPerSecond * (second - 1)));
}

bool finite(int mode)
{
    return mode == InsertionEffect::Single || mode == InsertionEffect::Burst;
}

bool perFrame(int mode)
{
    return mode == InsertionEffect::Continuous || mode == InsertionEffect::Rate;
}

} // namespace

Generator::Generator(ParameterStore &store, ResultCounters &counters, int portCount, int applicationType)
    : m_store(store), m_counters(counters), m_runs(size_t(qMax(portCount, 0)))
{
    // In the order of the container's categories.
    m_effects[0] = std::make_unique<AlarmErrorEffect>(store, applicationType);
    m_effects[1] = std::make_unique<GmpEffect>(store);
    m_effects[2] = std::make_unique<GfpEffect>(store);
    m_effects[3] = std::make_unique<FecEffect>(store);
    m_effects[4] = std::make_unique<LaneEffect>(store);
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

const InsertionEffect *Generator::effect(int category) const
{
    return category >= 0 && category < int(m_effects.size()) ? m_effects[size_t(category)].get() : nullptr;
}

Generator::Choice Generator::choiceOf(int port) const
{
    const int category = m_store.intValue(nsSID::otnSid(port, Stimuli::CATEGORY));
    const InsertionEffect *e = effect(category);
    Choice c = e ? e->choice(port) : Choice();
    c.category = category;
    return c;
}

QString Generator::refusal(int port, const Choice &choice) const
{
    const InsertionEffect *e = effect(choice.category);
    return e ? e->refusal(port, choice) : QStringLiteral("category %1 is not offered").arg(choice.category);
}

bool Generator::isAlarm(const Choice &choice) const
{
    const InsertionEffect *e = effect(choice.category);
    return e && e->alarm(choice).what != InsertedItem::Nothing;
}

QVector<Generator::Target> Generator::targets(int port, const Choice &choice) const
{
    const InsertionEffect *e = effect(choice.category);
    return e ? e->targets(port, choice) : QVector<Target>();
}

double Generator::itemFramesPerSecond(int port, const Choice &choice) const
{
    const InsertionEffect *e = effect(choice.category);
    return e ? e->framesPerSecond(port, choice) : 0.0;
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
    QString refused = run->running ? refusal(port, run->choice) : QString();
    if (refused.isEmpty())
        refused = refusal(port, choice);
    if (!refused.isEmpty()) {
        qCInfo(lcSimLink).noquote() << QStringLiteral("insertion of port %1 stopped: %2").arg(port).arg(refused);
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
    run.alarmOn = isAlarm(choice);
    insertPerFrame(port, run);
}

void Generator::finish(int port, Run &run, int state)
{
    clearPerFrame(port, run);
    run = Run();
    if (state == Stimuli::INSERTION_DONE || state == Stimuli::INSERTION_STOPPED)
        m_store.setValue(nsSID::otnSid(port, Stimuli::INSERTION), state);
}

void Generator::insertPerFrame(int port, Run &run)
{
    clearPerFrame(port, run);
    const Choice &c = run.choice;
    if (!perFrame(c.mode))
        return;
    const double itemFrames = itemFramesPerSecond(port, c);
    for (const Target &target : targets(port, c)) {
        double errors = 0;
        if (c.mode == InsertionEffect::Rate) {
            // The ratio over the bits of the counter's frame the errors can land on (for most counters
            // its whole block, which the result page divides by as well).
            errors = c.ratio * target.exposedBits;
        } else {
            // Every frame of the item's layer errored: a counter in another layer's frames sees as many
            // of them as fall into one of its own.
            const double targetFrames = InsertionEffect::oduFramesPerSecond(m_store, port, target.level);
            errors = targetFrames > 0 ? target.perInsertedFrame * itemFrames / targetFrames : 0.0;
        }
        m_counters.insert(port, target.counterId, qMin(errors, target.perFrameLimit));
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
    if (!run || !run->running)
        return;
    const Choice &c = run->choice;
    const double itemFrames = itemFramesPerSecond(port, c);
    const quint64 from = run->sentFrames;
    const quint64 frames = framesInSecond(itemFrames, ++run->seconds);
    run->sentFrames += frames;
    // Inserted frames among those sent before a frame number.
    const auto insertedBefore = [&c](quint64 frame) {
        switch (c.mode) {
        case InsertionEffect::Single:
            return qMin<quint64>(frame, 1);
        case InsertionEffect::Burst:
            return qMin(frame, c.burst);
        case InsertionEffect::Alternate: {
            const quint64 period = c.alternateError + c.alternateNormal;
            return frame / period * c.alternateError + qMin(frame % period, c.alternateError);
        }
        default:
            return frame;
        }
    };
    const quint64 inserted = insertedBefore(from + frames) - insertedBefore(from);

    if (isAlarm(c)) {
        // An alarm has no rate: inserted at a rate it is inserted without end, as continuously.
        run->alarmOn = perFrame(c.mode) || inserted > 0;
        return;
    }
    if (perFrame(c.mode) || inserted == 0)
        return;
    // The errors of the inserted frames; a counter in larger frames of another layer cannot take more
    // than its limit in each of the frames they fall into.
    for (const Target &target : targets(port, c)) {
        const double share =
            itemFrames > 0 ? InsertionEffect::oduFramesPerSecond(m_store, port, target.level) / itemFrames : 0.0;
        const double most = target.perFrameLimit * std::ceil(double(inserted) * share);
        const double errors = double(inserted) * target.perInsertedFrame;
        m_counters.insertOnce(port, target.counterId, quint64(qMin(errors, most)));
    }
}

void Generator::endSecond(int port)
{
    Run *run = runAt(port);
    if (!run || !run->running || !finite(run->choice.mode))
        return;
    const quint64 length = run->choice.mode == InsertionEffect::Single ? 1 : run->choice.burst;
    if (run->sentFrames >= length)
        finish(port, *run, Stimuli::INSERTION_DONE);
}

TransmittedSignal::Insertion Generator::sending(int port) const
{
    const Run *run = runAt(port);
    const InsertionEffect *e = run && run->running && run->alarmOn ? effect(run->choice.category) : nullptr;
    if (!e)
        return TransmittedSignal::Insertion();
    const Choice &c = run->choice;
    TransmittedSignal::Insertion insertion = e->alarm(c);
    // The frames in a row the alarm lasts, which decide whether a corrupted alignment is lost.
    if (c.mode == InsertionEffect::Single)
        insertion.frames = 1;
    else if (c.mode == InsertionEffect::Burst)
        insertion.frames = c.burst;
    else if (c.mode == InsertionEffect::Alternate)
        insertion.frames = c.alternateError;
    return insertion;
}
