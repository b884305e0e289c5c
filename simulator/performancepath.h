#pragma once

#include <QHash>
#include <QList>

#include "host/parameters/intervaldata.h"

class ParameterCatalogue;
class ParameterStore;

// The G.8201 performance of one monitored path (the line's section, an ODU path, a tandem connection) in
// both directions, second by second: severely errored seconds, background block errors, and the
// unavailable periods that 10 consecutive SES begin and 10 consecutive non-SES seconds end, each
// counted from its first second.
class PerformancePath
{
public:
    using Values = QHash<int, IntervalDataCounters::Value>;

    // A second is severely errored from this share of errored blocks on.
    static constexpr double sesBlockShare = 0.15;
    static constexpr int unavailableRun = 10;
    static constexpr int counterCount = 12;

    // What decides a second of the path: the receiver's statuses (current = raised) of the defects of the
    // near end and of the far end, and the error counters whose errored blocks are the near end's and the
    // far end's.
    struct Definition {
        int counters[counterCount] = {};   // state, SES, BBE, UAS of the near end, far end, both directions
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
    struct Direction {
        bool available = true;
        int run = 0;   // consecutive seconds that point to the other state
        quint64 ses = 0;
        quint64 bbe = 0;
        quint64 uas = 0;
        quint64 availableSeconds = 0;
        bool lastSes = false;
        quint64 lastBbe = 0;

        void second(bool severe, quint64 erroredBlocks);
    };

    void addDirection(Values &values, const ParameterCatalogue &catalogue, const Direction &direction,
                      const int *counters, bool lastSecond) const;

    Definition m_definition;
    Direction m_near;
    Direction m_far;
    quint64 m_bothSes = 0;
    quint64 m_bothBbe = 0;
    quint64 m_bothUas = 0;
    quint64 m_bothAvailable = 0;
    bool m_lastBothSes = false;
    quint64 m_lastBothBbe = 0;
};
