#include "otnsignalsetuppagetx.h"
#include "ui_otnsignalsetuppagetx.h"

#include <QLoggingCategory>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_pushbutton.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/setupwidgets/clockconfigurationwidget.h"
#include "host/setupwidgets/multilanemappingdialog.h"
#include "host/setupwidgets/multilanemappingdialogmodel.h"
#include "host/setupwidgets/outputsignalsetupwidget.h"
#include "host/setupwidgets/physicalstatusminiwidget.h"
#include "host/texts/widgettext.h"

Q_LOGGING_CATEGORY(lcOtnSignalSetup, "otn.setup.signal")

namespace {
constexpr int uiTextPhysicalStatus = 5096;
constexpr int uiTextClockConfiguration = 9324;
constexpr int uiTextLaneMapping = 5251;

// Width of the screen's left bar, which overlaps the page.
constexpr int screenLeftBarWidth = 25;
// 20 logical lanes go out over 4 physical lanes; every other lane count maps one to one.
constexpr int bitMultiplexedLaneCount = 20;
constexpr int laneModeOneToOne = 0;
constexpr int laneModeBitMultiplexed = 2;
} // namespace

OtnSignalSetupPageTx::OtnSignalSetupPageTx(const Identifier &identifier, zelServerManager *manager, int flags)
    : OtnSetupPage(identifier, manager, flags, 0, QStringLiteral("otn_setup_transmitter.html")),
      ui(std::make_unique<Ui::OtnSignalSetupPageTx>())
{
}

OtnSignalSetupPageTx::~OtnSignalSetupPageTx() = default;

void OtnSignalSetupPageTx::initializeUi()
{
    ui->setupUi(this);
    installComboDelegates(this);
    setContentsMargins(screenLeftBarWidth, 0, 0, 0);

    m_clockConfiguration = new ClockConfigurationWidget(m_manager, m_port, this);
    m_outputSignalSetup = new OutputSignalSetupWidget(m_manager, m_port, this);
    ui->gbClockConfiguration->layout()->addWidget(m_clockConfiguration);
    ui->gbClockConfiguration->layout()->addWidget(m_outputSignalSetup);
    m_physicalStatus = new PhysicalStatusMiniWidget(m_manager, m_port, nsSID::otn, this);
    ui->gbPhysicalStatus->layout()->addWidget(m_physicalStatus);

    UpdateText();
    connect(ui->pbMultiLane, &QPushButton::clicked, this, &OtnSignalSetupPageTx::multiLaneClicked,
            Qt::AutoConnection);

    m_moduleButtons = {
        {0, ui->pbSfp},  {1, ui->pbQsfpp},       {2, ui->pbCfp}, {3, ui->pbCfp2},
        {4, ui->pbCfp4}, {5, ui->pbQsfp28Adpt}, {6, ui->pbCxp}, {7, ui->pbQsfp28},
    };
}

void OtnSignalSetupPageTx::initializeHelper()
{
    using namespace PID::Otn;
    const int strategy = UiHelper::ConnectManually;
    auto *moduleType = m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_PushButton>(
        m_manager, ui->gbTransmitter, nsSID::otnSid(m_port, PID::Otn::TX::MODULE), strategy));
    for (int value = 0; value < m_moduleButtons.size(); ++value) {
        if (QPushButton *button = m_moduleButtons.value(value))
            moduleType->PushButtonAdd(value, button);
    }
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(
        m_manager, this, nsSID::otnSid(m_port, PID::Otn::TX::MODULE), strategy));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_PushButton>(
        m_manager, ui->gbPortMode, QList<QPushButton *>{ui->pbOff, ui->pbNormal, ui->pbThrough, ui->pbOhThrough},
        nsSID::otnSid(m_port, PID::Otn::TX::PORT_MODE), strategy));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(
        m_manager, this, nsSID::otnSid(m_port, PID::Otn::TX::MAPPING[OtnMapping::FieldInterface]), strategy));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(
        m_manager, this, nsSID::otnSid(m_port, PID::Otn::TX::FIRST_LANE_MAPPING), strategy));
}

void OtnSignalSetupPageTx::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (!isPageInitialized())
        return;
    using namespace PID::Otn;
    const int id = nsSID::idOf(parameter.getSID());
    if (id == TX::MAPPING[OtnMapping::FieldInterface]) {
        m_laneCount = OtnMapping::numOfLldLane(parameter.getEnum());
        ui->pbMultiLane->setVisible(m_laneCount >= 1);
    } else if (id == TX::MODULE) {
        if (parameter.getType() != QcmaParameter::TypeEnum) {
            qCWarning(lcOtnSignalSetup, "OtnSignalSetupPageTx: module type 0x%x is no enumeration; ignored.",
                      unsigned(parameter.getSID()));
            return;
        }
        showActiveModuleButtons(m_moduleButtons, static_cast<const QcmaParameterEnum &>(parameter));
    } else if (id == TX::FIRST_LANE_MAPPING) {
        ui->pbMultiLane->setEnabled(parameter.isDefined());
    }
}

void OtnSignalSetupPageTx::showActiveModuleButtons(const QHash<int, QPushButton *> &buttons,
                                                   const QcmaParameterEnum &parameter)
{
    for (QPushButton *button : buttons)
        button->setVisible(false);
    for (int value = parameter.minimum(); value <= parameter.maximum(); ++value) {
        QPushButton *button = buttons.value(value, nullptr);
        if (button && parameter.isEnumActive(value))
            button->setVisible(true);
    }
}

void OtnSignalSetupPageTx::UpdateText()
{
    if (!isPageInitialized())
        return;
    const WidgetText texts = this->texts();
    m_helpers->UpdateText();
    m_physicalStatus->UpdateText();
    ui->gbPhysicalStatus->setTitle(texts.getUiText(uiTextPhysicalStatus, 0));
    ui->gbClockConfiguration->setTitle(texts.getUiText(uiTextClockConfiguration, 0));
    ui->pbMultiLane->setText(texts.getUiText(uiTextLaneMapping, 0));
    m_clockConfiguration->updateText();
    m_outputSignalSetup->updateText();
}

void OtnSignalSetupPageTx::setPort(int port)
{
    SetupStatusPage::setPort(port);
    if (m_clockConfiguration)
        m_clockConfiguration->setPort(port);
    if (m_outputSignalSetup)
        m_outputSignalSetup->setPort(port);
    if (m_physicalStatus)
        m_physicalStatus->setPort(port);
}

void OtnSignalSetupPageTx::SetGUIAccessState(int state)
{
    if (!isPageInitialized())
        return;
    Page::SetGUIAccessState(state);
    ui->gbClockConfiguration->setEnabled(state == 0);
    if (m_outputSignalSetup)
        m_outputSignalSetup->setEnabled(state == 0);
}

void OtnSignalSetupPageTx::reinitialize()
{
    if (!isPageInitialized())
        return;
    m_helpers->Clear();
    initializeHelper();
    connectHelper();
}

void OtnSignalSetupPageTx::multiLaneClicked()
{
    if (m_laneCount < 1)
        return;
    auto *model = new MultiLaneMappingDialogModel(
        MultiLaneMappingDialogModel::consecutiveIds(PID::Otn::TX::FIRST_LANE_MAPPING, m_laneCount),
        PID::Otn::TX::LANE_COUNT);
    const int mode = m_laneCount == bitMultiplexedLaneCount ? laneModeBitMultiplexed : laneModeOneToOne;
    uiEditDialog_open(std::make_unique<MultiLaneMappingDialog>(this, m_manager, m_port, nsSID::otn, model, mode));
}
