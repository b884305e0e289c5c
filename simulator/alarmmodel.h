#pragma once

class ParameterStore;

// The alarms a port's receiver raises while it receives the port's own transmitter: loss of signal
// when the port sends nothing, loss of frame when it expects another interface, payload mismatch and
// multiplex structure mismatch per level, and each level's summary. Everything else stays clear.
// An alarm that ends is kept as history.
class AlarmModel
{
public:
    static constexpr int clear = 0;
    static constexpr int current = 1;
    static constexpr int history = 2;

    static void update(ParameterStore &store, int port);
    // Whether id is one of the alarms (or summaries) update() decides.
    static bool models(int id);
};
