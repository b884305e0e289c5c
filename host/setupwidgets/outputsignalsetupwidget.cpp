#include "outputsignalsetupwidget.h"
#include "ui_outputsignalsetupwidget.h"

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_pushbutton.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"

OutputSignalSetupWidget::OutputSignalSetupWidget(zelServerManager *manager, int port, QWidget *parent)
    : SetupWidget(manager, port, nsSID::otn, parent), ui(std::make_unique<Ui::OutputSignalSetupWidget>())
{
    ui->setupUi(this);

    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_PushButton>(
        manager, ui->gbLaser, QList<QPushButton *>{ui->pbLaserOff, ui->pbLaserOn},
        nsSID::otnSid(port, PID::Otn::TX::LASER), UiHelper::ConnectManually));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Label>(
        manager, ui->lblTxLevelValue, ui->lblTxLevel, ui->lblTxLevelUnit,
        nsSID::otnSid(port, PID::Otn::PHYSICAL::TX_LEVEL), currentIntervalSelector, UiHelper::ConnectManually));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Label>(
        manager, ui->lblTxWavelengthValue, ui->lblTxWavelength, ui->lblTxWavelengthUnit,
        nsSID::otnSid(port, PID::Otn::PHYSICAL::TX_WAVELENGTH), currentIntervalSelector, UiHelper::ConnectManually));
}

OutputSignalSetupWidget::~OutputSignalSetupWidget() = default;

void OutputSignalSetupWidget::updateText()
{
    m_helpers->UpdateText();
}
