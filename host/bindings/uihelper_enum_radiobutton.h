#pragma once

#include <QList>
#include <QPointer>

#include "uihelper.h"

class QGroupBox;
class QRadioButton;

// An enumeration parameter on radio buttons: button i stands for value i. With useGroupTitle the
// group box title shows the parameter's name. Buttons of inactive enumerators are disabled.
class ZELBASE_EXPORT UiHelper_Enum_RadioButton : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_Enum_RadioButton(zelServerManager *manager, QGroupBox *groupBox, bool useGroupTitle,
                              const QList<QRadioButton *> &buttons, int sid, int strategy = ConnectManually);
    ~UiHelper_Enum_RadioButton() override;

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void UpdateActiveWidgets() override;
    void UpdateText() override;

private:
    void buttonToggled(int value, bool checked);
    void showValue(int value, bool defined);

    QPointer<QGroupBox> m_groupBox;
    bool m_useGroupTitle = false;
    QList<QPointer<QRadioButton>> m_buttons;
};
