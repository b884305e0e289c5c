#include "uihelper_enum_buttons.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QScopedValueRollback>

#include "enumvalues.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/texts/widgettext.h"

UiHelper_Enum_Buttons::UiHelper_Enum_Buttons(zelServerManager *manager, QGroupBox *groupBox, const char *sourceFile)
    : UiHelper(manager), m_groupBox(groupBox), m_sourceFile(sourceFile)
{
    SetHelperWidgetActive(m_groupBox, true, false);
}

UiHelper_Enum_Buttons::~UiHelper_Enum_Buttons()
{
    for (const QPointer<QAbstractButton> &button : qAsConst(m_buttons)) {
        if (button)
            disconnect(button.data(), nullptr, this, nullptr);
    }
}

void UiHelper_Enum_Buttons::setButton(int value, QAbstractButton *button)
{
    if (!button)
        return;
    if (QAbstractButton *previous = m_buttons.value(value))
        disconnect(previous, nullptr, this, nullptr);
    m_buttons.insert(value, button);
}

void UiHelper_Enum_Buttons::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (!EnumValues::isEnumerable(parameter)) {
        fZEL_FATAL(m_sourceFile, __LINE__,
                   QStringLiteral("Incorrect qcmaparameter type=%1 for %2(sid=%3)")
                       .arg(parameter.getType())
                       .arg(QLatin1String(metaObject()->className()))
                       .arg(uint(getSID()), 0, 16));
        return;
    }
    showValue(parameter.getInt(), parameter.isDefined());
}

void UiHelper_Enum_Buttons::showValue(int value, bool defined)
{
    QScopedValueRollback<bool> guard(m_updating, true);
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (*it)
            (*it)->setChecked(defined && it.key() == value);
    }
}

void UiHelper_Enum_Buttons::UpdateActiveWidgets()
{
    UiHelper::UpdateActiveWidgets();
    const bool enabled = dataWidgetsEnabled();
    const QcmaParameter *current = QcmaParameter_Get();
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (*it)
            (*it)->setEnabled(enabled && EnumValues::isSelectable(current, it.key()));
    }
}

void UiHelper_Enum_Buttons::UpdateText()
{
    const WidgetText texts = this->texts();
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (*it && (*it)->text().isEmpty())
            (*it)->setText(texts.getValueName(getSID(), it.key(), terminology()));
    }
}

bool UiHelper_Enum_Buttons::holdsEnumerable() const
{
    const QcmaParameter *current = QcmaParameter_Get();
    return current && EnumValues::isEnumerable(*current);
}

bool UiHelper_Enum_Buttons::isCurrentValue(int value) const
{
    const QcmaParameter *current = QcmaParameter_Get();
    return current && current->isDefined() && current->getInt() == value;
}

void UiHelper_Enum_Buttons::writeValue(int value)
{
    const std::unique_ptr<QcmaParameter> copy = QcmaParameterFactory::createCopy(QcmaParameter_Get());
    if (!copy) {
        fZEL_ASSERT(m_sourceFile, __LINE__, QStringLiteral("(void*)qcmaParam != 0"), QStringLiteral("qcmaParam is 0"));
        return;
    }
    static_cast<QcmaParameterInt *>(copy.get())->setValue(value);
    copy->setDefined(true);
    QcmaParameter_SetValue(copy.get(), false);
}
