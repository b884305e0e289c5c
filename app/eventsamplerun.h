#pragma once

#include <QString>

class IntervalPoller;
class zelServerManager;

// A short run for the pictures of the event log and history pages: on one port of the simulated tester,
// an alarm inserted for a few seconds and then a burst of errors, written through the manager as the
// stimuli area writes them, the seconds passing by the poller as they do live.
class EventSampleRun
{
public:
    static constexpr int alarmSeconds = 3;
    static constexpr int errorBurst = 10;

    // False, with what went wrong, when the port's stimuli do not offer the items.
    static bool run(zelServerManager *manager, IntervalPoller *poller, int port, QString *problem);

private:
    static bool write(zelServerManager *manager, int port, int id, int value);
    static int valueNamed(const zelServerManager *manager, int id, const QString &name);
    static void pass(IntervalPoller *poller, int seconds);
};
