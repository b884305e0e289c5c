#include "uihelper_enum_radiobutton.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScopedPointer>
#include <QScopedValueRollback>

#include "enumvalues.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/texts/widgettext.h"

UiHelper_Enum_RadioButton::UiHelper_Enum_RadioButton(zelServerManager *manager, QGroupBox *groupBox,
                                                     bool useGroupTitle, const QList<QRadioButton *> &buttons,
                                                     int sid, int strategy)
    : UiHelper(manager), m_groupBox(groupBox), m_useGroupTitle(useGroupTitle)
{
    SetHelperWidgetActive(m_groupBox, true, false);
    for (int i = 0; i < buttons.size(); ++i) {
        QRadioButton *button = buttons.at(i);
        m_buttons.append(button);
        if (button)
            connect(button, &QRadioButton::toggled, this, [this, i](bool checked) { buttonToggled(i, checked); });
    }
    setSID_QcmaParameter(sid, strategy);
    UpdateText();
    UpdateActiveWidgets();
}

UiHelper_Enum_RadioButton::~UiHelper_Enum_RadioButton()
{
    for (const QPointer<QRadioButton> &button : qAsConst(m_buttons)) {
        if (button)
            disconnect(button.data(), nullptr, this, nullptr);
    }
}

void UiHelper_Enum_RadioButton::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (!EnumValues::isEnumerable(parameter)) {
        ZEL_FATAL(QStringLiteral("Incorrect qcmaparameter type=%1 for UiHelper_Enum_RadioButton(sid=%2)")
                      .arg(parameter.getType())
                      .arg(uint(getSID()), 0, 16));
        return;
    }
    showValue(parameter.getInt(), parameter.isDefined());
}

void UiHelper_Enum_RadioButton::showValue(int value, bool defined)
{
    QScopedValueRollback<bool> guard(m_updating, true);
    const bool known = defined && value >= 0 && value < m_buttons.size() && m_buttons.at(value);
    for (const QPointer<QRadioButton> &button : qAsConst(m_buttons)) {
        if (!button)
            continue;
        // Exclusive radio buttons cannot all be cleared; lift the rule for a value no button stands for.
        const bool exclusive = button->autoExclusive();
        if (!known)
            button->setAutoExclusive(false);
        button->setChecked(known && button == m_buttons.at(value));
        button->setAutoExclusive(exclusive);
    }
}

void UiHelper_Enum_RadioButton::UpdateActiveWidgets()
{
    UiHelper::UpdateActiveWidgets();
    const bool enabled = dataWidgetsEnabled();
    const QcmaParameter *current = QcmaParameter_Get();
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons.at(i))
            m_buttons.at(i)->setEnabled(enabled && EnumValues::isSelectable(current, i));
    }
}

void UiHelper_Enum_RadioButton::UpdateText()
{
    if (m_useGroupTitle && m_groupBox)
        m_groupBox->setTitle(GetText_Name());
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons.at(i) && m_buttons.at(i)->text().isEmpty())
            m_buttons.at(i)->setText(WidgetText::instance()->getValueName(getSID(), i, terminology()));
    }
}

void UiHelper_Enum_RadioButton::buttonToggled(int value, bool checked)
{
    if (m_updating || !checked)
        return;
    const QcmaParameter *current = QcmaParameter_Get();
    if (!current || !EnumValues::isEnumerable(*current) || (current->isDefined() && current->getInt() == value))
        return;
    QScopedPointer<QcmaParameter> copy(QcmaParameterFactory::createCopy(current));
    ZEL_ASSERT_TEXT(copy, "(void*)qcmaParam != 0", QStringLiteral("qcmaParam is 0"));
    if (!copy)
        return;
    static_cast<QcmaParameterInt *>(copy.data())->setValue(value);
    copy->setDefined(true);
    QcmaParameter_SetValue(copy.data(), false);
}
