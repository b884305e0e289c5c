#include "otnstatusphysicalpage.h"
#include "ui_otnstatusphysicalpage.h"

#include <QHBoxLayout>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelper_status.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"
#include "host/widgets/portstatusitem.h"

namespace {

constexpr int ledSize = 20;
constexpr int uiTextTx = 4187;
constexpr int uiTextRx = 4188;

} // namespace

OtnStatusPhysicalPage::OtnStatusPhysicalPage(const Identifier &identifier, zelServerManager *manager, int flags)
    : OtnStatusPageBase(identifier, manager, flags), ui(std::make_unique<Ui::OtnStatusPhysicalPage>())
{
    setHelpPage(QStringLiteral("otn_status_physical.html"));
}

OtnStatusPhysicalPage::~OtnStatusPhysicalPage() = default;

void OtnStatusPhysicalPage::initializeUi()
{
    ui->setupUi(this);
    installComboDelegates(this);
    UpdateText();
}

void OtnStatusPhysicalPage::initializeHelper()
{
    auto *led = new PortStatusItem(ui->lblRxLevelLed);
    led->setFixedSize(ledSize, ledSize);
    // In a layout of its holder, so that the holder keeps room for it and centres it in the row.
    auto *ledLayout = new QHBoxLayout(ui->lblRxLevelLed);
    ledLayout->setContentsMargins(0, 0, 0, 0);
    ledLayout->setSizeConstraint(QLayout::SetMinimumSize);
    ledLayout->addWidget(led, 0, Qt::AlignCenter);
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Status>(m_manager, led, nullptr,
                                                             nsSID::otnSid(m_port, PID::Otn::STATUS::LOS),
                                                             UiHelper::ConnectManually));

    struct Value {
        QLabel *value;
        QLabel *caption;
        QLabel *unit;
        int id;
    };
    using namespace PID::Otn::PHYSICAL;
    const Value values[] = {
        {ui->lblRxLevelValue, ui->lblRxLevel, ui->lblRxLevelUnit, RX_LEVEL},
        {ui->lblRxFreqValue, ui->lblRxFreq, ui->lblRxFreqUnit, RX_FREQUENCY},
        {ui->lblRxFreqDiff, nullptr, ui->lblRxFreqDiffUnit, RX_OFFSET},
        {ui->lblTxLevelValue, ui->lblTxLevel, ui->lblTxLevelUnit, TX_LEVEL},
        {ui->lblTxFreqValue, ui->lblTxFreq, ui->lblTxFreqUnit, TX_FREQUENCY},
        {ui->lblTxFreqDiff, nullptr, ui->lblTxFreqDiffUnit, TX_OFFSET},
    };
    for (const Value &v : values) {
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Label>(m_manager, v.value, v.caption, v.unit,
                                                                nsSID::otnSid(m_port, v.id),
                                                                currentIntervalSelector, UiHelper::ConnectManually,
                                                                UiHelper_Label::FormatPlain));
    }
}

void OtnStatusPhysicalPage::UpdateText()
{
    if (!isPageInitialized())
        return;
    ui->lblRx->setText(texts().getUiText(uiTextRx, 0));
    ui->lblTx->setText(texts().getUiText(uiTextTx, 0));
    OtnStatusPageBase::UpdateText();
}
