#include "uihelper_enum_pushbutton.h"

#include <QPushButton>

#include "host/parameters/qcmaparameter.h"

UiHelper_Enum_PushButton::UiHelper_Enum_PushButton(zelServerManager *manager, QGroupBox *groupBox, int sid,
                                                   int strategy)
    : UiHelper_Enum_Buttons(manager, groupBox, __FILE__)
{
    setSID_QcmaParameter(sid, strategy);
    UpdateActiveWidgets();
}

UiHelper_Enum_PushButton::UiHelper_Enum_PushButton(zelServerManager *manager, QGroupBox *groupBox,
                                                   const QList<QPushButton *> &buttons, int sid, int strategy)
    : UiHelper_Enum_Buttons(manager, groupBox, __FILE__)
{
    // Bound first, so that each added button gets its value's name and state at once.
    setSID_QcmaParameter(sid, strategy);
    for (int i = 0; i < buttons.size(); ++i)
        PushButtonAdd(i, buttons.at(i));
    UpdateActiveWidgets();
}

QPushButton *UiHelper_Enum_PushButton::button(int value) const
{
    return qobject_cast<QPushButton *>(buttonOf(value));
}

void UiHelper_Enum_PushButton::PushButtonAdd(int value, QPushButton *button)
{
    if (!button)
        return;
    setButton(value, button);
    // The binding decides which button is checked; Qt's exclusivity would forbid "none checked".
    button->setCheckable(true);
    button->setAutoExclusive(false);
    connect(button, &QPushButton::clicked, this, [this, value] { buttonClicked(value); });
    UpdateText();
    const QcmaParameter *current = QcmaParameter_Get();
    showValue(current ? current->getInt() : -1, current && current->isDefined());
    UpdateActiveWidgets();
}

void UiHelper_Enum_PushButton::buttonClicked(int value)
{
    if (m_updating)
        return;
    if (!holdsEnumerable()) {
        showValue(-1, false);
        return;
    }
    // The pressed button stays the only checked one until the server answers.
    showValue(value, true);
    if (!isCurrentValue(value))
        writeValue(value);
}
