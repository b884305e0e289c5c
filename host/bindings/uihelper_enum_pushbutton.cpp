#include "uihelper_enum_pushbutton.h"

#include <QGroupBox>
#include <QPushButton>
#include <QScopedPointer>
#include <QScopedValueRollback>

#include "enumvalues.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/texts/widgettext.h"

UiHelper_Enum_PushButton::UiHelper_Enum_PushButton(zelServerManager *manager, QGroupBox *groupBox, int sid,
                                                   int strategy)
    : UiHelper(manager), m_groupBox(groupBox)
{
    SetHelperWidgetActive(m_groupBox, true, false);
    setSID_QcmaParameter(sid, strategy);
    UpdateActiveWidgets();
}

UiHelper_Enum_PushButton::UiHelper_Enum_PushButton(zelServerManager *manager, QGroupBox *groupBox,
                                                   const QList<QPushButton *> &buttons, int sid, int strategy)
    : UiHelper(manager), m_groupBox(groupBox)
{
    SetHelperWidgetActive(m_groupBox, true, false);
    // Bound first, so that each added button gets its value's name and state at once.
    setSID_QcmaParameter(sid, strategy);
    for (int i = 0; i < buttons.size(); ++i)
        PushButtonAdd(i, buttons.at(i));
    UpdateActiveWidgets();
}

UiHelper_Enum_PushButton::~UiHelper_Enum_PushButton()
{
    for (const QPointer<QPushButton> &button : qAsConst(m_buttons)) {
        if (button)
            disconnect(button.data(), nullptr, this, nullptr);
    }
}

QPushButton *UiHelper_Enum_PushButton::button(int value) const
{
    return m_buttons.value(value);
}

void UiHelper_Enum_PushButton::PushButtonAdd(int value, QPushButton *button)
{
    if (!button)
        return;
    if (QPushButton *previous = m_buttons.value(value))
        disconnect(previous, nullptr, this, nullptr);
    m_buttons.insert(value, button);
    // The binding decides which button is checked; Qt's exclusivity would forbid "none checked".
    button->setCheckable(true);
    button->setAutoExclusive(false);
    connect(button, &QPushButton::clicked, this, [this, value] { buttonClicked(value); });
    UpdateText();
    const QcmaParameter *current = QcmaParameter_Get();
    showValue(current ? current->getInt() : -1, current && current->isDefined());
    UpdateActiveWidgets();
}

void UiHelper_Enum_PushButton::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (!EnumValues::isEnumerable(parameter)) {
        ZEL_FATAL(QStringLiteral("Incorrect qcmaparameter type=%1 for UiHelper_Enum_PushButton(sid=%2)")
                      .arg(parameter.getType())
                      .arg(uint(getSID()), 0, 16));
        return;
    }
    showValue(parameter.getInt(), parameter.isDefined());
}

void UiHelper_Enum_PushButton::showValue(int value, bool defined)
{
    QScopedValueRollback<bool> guard(m_updating, true);
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (*it)
            (*it)->setChecked(defined && it.key() == value);
    }
}

void UiHelper_Enum_PushButton::UpdateActiveWidgets()
{
    UiHelper::UpdateActiveWidgets();
    const bool enabled = dataWidgetsEnabled();
    const QcmaParameter *current = QcmaParameter_Get();
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (*it)
            (*it)->setEnabled(enabled && EnumValues::isSelectable(current, it.key()));
    }
}

void UiHelper_Enum_PushButton::UpdateText()
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (*it && (*it)->text().isEmpty())
            (*it)->setText(WidgetText::instance()->getValueName(getSID(), it.key(), terminology()));
    }
}

void UiHelper_Enum_PushButton::buttonClicked(int value)
{
    if (m_updating)
        return;
    const QcmaParameter *current = QcmaParameter_Get();
    if (!current || !EnumValues::isEnumerable(*current)) {
        showValue(-1, false);
        return;
    }
    // The pressed button stays the only checked one until the server answers.
    showValue(value, true);
    if (current->isDefined() && current->getInt() == value)
        return;
    QScopedPointer<QcmaParameter> copy(QcmaParameterFactory::createCopy(current));
    ZEL_ASSERT_TEXT(copy, "(void*)qcmaParam != 0", QStringLiteral("qcmaParam is 0"));
    if (!copy)
        return;
    static_cast<QcmaParameterInt *>(copy.data())->setValue(value);
    copy->setDefined(true);
    QcmaParameter_SetValue(copy.data(), false);
}
