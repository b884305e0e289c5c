#include "otnstimuliwidgetgfp.h"

#include "ui_otnstimuliwidgetgfp.h"

#include <QComboBox>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"

namespace {

constexpr int gfpTitleText = 3073;
// The client signal fail items: whole frames sent at an interval, no bits to count.
constexpr int csfLossOfSignalItem = 6;
constexpr int csfLossOfSyncItem = 7;
constexpr int burstMode = 1;

} // namespace

OtnStimuliWidgetGfp::OtnStimuliWidgetGfp(const ClientInfo &client, QWidget *parent)
    : OtnStimuliWidget(client, gfpTitleText, parent), ui(std::make_unique<Ui::OtnStimuliWidgetGfp>())
{
    ui->setupUi(this);
    installComboDelegates(this);
    // As for the first values, until the tester's arrive.
    showItemSettings(0);
    showModeSettings(0);
    initializeHelpers();
    tellSelectorChanges({ui->cmbItem, ui->cmbInsertionMode});
}

OtnStimuliWidgetGfp::~OtnStimuliWidgetGfp() = default;

void OtnStimuliWidgetGfp::initializeHelpers()
{
    using namespace PID::Otn::STIMULI;
    const int port = this->port();
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbItem, ui->lblItem, nullptr,
                                                                    nullptr, nsSID::otnSid(port, GFP_ITEM), 1));
    // The client signal fail items have long names: the closed combo shortens them, its list shows them whole.
    ui->cmbItem->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, GFP_ITEM), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        m_manager, ui->cmbInsertionMode, ui->lblInsertionMode, nullptr, nullptr, nsSID::otnSid(port, GFP_MODE), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, GFP_MODE), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbError, ui->lblError, nullptr,
                                                             nsSID::otnSid(port, GFP_ERROR_BITS), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbErrorLength, ui->lblErrorLength,
                                                             nullptr, nsSID::otnSid(port, GFP_ERROR_LENGTH), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbInterval, ui->lblInterval,
                                                             ui->lblIntervalUnit, nsSID::otnSid(port, GFP_INTERVAL), 1));
}

void OtnStimuliWidgetGfp::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (parameter.getType() != QcmaParameter::TypeEnum)
        return;
    const int id = nsSID::idOf(parameter.getSID());
    if (id == PID::Otn::STIMULI::GFP_ITEM)
        showItemSettings(parameter.getEnum());
    else if (id == PID::Otn::STIMULI::GFP_MODE)
        showModeSettings(parameter.getEnum());
}

void OtnStimuliWidgetGfp::showItemSettings(int item)
{
    const bool csf = item == csfLossOfSignalItem || item == csfLossOfSyncItem;
    ui->pbError->setVisible(!csf);
    ui->lblError->setVisible(!csf);
    ui->pbInterval->setVisible(csf);
    ui->lblInterval->setVisible(csf);
    ui->lblIntervalUnit->setVisible(csf);
}

void OtnStimuliWidgetGfp::showModeSettings(int mode)
{
    ui->pbErrorLength->setVisible(mode == burstMode);
    ui->lblErrorLength->setVisible(mode == burstMode);
}

QString OtnStimuliWidgetGfp::insertionText() const
{
    return selectorsText({ui->cmbItem, ui->cmbInsertionMode});
}
