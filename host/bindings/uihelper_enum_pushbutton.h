#pragma once

#include "uihelper_enum_buttons.h"

class QGroupBox;
class QPushButton;

// An enumeration parameter on a group of checkable push buttons, one per enumerator value: the
// button of the current value is checked; pressing a button writes its value. Buttons of inactive
// enumerators are disabled; buttons without a text show the value's name.
class ZELBASE_EXPORT UiHelper_Enum_PushButton : public UiHelper_Enum_Buttons
{
    Q_OBJECT
public:
    UiHelper_Enum_PushButton(zelServerManager *manager, QGroupBox *groupBox, int sid, int strategy = ConnectManually);
    // Buttons given in value order 0, 1, 2, ...
    UiHelper_Enum_PushButton(zelServerManager *manager, QGroupBox *groupBox, const QList<QPushButton *> &buttons,
                             int sid, int strategy = ConnectManually);

    void PushButtonAdd(int value, QPushButton *button);
    QPushButton *button(int value) const;

private:
    void buttonClicked(int value);
};
