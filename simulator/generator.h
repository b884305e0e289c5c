#pragma once

#include <vector>

#include <QList>

#include "transmittedsignal.h"

class ParameterStore;
class ResultCounters;

// The insertion of each port as the tester's transmitter runs it: it follows the stimuli parameters
// (category, item, level, mode, burst, alternation, rate) and the insertion switch, and sends what they
// choose frame by frame of the item's layer, one measured second at a time. An alarm goes into the signal
// the port sends (sending(), which the receiver reads through TransmittedSignal); an error reaches the
// receiver's matching counters as the errors its frames bring (ResultCounters::insert, insertOnce). The
// tester ends a single or burst insertion itself (INSERTION_DONE) and stops one whose item the structure
// no longer offers (INSERTION_STOPPED); the user's setup is never touched.
class Generator
{
public:
    Generator(ParameterStore &store, ResultCounters &counters, int portCount, int applicationType);
    ~Generator();
    Generator(const Generator &) = delete;
    Generator &operator=(const Generator &) = delete;

    // The port's configuration changed (a write, a tester-side change): starts, switches to a new choice
    // or stops as the switch and the choice say.
    void follow(int port);
    // A second is about to be measured: the frames the insertion sends in it.
    void beginSecond(int port);
    // The second is measured: a single or burst insertion whose frames are all sent is done.
    void endSecond(int port);
    // The alarm the port's transmitter inserts now (none while it inserts an error or nothing).
    TransmittedSignal::Insertion sending(int port) const;
    // Whether the port's insertion runs.
    bool running(int port) const;

private:
    struct Choice {
        int category = 0;
        int item = 0;
        int level = 0;
        int mode = 0;
        quint64 burst = 1;
        quint64 alternateError = 1;
        quint64 alternateNormal = 1;
        int rate = 0;

        bool operator==(const Choice &other) const;
        bool operator!=(const Choice &other) const { return !(*this == other); }
    };
    // A counter that sees an inserted error: its id, the level whose frames it counts in and the most
    // errors one frame can bring it.
    struct Target {
        int counterId = 0;
        int level = 0;
        double perFrameLimit = 0;
    };
    struct Run {
        bool running = false;
        Choice choice;
        // Frames of the item's layer sent since the start, and seconds measured.
        quint64 sentFrames = 0;
        int seconds = 0;
        // The alarm is inserted in the current second.
        bool alarmOn = false;
        // Counters given errors per frame.
        QList<int> perFrameIds;
    };

    Run *runAt(int port);
    const Run *runAt(int port) const;
    Choice choiceOf(int port) const;
    bool offered(int port, const Choice &choice) const;
    void start(int port, Run &run, const Choice &choice);
    // Ends the run; state is what the switch then reads (nothing written for INSERTION_OFF).
    void finish(int port, Run &run, int state);
    void insertPerFrame(int port, Run &run);
    void clearPerFrame(int port, Run &run);
    QVector<Target> targets(int port, const Choice &choice) const;
    // Frames per second of ODU level k as the transmitter sends it.
    double framesPerSecond(int port, int level) const;

    ParameterStore &m_store;
    ResultCounters &m_counters;
    int m_applicationType = 0;
    std::vector<Run> m_runs;   // port 1 first
};
