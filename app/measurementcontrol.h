#pragma once

#include <QObject>
#include <QString>

class EventLog;
class QcmaParameter;
class zelServerManager;

// The tester's measurement of every port: started, stopped and reset through its measurement
// parameters; the run's event log is cleared with the tester's counters and alarm history.
class MeasurementControl : public QObject
{
    Q_OBJECT
public:
    MeasurementControl(zelServerManager *manager, EventLog *eventLog, QObject *parent = nullptr);

    // False when the tester offers no measurement control.
    bool isAvailable() const;
    bool isRunning() const;
    // Seconds measured since the last reset, as the tester counts them.
    uint elapsedSeconds() const;
    // "h:mm:ss".
    static QString elapsedText(uint seconds);

    // Each writes to the tester; false, with a logged line, when it has no such parameter.
    bool start();
    bool stop();
    bool reset();

signals:
    // The running state or the elapsed time changed on the tester.
    void changed();

private:
    bool write(int id, int value);
    void parameterChanged(const QcmaParameter &parameter);

    zelServerManager *m_manager = nullptr;
    EventLog *m_eventLog = nullptr;
};
