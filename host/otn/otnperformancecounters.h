#pragma once

#include "host/hostexport.h"

// The G.8201 counters of one monitored path, as the tester reports them and the result pages list them:
// the counter naming the path, and the availability state, the severely errored seconds, the background
// block errors and the unavailable seconds of the near end, of the far end and of both directions
// together. The paths are the line's section, the ODU path of each level and the tandem connections of
// the line's ODU (named after it).
struct ZELOTNMODEL_EXPORT OtnPerformanceCounters {
    struct Direction {
        int state;
        int ses;
        int bbe;
        int uas;
    };

    int name;
    Direction nearEnd;
    Direction farEnd;
    Direction bidirectional;

    static OtnPerformanceCounters line();
    // A level outside 0-3 or a tandem connection outside 0-5 (0 = TCM1) is reported and taken as the
    // nearest one.
    static OtnPerformanceCounters odu(int level);
    static OtnPerformanceCounters tcm(int tcm);
};
