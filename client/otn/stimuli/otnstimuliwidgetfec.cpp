#include "otnstimuliwidgetfec.h"

#include "ui_otnstimuliwidgetfec.h"

#include <QComboBox>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_enum_radiobutton.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"

namespace {

constexpr int fecTitleText = 3074;
constexpr int noItem = 0;
// Symbol errors are inserted at a rate; the other items are whole sub-rows.
constexpr int symbolErrorItem = 1;

} // namespace

OtnStimuliWidgetFec::OtnStimuliWidgetFec(const ClientInfo &client, QWidget *parent)
    : OtnStimuliWidget(client, fecTitleText, parent), ui(std::make_unique<Ui::OtnStimuliWidgetFec>())
{
    ui->setupUi(this);
    installComboDelegates(this);
    // As for no item, until the tester's value arrives.
    showItemSettings(noItem);
    initializeHelpers();
    tellSelectorChanges({ui->cmbItem, ui->cmbMode});
}

OtnStimuliWidgetFec::~OtnStimuliWidgetFec() = default;

void OtnStimuliWidgetFec::initializeHelpers()
{
    using namespace PID::Otn::STIMULI;
    const int port = this->port();
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbItem, ui->lblItem, nullptr,
                                                                    nullptr, nsSID::otnSid(port, FEC_ITEM), 1));
    // The sub-row items have long names: the closed combo shortens them, its list shows them whole.
    ui->cmbItem->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbMode, ui->lblMode, nullptr,
                                                                    nullptr, nsSID::otnSid(port, FEC_MODE), 1));
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Number>(m_manager, ui->pbRate, ui->lblRate, nullptr, nsSID::otnSid(port, FEC_RATE), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbRate, nullptr, nullptr, nullptr,
                                                                    nsSID::otnSid(port, FEC_RATE_EXPONENT), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_RadioButton>(
        m_manager, ui->gbExcFas, true, QList<QRadioButton *>{ui->rbOff, ui->rbOn}, nsSID::otnSid(port, FEC_EXCLUDE_FAS),
        1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbSubrow, ui->lblSubrow, nullptr,
                                                             nsSID::otnSid(port, FEC_SUBROW), 1));
    // Connected at once: the widgets follow the item also while the panel is hidden.
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, FEC_ITEM), 2));
}

void OtnStimuliWidgetFec::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (nsSID::idOf(parameter.getSID()) == PID::Otn::STIMULI::FEC_ITEM && parameter.getType() == QcmaParameter::TypeEnum)
        showItemSettings(parameter.getEnum());
}

void OtnStimuliWidgetFec::showItemSettings(int item)
{
    const bool inserting = item != noItem;
    const bool rate = item == symbolErrorItem;
    ui->frameMode->setVisible(inserting);
    ui->frameSubrow->setVisible(inserting && !rate);
    ui->frameRate->setVisible(rate);
    ui->gbExcFas->setVisible(rate);
}

QString OtnStimuliWidgetFec::insertionText() const
{
    return selectorsText({ui->cmbItem, ui->cmbMode});
}
