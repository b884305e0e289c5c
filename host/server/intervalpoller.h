#pragma once

#include <QObject>
#include <QTimer>

#include "host/hostexport.h"

class zelServerManager;

// The host's interval polling: once per measurement interval it asks the server for the interval data of
// every port, group and selector that registered observers are bound to, so that pages showing interval
// values stay live without keeping a timer of their own.
class ZELCORE_EXPORT IntervalPoller : public QObject
{
    Q_OBJECT
public:
    static constexpr int intervalMs = 1000;

    explicit IntervalPoller(zelServerManager *manager, QObject *parent = nullptr);

    void start(int periodMs = intervalMs);
    void stop();
    bool isActive() const { return m_timer.isActive(); }

    // Asks once, now; the number of requests sent.
    int poll();

private:
    zelServerManager *m_manager = nullptr;
    QTimer m_timer;
};
