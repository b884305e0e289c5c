#include "performancepath.h"

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "parameterstore.h"

namespace {

constexpr int statusCurrent = 1;

bool anyCurrent(const ParameterStore &store, int port, const QList<int> &ids)
{
    for (int id : ids) {
        if (id && store.intValue(nsSID::otnSid(port, id)) == statusCurrent)
            return true;
    }
    return false;
}

IntervalDataCounters::Value count(quint64 n, double rate = -1.0)
{
    IntervalDataCounters::Value v;
    v.count = n;
    v.rate = rate;
    return v;
}

// The state as the catalogue names it (0 available, 1 unavailable), counted 1 while unavailable.
IntervalDataCounters::Value state(const ParameterCatalogue &catalogue, int id, bool available)
{
    IntervalDataCounters::Value v;
    v.count = available ? 0 : 1;
    const ParameterDefinition *definition = catalogue.find(nsSID::otn, id);
    v.text = definition ? definition->valueName(int(v.count), 0) : QString::number(v.count);
    return v;
}

double ratio(double part, double whole)
{
    return whole > 0 ? part / whole : 0.0;
}

} // namespace

void PerformancePath::Counts::add(const Second &second, bool available)
{
    if (!available) {
        ++uas;
        return;
    }
    ++availableSeconds;
    if (second.severe)
        ++ses;
    else
        bbe += second.erroredBlocks;
}

void PerformancePath::Direction::take(const Second &second, QList<bool> &states)
{
    // An available direction waits on a run of SES, an unavailable one on a run of other seconds.
    if (second.severe == available) {
        run.append(second);
        if (run.size() < unavailableRun)
            return;
        // The other state began with the first second of the run.
        available = !available;
        for (const Second &s : qAsConst(run)) {
            decided.add(s, available);
            states.append(available);
        }
        run.clear();
        return;
    }
    // The run is broken: its seconds, and this one, stay in the present state.
    run.append(second);
    for (const Second &s : qAsConst(run)) {
        decided.add(s, available);
        states.append(available);
    }
    run.clear();
}

PerformancePath::Counts PerformancePath::Direction::counts() const
{
    Counts c = decided;
    for (const Second &s : run)
        c.add(s, available);
    return c;
}

void PerformancePath::addBoth(Counts &counts, const Pending &second, bool nearAvailable, bool farAvailable)
{
    if (!nearAvailable || !farAvailable) {
        ++counts.uas;
        return;
    }
    ++counts.availableSeconds;
    if (second.near.severe || second.far.severe)
        ++counts.ses;
    counts.bbe += (second.near.severe ? 0 : second.near.erroredBlocks) + (second.far.severe ? 0 : second.far.erroredBlocks);
}

PerformancePath::Counts PerformancePath::bothCounts() const
{
    Counts c = m_both;
    for (const Pending &p : m_pending)
        addBoth(c, p, p.nearState < 0 ? m_near.available : p.nearState == 1,
                p.farState < 0 ? m_far.available : p.farState == 1);
    return c;
}

void PerformancePath::second(const ParameterStore &store, int port, const QHash<int, Blocks> &blocks)
{
    const Definition &d = m_definition;
    quint64 total = quint64(d.blocksPerSecond);
    const auto errored = [&blocks, &total](const QList<int> &ids) {
        quint64 n = 0;
        for (int id : ids) {
            const auto found = blocks.constFind(id);
            if (found == blocks.cend())
                continue;
            total = found->total;
            n = qMax(n, found->errored);
        }
        return qMin(n, total);
    };
    Pending next;
    next.near.erroredBlocks = errored(d.nearErrors);
    next.far.erroredBlocks = errored(d.farErrors);
    const auto severe = [total](bool defect, quint64 erroredBlocks) {
        return defect || (total > 0 && double(erroredBlocks) >= sesBlockShare * double(total));
    };
    next.near.severe = severe(anyCurrent(store, port, d.nearDefects), next.near.erroredBlocks);
    next.far.severe = severe(anyCurrent(store, port, d.farDefects), next.far.erroredBlocks);
    m_pending.append(next);
    m_last = next;
    m_measured = true;

    QList<bool> nearStates, farStates;
    m_near.take(next.near, nearStates);
    m_far.take(next.far, farStates);
    for (Pending &p : m_pending) {
        if (p.nearState < 0 && !nearStates.isEmpty())
            p.nearState = nearStates.takeFirst() ? 1 : 0;
        if (p.farState < 0 && !farStates.isEmpty())
            p.farState = farStates.takeFirst() ? 1 : 0;
    }
    while (!m_pending.isEmpty() && m_pending.first().nearState >= 0 && m_pending.first().farState >= 0) {
        const Pending p = m_pending.takeFirst();
        addBoth(m_both, p, p.nearState == 1, p.farState == 1);
    }
}

PerformancePath::Counts PerformancePath::lastSecondOf(const Second &second, bool available)
{
    Counts c;
    c.add(second, available);
    return c;
}

void PerformancePath::addDirection(Values &values, const ParameterCatalogue &catalogue, bool available,
                                   const Counts &counts, const OtnPerformanceCounters::Direction &counters, double blocks,
                                   bool lastSecond) const
{
    // The ratios are of the available time only.
    const double seconds = double(counts.availableSeconds);
    values.insert(counters.state, state(catalogue, counters.state, available));
    values.insert(counters.ses, count(counts.ses, ratio(double(counts.ses), seconds)));
    values.insert(counters.bbe, count(counts.bbe, ratio(double(counts.bbe), blocks * seconds)));
    values.insert(counters.uas, count(lastSecond ? (available ? 0 : 1) : counts.uas));
}

void PerformancePath::addValues(Values &values, const ParameterCatalogue &catalogue, bool lastSecond) const
{
    const OtnPerformanceCounters &counters = m_definition.counters;
    const double blocks = m_definition.blocksPerSecond;
    const bool bothAvailable = m_near.available && m_far.available;
    if (!lastSecond) {
        addDirection(values, catalogue, m_near.available, m_near.counts(), counters.nearEnd, blocks, false);
        addDirection(values, catalogue, m_far.available, m_far.counts(), counters.farEnd, blocks, false);
        addDirection(values, catalogue, bothAvailable, bothCounts(), counters.bidirectional, 2 * blocks, false);
        return;
    }
    // The last second, in the state each direction is in now.
    Counts both;
    if (m_measured)
        addBoth(both, m_last, m_near.available, m_far.available);
    addDirection(values, catalogue, m_near.available, m_measured ? lastSecondOf(m_last.near, m_near.available) : Counts(),
                 counters.nearEnd, blocks, true);
    addDirection(values, catalogue, m_far.available, m_measured ? lastSecondOf(m_last.far, m_far.available) : Counts(),
                 counters.farEnd, blocks, true);
    addDirection(values, catalogue, bothAvailable, both, counters.bidirectional, 2 * blocks, true);
}
