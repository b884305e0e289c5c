#include "clockconfigurationwidget.h"
#include "ui_clockconfigurationwidget.h"

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "setupwidgetids.h"

ClockConfigurationWidget::ClockConfigurationWidget(zelServerManager *manager, int port, QWidget *parent)
    : SetupWidget(manager, port, nsSID::otn, parent), ui(std::make_unique<Ui::ClockConfigurationWidget>())
{
    ui->setupUi(this);

    const int sourceSid = nsSID::otnSid(port, PID::Otn::TX::CLOCK_SOURCE);
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        manager, ui->cmbClockSource, ui->lblClockSource, nullptr, nullptr, sourceSid, UiHelper::ConnectManually));
    m_offset = m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(
        manager, ui->pbFrequencyOffset, ui->lblFrequencyOffset, ui->lblFrequencyOffsetUnit,
        nsSID::otnSid(port, PID::Otn::STIMULI::FREQUENCY_OFFSET), UiHelper::ConnectManually));
    // The offset is a data widget, so that the source rule below can switch it off.
    m_offset->SetHelperWidgetActive(ui->pbFrequencyOffset, true, true);
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(manager, this, sourceSid, UiHelper::ConnectManually));
}

ClockConfigurationWidget::~ClockConfigurationWidget() = default;

void ClockConfigurationWidget::updateText()
{
    m_helpers->UpdateText();
}

void ClockConfigurationWidget::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (nsSID::idOf(parameter.getSID()) != PID::Otn::TX::CLOCK_SOURCE)
        return;
    // A reference clock cannot be offset; only the internal oscillator can.
    m_offset->SetDataEnabled(parameter.isDefined() && parameter.getEnum() == nsSetupWidgets::clockSourceInternal);
}
