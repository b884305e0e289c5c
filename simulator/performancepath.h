#pragma once

#include <QHash>
#include <QList>

#include "host/otn/otnperformancecounters.h"
#include "host/parameters/intervaldata.h"

class ParameterCatalogue;
class ParameterStore;

// The G.8201 performance of one monitored path (the line's section, an ODU path, a tandem connection) in
// both directions, second by second: severely errored seconds, background block errors, and the
// unavailable periods that 10 consecutive SES begin and 10 consecutive non-SES seconds end, each
// counted from its first second. Until a run of such seconds decides, its seconds count in the state
// the direction is in; both directions together are unavailable in every second either is.
class PerformancePath
{
public:
    using Values = QHash<int, IntervalDataCounters::Value>;

    // A second is severely errored from this share of errored blocks on.
    static constexpr double sesBlockShare = 0.15;
    static constexpr int unavailableRun = 10;

    // What decides a second of the path: the receiver's statuses (current = raised) of the defects of the
    // near end and of the far end, and the error counters whose errored blocks are the near end's and the
    // far end's.
    struct Definition {
        OtnPerformanceCounters counters;
        QList<int> nearDefects, nearErrors, farDefects, farErrors;
        double blocksPerSecond = 0;
    };
    // The blocks (frames) of an error counter's layer in one second, and those it found errored.
    struct Blocks {
        quint64 errored = 0;
        quint64 total = 0;
    };

    explicit PerformancePath(const Definition &definition) : m_definition(definition) {}

    // One second: the defects from the port's statuses, the errored blocks by error counter.
    void second(const ParameterStore &store, int port, const QHash<int, Blocks> &blocks);
    // The path's counters, of the last second or of every second; the states named as the catalogue
    // names their values.
    void addValues(Values &values, const ParameterCatalogue &catalogue, bool lastSecond) const;

private:
    struct Second {
        bool severe = false;
        quint64 erroredBlocks = 0;
    };
    // Counts of seconds whose state is decided.
    struct Counts {
        quint64 ses = 0;
        quint64 bbe = 0;
        quint64 uas = 0;
        quint64 availableSeconds = 0;

        void add(const Second &second, bool available);
    };
    struct Direction {
        bool available = true;
        QList<Second> run;   // the latest consecutive seconds that point to the other state
        Counts decided;

        // Takes the next second; appends the state of every second it decides, oldest first.
        void take(const Second &second, QList<bool> &states);
        Counts counts() const;   // with the seconds of the run in the present state
    };
    // A second of both directions, until the state of each is decided.
    struct Pending {
        Second near, far;
        int nearState = -1;   // -1 undecided, 0 unavailable, 1 available
        int farState = -1;
    };

    // blocks: blocks of a second (both directions: twice the path's).
    void addDirection(Values &values, const ParameterCatalogue &catalogue, bool available, const Counts &counts,
                      const OtnPerformanceCounters::Direction &counters, double blocks,
                      bool lastSecond) const;
    static void addBoth(Counts &counts, const Pending &second, bool nearAvailable, bool farAvailable);
    Counts bothCounts() const;
    static Counts lastSecondOf(const Second &second, bool available);

    Definition m_definition;
    Direction m_near;
    Direction m_far;
    QList<Pending> m_pending;
    Counts m_both;
    Pending m_last;
    bool m_measured = false;
};
