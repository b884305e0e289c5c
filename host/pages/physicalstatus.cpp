#include "physicalstatus.h"

#include "ui_physicalstatus.h"

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnmodule.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

PhysicalStatus::PhysicalStatus(const Identifier &identifier, zelServerManager *manager, int flags, int group,
                               const QString &helpPage, QWidget *parent)
    : SetupStatusPage(identifier, helpPage, manager, flags, parent),
      ui(std::make_unique<Ui::PhysicalStatus>()),
      m_group(group)
{
    setUpdateOnConnect(group);
}

PhysicalStatus::~PhysicalStatus() = default;

void PhysicalStatus::initializeUi()
{
    ui->setupUi(this);
    const zelServerManager *manager = serverManager();
    showLanes(laneCount(manager ? manager->GetPortModuleType(m_port) : 0));
}

void PhysicalStatus::initializeHelper()
{
    zelServerManager *manager = serverManager();
    const auto addLabel = [&](QLabel *value, QLabel *name, QLabel *unit, int id) {
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Label>(manager, value, name, unit,
                                                                nsSID::build(m_port, m_group, id),
                                                                currentIntervalSelector, UiHelper::ConnectManually, 0));
    };
    addLabel(ui->lblTransceiverValue, ui->lblTransceiver, nullptr, PID::Otn::TX::MODULE);
    addLabel(ui->lblWavelengthValue, ui->lblWavelength, ui->lblWavelengthUnit, PID::Otn::PHYSICAL::MODULE_WAVELENGTH);
    addLabel(ui->lblTemperatureValue, ui->lblTemperature, ui->lblTemperatureUnit,
             PID::Otn::PHYSICAL::MODULE_TEMPERATURE);
    QLabel *const rxValues[maxLanes] = {ui->lblRxPower1, ui->lblRxPower2, ui->lblRxPower3, ui->lblRxPower4};
    QLabel *const rxUnits[maxLanes] = {ui->lblRxUnit1, ui->lblRxUnit2, ui->lblRxUnit3, ui->lblRxUnit4};
    QLabel *const txValues[maxLanes] = {ui->lblTxPower1, ui->lblTxPower2, ui->lblTxPower3, ui->lblTxPower4};
    QLabel *const txUnits[maxLanes] = {ui->lblTxUnit1, ui->lblTxUnit2, ui->lblTxUnit3, ui->lblTxUnit4};
    for (int lane = 0; lane < maxLanes; ++lane) {
        addLabel(rxValues[lane], nullptr, rxUnits[lane], PID::Otn::PHYSICAL::RX_POWER_LANE1 + lane);
        addLabel(txValues[lane], nullptr, txUnits[lane], PID::Otn::PHYSICAL::TX_POWER_LANE1 + lane);
    }
    // The lane rows follow the module type.
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(
        manager, this, nsSID::build(m_port, m_group, PID::Otn::TX::MODULE), UiHelper::ConnectManually));
}

void PhysicalStatus::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int sid = parameter.getSID();
    if (!isPageInitialized() || nsSID::groupOf(sid) != m_group || nsSID::idOf(sid) != PID::Otn::TX::MODULE)
        return;
    showLanes(laneCount(parameter.isDefined() ? parameter.getEnum() : 0));
}

int PhysicalStatus::laneCount(int moduleType)
{
    return OtnModule::isMultiLane(moduleType) ? maxLanes : 1;
}

void PhysicalStatus::showLanes(int count)
{
    QLabel *const rows[maxLanes][5] = {
        {ui->lblLane1, ui->lblRxPower1, ui->lblRxUnit1, ui->lblTxPower1, ui->lblTxUnit1},
        {ui->lblLane2, ui->lblRxPower2, ui->lblRxUnit2, ui->lblTxPower2, ui->lblTxUnit2},
        {ui->lblLane3, ui->lblRxPower3, ui->lblRxUnit3, ui->lblTxPower3, ui->lblTxUnit3},
        {ui->lblLane4, ui->lblRxPower4, ui->lblRxUnit4, ui->lblTxPower4, ui->lblTxUnit4},
    };
    for (int lane = 0; lane < maxLanes; ++lane) {
        for (QLabel *label : rows[lane])
            label->setVisible(lane < count);
    }
}
