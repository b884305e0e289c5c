#pragma once

class ParameterStore;
class ResultCounters;

// The justification panel's pointer moves: once the client applies a move (JUSTIFICATION_APPLY set to 1), the port's
// transmitter sends the burst of justifications in the chosen direction on the chosen level in the next
// measured second, where the receiver counts them (AMP: PJC or NJC; GMP: Cm steps up or down), and the
// tester sets JUSTIFICATION_APPLY back to 0. A level that maps its payload neither way takes no move: a logged line.
class JustificationMove
{
public:
    JustificationMove(ParameterStore &store, ResultCounters &counters) : m_store(store), m_counters(counters) {}

    // A second is about to be measured: the moves applied since the last one are sent in it.
    void beginSecond(int port);

private:
    ParameterStore &m_store;
    ResultCounters &m_counters;
};
