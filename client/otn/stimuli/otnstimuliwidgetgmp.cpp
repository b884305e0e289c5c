#include "otnstimuliwidgetgmp.h"

#include "ui_otnstimuliwidgetgmp.h"

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "client/otn/components/uihelpers/uihelper_settext_combobox.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

namespace {

constexpr int gmpTitleText = 3072;
constexpr int levelLabelText = 5116;

} // namespace

OtnStimuliWidgetGmp::OtnStimuliWidgetGmp(const ClientInfo &client, QWidget *parent)
    : OtnStimuliWidget(client, gmpTitleText, parent), ui(std::make_unique<Ui::OtnStimuliWidgetGmp>())
{
    m_mapping.init();
    ui->setupUi(this);
    installComboDelegates(this);
    initializeHelpers();
    UpdateText();
    tellSelectorChanges({ui->cmbItem, ui->cmbLevel});
}

OtnStimuliWidgetGmp::~OtnStimuliWidgetGmp() = default;

QStringList OtnStimuliWidgetGmp::levelTexts(const OtnMapping &mapping)
{
    QStringList texts;
    for (int level = 0; level < OtnMapping::maxLevels; ++level)
        texts << (mapping.isGmp(level) ? mapping.getOduName(level) : QString());
    return texts;
}

void OtnStimuliWidgetGmp::initializeHelpers()
{
    using namespace PID::Otn;
    const int port = this->port();
    // The whole transmitted structure: which levels are GMP-mapped depends on every stage.
    for (int id : TX::MAPPING)
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, id), 1));
    m_levelHelper = m_helpers->AddUiHelper(std::make_unique<UiHelper_SetText_ComboBox>(
        m_manager, ui->cmbLevel, levelTexts(m_mapping), nsSID::otnSid(port, STIMULI::GMP_LEVEL), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        m_manager, ui->cmbItem, ui->lblItem, nullptr, nullptr, nsSID::otnSid(port, STIMULI::GMP_ITEM), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbError, ui->lblError, nullptr,
                                                             nsSID::otnSid(port, STIMULI::GMP_ERROR_BITS), 1));
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, STIMULI::GMP_LEVEL), 1));
}

void OtnStimuliWidgetGmp::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (takeTxMappingField(parameter, m_mapping) && m_levelHelper)
        m_levelHelper->setTextList(levelTexts(m_mapping));
}

void OtnStimuliWidgetGmp::UpdateText()
{
    if (m_manager)
        ui->lblLevel->setText(m_manager->texts().getUiText(levelLabelText) + QLatin1Char(':'));
    OtnStimuliWidget::UpdateText();
}

QString OtnStimuliWidgetGmp::insertionText() const
{
    return selectorsText({ui->cmbItem, ui->cmbLevel});
}
