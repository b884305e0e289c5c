#pragma once

#include <QPointer>

#include "client/otn/otnexport.h"
#include "host/bindings/uihelper.h"

class QPushButton;
class QWidget;

// A "Setup" button on a customised screen that opens the overhead table of the level its parameter names
// (PID::Otn::TX::OVERHEAD_SETUP of levels 0, 1, 2), for the port of that parameter and its transmit structure.
class ZELOTN_EXPORT UiHelper_OtnOverhead : public UiHelper
{
    Q_OBJECT
public:
    // The two further widgets (null when there are none) are enabled and disabled with the button.
    UiHelper_OtnOverhead(zelServerManager *manager, QPushButton *button, QWidget *first, QWidget *second, int sid,
                         int strategy);
    ~UiHelper_OtnOverhead() override;

    void ConnectionStateChanged(bool connected) override;

    // The level of the parameter id, or -1 when the id names none.
    static int levelOf(int id);

protected slots:
    void slotreleased();

private:
    QPointer<QPushButton> m_button;
    QPointer<QWidget> m_first;
    QPointer<QWidget> m_second;
};
