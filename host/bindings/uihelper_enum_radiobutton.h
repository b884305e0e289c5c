#pragma once

#include <QList>

#include "uihelper_enum_buttons.h"

class QGroupBox;
class QRadioButton;

// An enumeration parameter on radio buttons: button i stands for value i. With useGroupTitle the
// group box title shows the parameter's name. Buttons of inactive enumerators are disabled.
class ZELBASE_EXPORT UiHelper_Enum_RadioButton : public UiHelper_Enum_Buttons
{
    Q_OBJECT
public:
    UiHelper_Enum_RadioButton(zelServerManager *manager, QGroupBox *groupBox, bool useGroupTitle,
                              const QList<QRadioButton *> &buttons, int sid, int strategy = ConnectManually);

    void UpdateText() override;

protected:
    void showValue(int value, bool defined) override;

private:
    void buttonToggled(int value, bool checked);

    bool m_useGroupTitle = false;
};
