#include "physicalstatusminiwidget.h"
#include "ui_physicalstatusminiwidget.h"

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelper_status.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"

PhysicalStatusMiniWidget::PhysicalStatusMiniWidget(zelServerManager *manager, int port, int group, QWidget *parent)
    : SetupWidget(manager, port, group, parent), ui(std::make_unique<Ui::PhysicalStatusMiniWidget>())
{
    ui->setupUi(this);

    m_helpers->AddUiHelper(std::make_unique<UiHelper_Status>(manager, ui->ledSignal, ui->lblSignal,
                                                             nsSID::build(port, group, PID::Otn::STATUS::LOS),
                                                             UiHelper::ConnectManually));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Label>(manager, ui->lblLevelValue, ui->lblLevel, ui->lblLevelUnit,
                                                            nsSID::build(port, group, PID::Otn::PHYSICAL::RX_LEVEL),
                                                            currentIntervalSelector, UiHelper::ConnectManually));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Label>(manager, ui->lblFrequencyValue, ui->lblFrequency,
                                                            ui->lblFrequencyUnit,
                                                            nsSID::build(port, group, PID::Otn::PHYSICAL::RX_FREQUENCY),
                                                            currentIntervalSelector, UiHelper::ConnectManually));
}

PhysicalStatusMiniWidget::~PhysicalStatusMiniWidget() = default;

PortStatusItem *PhysicalStatusMiniWidget::led() const
{
    return ui->ledSignal;
}
