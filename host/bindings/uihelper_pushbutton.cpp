#include "uihelper_pushbutton.h"

#include <QPushButton>

#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameter.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/server/zelservermanager.h"

UiHelper_PushButton::UiHelper_PushButton(zelServerManager *manager, QPushButton *button, int sid, int strategy)
    : UiHelper(manager), m_button(button)
{
    if (m_button) {
        connect(m_button.data(), &QPushButton::clicked, this, &UiHelper_PushButton::clicked);
        SetHelperWidgetActive(m_button, true, true);
    }
    setSID_QcmaParameter(sid, strategy);
    UpdateText();
    UpdateActiveWidgets();
}

UiHelper_PushButton::~UiHelper_PushButton()
{
    if (m_button)
        disconnect(m_button.data(), nullptr, this, nullptr);
}

void UiHelper_PushButton::UpdateText()
{
    // A form usually names its command button; an unnamed one shows the parameter's name.
    if (m_button && m_button->text().isEmpty())
        m_button->setText(GetText_Name());
}

void UiHelper_PushButton::clicked()
{
    if (m_updating)
        return;
    std::unique_ptr<QcmaParameter> trigger = QcmaParameter_GetCopy();
    // A trigger the server has not announced yet is built from its catalogue entry.
    if (!trigger && serverManager()) {
        if (const ParameterDefinition *d = serverManager()->catalogue().findBySid(getSID()))
            trigger = d->createParameter(getSID());
    }
    ZEL_ASSERT_TEXT(trigger, "(void*)qcmaParam != 0",
                    QStringLiteral("no parameter for UiHelper_PushButton(sid=%1)").arg(uint(getSID()), 0, 16));
    if (!trigger)
        return;
    const int type = trigger->getType();
    const bool numeric = type == QcmaParameter::TypeInt || type == QcmaParameter::TypeEnum
        || type == QcmaParameter::TypeUInt || type == QcmaParameter::TypeDouble;
    if (!numeric || !trigger->setValue(QVariant(1))) {
        ZEL_FATAL(QStringLiteral("Incorrect qcmaparameter type=%1 for UiHelper_PushButton(sid=%2)")
                      .arg(trigger->getType())
                      .arg(uint(getSID()), 0, 16));
        return;
    }
    trigger->setDefined(true);
    QcmaParameter_SetValue(trigger.get(), false);
}
