#include "otnsignalsetuppagerx.h"
#include "ui_otnsignalsetuppagerx.h"

#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_pushbutton.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/setupwidgets/physicalstatusminiwidget.h"
#include "host/texts/widgettext.h"
#include "otnsignalsetuppagetx.h"

namespace {
constexpr int uiTextPhysicalStatus = 5096;
// Width of the screen's left bar, which overlaps the page.
constexpr int screenLeftBarWidth = 25;
} // namespace

OtnSignalSetupPageRx::OtnSignalSetupPageRx(const Identifier &identifier, zelServerManager *manager, int flags)
    : OtnSetupPage(identifier, manager, flags, 1, QStringLiteral("otn_setup_receiver.html")),
      ui(std::make_unique<Ui::OtnSignalSetupPageRx>())
{
}

OtnSignalSetupPageRx::~OtnSignalSetupPageRx() = default;

void OtnSignalSetupPageRx::initializeUi()
{
    ui->setupUi(this);
    installComboDelegates(this);
    setContentsMargins(screenLeftBarWidth, 0, 0, 0);

    m_physicalStatus = new PhysicalStatusMiniWidget(m_manager, m_port, nsSID::otn, this);
    ui->gbPhysicalStatus->layout()->addWidget(m_physicalStatus);

    UpdateText();

    m_moduleButtons.clear();
    m_moduleButtons = {
        {0, ui->pbOff},  {1, ui->pbSfp},  {2, ui->pbQsfpp},       {3, ui->pbCfp},    {4, ui->pbCxp},
        {5, ui->pbCfp2}, {6, ui->pbQsfp28Adpt}, {7, ui->pbCfp4}, {8, ui->pbQsfp28},
    };
}

void OtnSignalSetupPageRx::initializeHelper()
{
    const int sid = nsSID::otnSid(m_port, PID::Otn::RX::MODULE);
    auto *moduleType = m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Enum_PushButton>(m_manager, ui->gbReceiver, sid, UiHelper::ConnectManually));
    for (int value = 0; value < m_moduleButtons.size(); ++value) {
        if (QPushButton *button = m_moduleButtons.value(value))
            moduleType->PushButtonAdd(value, button);
    }
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, sid, UiHelper::ConnectManually));
}

void OtnSignalSetupPageRx::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (!isPageInitialized() || parameter.getType() != QcmaParameter::TypeEnum
        || nsSID::idOf(parameter.getSID()) != PID::Otn::RX::MODULE)
        return;
    OtnSignalSetupPageTx::showActiveModuleButtons(m_moduleButtons,
                                                  static_cast<const QcmaParameterEnum &>(parameter));
}

void OtnSignalSetupPageRx::UpdateText()
{
    if (!isPageInitialized())
        return;
    m_helpers->UpdateText();
    m_physicalStatus->UpdateText();
    ui->gbPhysicalStatus->setTitle(texts().getUiText(uiTextPhysicalStatus, 0));
    ui->pbQsfp28->setText(tr("QSFP28"));
    ui->pbCfp4->setText(tr("CFP4"));
    ui->pbQsfp28Adpt->setText(tr("QSFP28 Adpt."));
}

void OtnSignalSetupPageRx::setPort(int port)
{
    SetupStatusPage::setPort(port);
    if (isPageInitialized())
        m_physicalStatus->setPort(port);
}

void OtnSignalSetupPageRx::reinitialize()
{
    if (!isPageInitialized())
        return;
    m_helpers->Clear();
    initializeHelper();
    connectHelper();
}
