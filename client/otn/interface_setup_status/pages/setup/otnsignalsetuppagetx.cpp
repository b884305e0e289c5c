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
#include "host/parameters/qcmaparameterenum.h"
#include "host/setupwidgets/clockconfigurationwidget.h"
#include "host/setupwidgets/multilanemappingdialog.h"
#include "host/setupwidgets/multilanemappingdialogmodel.h"
#include "host/setupwidgets/outputsignalsetupwidget.h"
#include "host/setupwidgets/physicalstatusminiwidget.h"
#include "host/texts/widgettext.h"

Q_LOGGING_CATEGORY(lcOtnSignalSetup, "otn.setup.signal")

namespace {
constexpr int pidPortMode = 11001;
constexpr int pidInterfaceSignal = 11008;
constexpr int pidModuleType = 11143;
constexpr int pidFirstLane = 11145;
constexpr int pidLaneCount = 11165;

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

OtnSignalSetupPageTx::~OtnSignalSetupPageTx()
{
    // The bindings report to this page and point into its form: they go first.
    m_helpers->Clear();
}

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
    const int strategy = UiHelper::ConnectManually;
    auto *moduleType = m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_PushButton>(
        m_manager, ui->gbTransmitter, nsSID::otnSid(m_port, pidModuleType), strategy));
    for (int value = 0; value < m_moduleButtons.size(); ++value) {
        if (QPushButton *button = m_moduleButtons.value(value))
            moduleType->PushButtonAdd(value, button);
    }
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(m_port, pidModuleType), strategy));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_PushButton>(
        m_manager, ui->gbPortMode, QList<QPushButton *>{ui->pbOff, ui->pbNormal, ui->pbThrough, ui->pbOhThrough},
        nsSID::otnSid(m_port, pidPortMode), strategy));
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(m_port, pidInterfaceSignal), strategy));
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(m_port, pidFirstLane), strategy));
}

void OtnSignalSetupPageTx::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (!isPageInitialized())
        return;
    switch (nsSID::idOf(parameter.getSID())) {
    case pidInterfaceSignal:
        m_laneCount = OtnMapping::numOfLldLane(parameter.getEnum());
        ui->pbMultiLane->setVisible(m_laneCount >= 1);
        break;
    case pidModuleType:
        if (parameter.getType() != QcmaParameter::TypeEnum) {
            qCWarning(lcOtnSignalSetup, "OtnSignalSetupPageTx: module type 0x%x is no enumeration; ignored.",
                      unsigned(parameter.getSID()));
            break;
        }
        showActiveModuleButtons(m_moduleButtons, static_cast<const QcmaParameterEnum &>(parameter));
        break;
    case pidFirstLane:
        ui->pbMultiLane->setEnabled(parameter.isDefined());
        break;
    default:
        break;
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
    QList<int> laneIds;
    for (int lane = 0; lane < m_laneCount; ++lane)
        laneIds.append(pidFirstLane + lane);
    auto *model = new MultiLaneMappingDialogModel(laneIds, pidLaneCount);
    const int mode = m_laneCount == bitMultiplexedLaneCount ? laneModeBitMultiplexed : laneModeOneToOne;
    uiEditDialog_open(std::make_unique<MultiLaneMappingDialog>(this, m_manager, m_port, nsSID::otn, model, mode));
}
