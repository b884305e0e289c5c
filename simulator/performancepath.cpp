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

void PerformancePath::Direction::second(bool severe, quint64 erroredBlocks)
{
    lastSes = false;
    lastBbe = 0;
    if (available) {
        run = severe ? run + 1 : 0;
        if (run >= unavailableRun) {
            // The unavailable period began with the first of these seconds.
            available = false;
            run = 0;
            ses -= unavailableRun - 1;
            availableSeconds -= unavailableRun - 1;
            uas += unavailableRun;
            return;
        }
        ++availableSeconds;
        if (severe) {
            ++ses;
            lastSes = true;
        } else {
            bbe += erroredBlocks;
            lastBbe = erroredBlocks;
        }
        return;
    }
    run = severe ? 0 : run + 1;
    if (run >= unavailableRun) {
        // The available period began with the first of these seconds.
        available = true;
        run = 0;
        uas -= unavailableRun - 1;
        availableSeconds += unavailableRun;
        return;
    }
    ++uas;
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
    const quint64 nearBlocks = errored(d.nearErrors);
    const quint64 farBlocks = errored(d.farErrors);
    const auto severe = [total](bool defect, quint64 erroredBlocks) {
        return defect || (total > 0 && double(erroredBlocks) >= sesBlockShare * double(total));
    };
    m_near.second(severe(anyCurrent(store, port, d.nearDefects), nearBlocks), nearBlocks);
    m_far.second(severe(anyCurrent(store, port, d.farDefects), farBlocks), farBlocks);
    // Both directions together are unavailable while either is.
    m_lastBothSes = false;
    m_lastBothBbe = 0;
    if (m_near.available && m_far.available) {
        ++m_bothAvailable;
        m_lastBothSes = m_near.lastSes || m_far.lastSes;
        m_lastBothBbe = m_near.lastBbe + m_far.lastBbe;
        m_bothSes += m_lastBothSes ? 1 : 0;
        m_bothBbe += m_lastBothBbe;
    } else {
        ++m_bothUas;
    }
}

void PerformancePath::addDirection(Values &values, const ParameterCatalogue &catalogue, const Direction &direction,
                                   const int *counters, bool lastSecond) const
{
    const quint64 ses = lastSecond ? (direction.lastSes ? 1 : 0) : direction.ses;
    const quint64 bbe = lastSecond ? direction.lastBbe : direction.bbe;
    const double seconds = lastSecond ? (direction.available ? 1.0 : 0.0) : double(direction.availableSeconds);
    values.insert(counters[0], state(catalogue, counters[0], direction.available));
    values.insert(counters[1], count(ses, ratio(double(ses), seconds)));
    values.insert(counters[2], count(bbe, ratio(double(bbe), m_definition.blocksPerSecond * seconds)));
    values.insert(counters[3], count(lastSecond ? (direction.available ? 0 : 1) : direction.uas));
}

void PerformancePath::addValues(Values &values, const ParameterCatalogue &catalogue, bool lastSecond) const
{
    const int *counters = m_definition.counters;
    addDirection(values, catalogue, m_near, counters, lastSecond);
    addDirection(values, catalogue, m_far, counters + 4, lastSecond);
    const bool available = m_near.available && m_far.available;
    const quint64 ses = lastSecond ? (m_lastBothSes ? 1 : 0) : m_bothSes;
    const quint64 bbe = lastSecond ? m_lastBothBbe : m_bothBbe;
    const double seconds = lastSecond ? (available ? 1.0 : 0.0) : double(m_bothAvailable);
    values.insert(counters[8], state(catalogue, counters[8], available));
    values.insert(counters[9], count(ses, ratio(double(ses), seconds)));
    values.insert(counters[10], count(bbe, ratio(double(bbe), 2 * m_definition.blocksPerSecond * seconds)));
    values.insert(counters[11], count(lastSecond ? (available ? 0 : 1) : m_bothUas));
}
