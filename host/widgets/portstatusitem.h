#pragma once

#include <QWidget>

#include "host/hostexport.h"

// A round status LED: off (grey), ok (green), alarm (red), history (yellow).
class ZELBASE_EXPORT PortStatusItem : public QWidget
{
    Q_OBJECT
public:
    enum State { Off = 0, Ok = 1, Alarm = 2, History = 3 };

    explicit PortStatusItem(QWidget *parent = nullptr);

    State state() const { return m_state; }
    void setState(State state);
    QSize sizeHint() const override;

signals:
    void stateChanged(int state);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    State m_state = Off;
};
