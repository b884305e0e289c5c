#include "uihelper_enum_radiobutton.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScopedValueRollback>

UiHelper_Enum_RadioButton::UiHelper_Enum_RadioButton(zelServerManager *manager, QGroupBox *groupBox,
                                                     bool useGroupTitle, const QList<QRadioButton *> &buttons,
                                                     int sid, int strategy)
    : UiHelper_Enum_Buttons(manager, groupBox, __FILE__), m_useGroupTitle(useGroupTitle)
{
    for (int i = 0; i < buttons.size(); ++i) {
        QRadioButton *button = buttons.at(i);
        setButton(i, button);
        if (button)
            connect(button, &QRadioButton::toggled, this, [this, i](bool checked) { buttonToggled(i, checked); });
    }
    setSID_QcmaParameter(sid, strategy);
    UpdateText();
    UpdateActiveWidgets();
}

void UiHelper_Enum_RadioButton::showValue(int value, bool defined)
{
    QScopedValueRollback<bool> guard(m_updating, true);
    QAbstractButton *shown = defined ? buttonOf(value) : nullptr;
    for (const QPointer<QAbstractButton> &button : buttons()) {
        if (!button)
            continue;
        // Exclusive radio buttons cannot all be cleared; lift the rule for a value no button stands for.
        const bool exclusive = button->autoExclusive();
        if (!shown)
            button->setAutoExclusive(false);
        button->setChecked(button == shown);
        button->setAutoExclusive(exclusive);
    }
}

void UiHelper_Enum_RadioButton::UpdateText()
{
    if (m_useGroupTitle && m_groupBox)
        m_groupBox->setTitle(GetText_Name());
    UiHelper_Enum_Buttons::UpdateText();
}

void UiHelper_Enum_RadioButton::buttonToggled(int value, bool checked)
{
    if (m_updating || !checked || !holdsEnumerable() || isCurrentValue(value))
        return;
    writeValue(value);
}
