#pragma once

#include <QPointer>

#include "uihelper.h"

class QPushButton;

// A command button: each press writes the value 1 of its parameter (a trigger such as "Apply Move").
class ZELBASE_EXPORT UiHelper_PushButton : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_PushButton(zelServerManager *manager, QPushButton *button, int sid, int strategy = ConnectManually);
    ~UiHelper_PushButton() override;

    void UpdateText() override;

private slots:
    void clicked();

private:
    QPointer<QPushButton> m_button;
};
