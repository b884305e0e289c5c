#pragma once

class ParameterStore;

// What a port's receiver reports while it receives the port's own transmitter (the loop): for the
// line, each ODU level of the received structure and the logical lanes, the alarms that follow from
// what is sent and what is expected (loss of signal and frame, trace identifier and payload mismatches,
// maintenance signals and backward defect indications, with the defects of a layer hiding those of the
// layers it carries), the error counters of each interval (far-end block errors as the received BEI
// reports them), and each level's summary. An alarm that ends, or a counter that stops counting, is
// kept as history.
class AlarmModel
{
public:
    static constexpr int clear = 0;
    static constexpr int current = 1;
    static constexpr int history = 2;

    // The alarms follow the configuration at once.
    static void update(ParameterStore &store, int port);
    // A new current interval: each error counter tells whether it counted in it.
    static void countInterval(ParameterStore &store, int port);
    // Whether id is one of the alarms, error counters or summaries the model decides.
    static bool models(int id);
};
