#pragma once

#include <array>
#include <memory>
#include <vector>

#include <QList>

#include "insertioneffect.h"
#include "transmittedsignal.h"

class ParameterStore;
class ResultCounters;

// The insertion of each port as the tester's transmitter runs it: it follows the container's category and
// the insertion switch, and sends what the category's stimuli parameters choose (InsertionEffect, one per
// category) frame by frame of the item's layer, one measured second at a time: single, in a burst,
// alternating, continuously or at a rate. An alarm goes into the signal the port sends (sending(), which the
// receiver reads through TransmittedSignal); an error reaches the receiver's matching counters as the
// errors its frames bring (ResultCounters::insert, insertOnce). The tester ends a single or burst insertion
// itself (INSERTION_DONE) and stops one the structure no longer offers (INSERTION_STOPPED); the user's
// setup is never touched.
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
    using Choice = InsertionEffect::Choice;
    using Target = InsertionEffect::Target;

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
    const InsertionEffect *effect(int category) const;
    Choice choiceOf(int port) const;
    // Why the port's structure does not offer the choice (empty when it does).
    QString refusal(int port, const Choice &choice) const;
    void start(int port, Run &run, const Choice &choice);
    // Ends the run; state is what the switch then reads (nothing written for INSERTION_OFF).
    void finish(int port, Run &run, int state);
    void insertPerFrame(int port, Run &run);
    void clearPerFrame(int port, Run &run);
    bool isAlarm(const Choice &choice) const;
    QVector<Target> targets(int port, const Choice &choice) const;
    double itemFramesPerSecond(int port, const Choice &choice) const;

    ParameterStore &m_store;
    ResultCounters &m_counters;
    // The effect of each category of the container, by its value.
    std::array<std::unique_ptr<InsertionEffect>, 5> m_effects;
    std::vector<Run> m_runs;   // port 1 first
};
