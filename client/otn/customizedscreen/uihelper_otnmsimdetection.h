#pragma once

#include <QPointer>

#include "client/otn/otnexport.h"
#include "host/bindings/uihelper.h"
#include "host/otn/otnmapping.h"

class QPushButton;
class QWidget;

// A "Setup" button on a customised screen that opens the MSIM detection of the multiplex stage its
// parameter names (PID::Otn::MEASUREMENT::MSIM_DETECTION of stages 0, 1, 2) for the port of that parameter.
class ZELOTN_EXPORT UiHelper_OtnMsimDetection : public UiHelper
{
    Q_OBJECT
public:
    // The two further widgets (null when there are none) are enabled and disabled with the button.
    UiHelper_OtnMsimDetection(zelServerManager *manager, QPushButton *button, QWidget *first, QWidget *second,
                              int sid, int strategy);
    ~UiHelper_OtnMsimDetection() override;

    void ConnectionStateChanged(bool connected) override;

    // The stage of the parameter id, or -1 when the id names none.
    static int levelOf(int id);

protected slots:
    void slotreleased();

private:
    QPointer<QPushButton> m_button;
    QPointer<QWidget> m_first;
    QPointer<QWidget> m_second;
    OtnMapping m_mapping;
};
