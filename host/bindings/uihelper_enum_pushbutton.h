#pragma once

#include <QMap>
#include <QPointer>

#include "uihelper.h"

class QGroupBox;
class QPushButton;

// An enumeration parameter on a group of checkable push buttons, one per enumerator value: the
// button of the current value is checked; pressing a button writes its value. Buttons of inactive
// enumerators are disabled; buttons without a text show the value's name.
class ZELBASE_EXPORT UiHelper_Enum_PushButton : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_Enum_PushButton(zelServerManager *manager, QGroupBox *groupBox, int sid, int strategy = ConnectManually);
    // Buttons given in value order 0, 1, 2, ...
    UiHelper_Enum_PushButton(zelServerManager *manager, QGroupBox *groupBox, const QList<QPushButton *> &buttons,
                             int sid, int strategy = ConnectManually);
    ~UiHelper_Enum_PushButton() override;

    void PushButtonAdd(int value, QPushButton *button);
    QPushButton *button(int value) const;

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void UpdateActiveWidgets() override;
    void UpdateText() override;

private:
    void buttonClicked(int value);
    void showValue(int value, bool defined);

    QPointer<QGroupBox> m_groupBox;
    QMap<int, QPointer<QPushButton>> m_buttons;
};
