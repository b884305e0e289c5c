#include "otnstimuliwidgetjustification.h"

#include "ui_otnstimuliwidgetjustification.h"

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "client/otn/components/uihelpers/uihelper_settext_combobox.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelper_pushbutton.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

namespace {

constexpr int justificationTitleText = 3070;
constexpr int levelLabelText = 5116;

} // namespace

OtnStimuliWidgetJustification::OtnStimuliWidgetJustification(const ClientInfo &client, QWidget *parent)
    : OtnStimuliWidget(client, justificationTitleText, parent),
      ui(std::make_unique<Ui::OtnStimuliWidgetJustification>())
{
    m_mapping.init();
    ui->setupUi(this);
    installComboDelegates(this);
    initializeHelpers();
    UpdateText();
}

OtnStimuliWidgetJustification::~OtnStimuliWidgetJustification() = default;

QStringList OtnStimuliWidgetJustification::levelTexts(const OtnMapping &mapping)
{
    QStringList texts = mapping.getOduNames();
    // The justification acts on the OPU of the level: ODU2 is offered as OPU2.
    for (QString &text : texts) {
        if (text.size() > 1)
            text[1] = QLatin1Char('P');
    }
    while (texts.size() < OtnMapping::maxLevels)
        texts << QString();
    return texts;
}

void OtnStimuliWidgetJustification::initializeHelpers()
{
    using namespace PID::Otn;
    const int port = this->port();
    // The whole transmitted structure: the interface signal alone does not tell the levels below it.
    for (int id : TX::MAPPING)
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, id), 1));
    m_levelHelper = m_helpers->AddUiHelper(std::make_unique<UiHelper_SetText_ComboBox>(
        m_manager, ui->cmbLevel, levelTexts(m_mapping), nsSID::otnSid(port, STIMULI::JUSTIFICATION_LEVEL), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbBurst, ui->lblBurst, nullptr,
                                                             nsSID::otnSid(port, STIMULI::JUSTIFICATION_BURST), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        m_manager, ui->cmbMove, ui->lblMove, nullptr, nullptr, nsSID::otnSid(port, STIMULI::JUSTIFICATION_MOVE), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(
        m_manager, this, nsSID::otnSid(port, STIMULI::JUSTIFICATION_LEVEL), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_PushButton>(
        m_manager, ui->pbApply, nsSID::otnSid(port, STIMULI::JUSTIFICATION_APPLY), 1));
}

void OtnStimuliWidgetJustification::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (takeTxMappingField(parameter, m_mapping) && m_levelHelper)
        m_levelHelper->setTextList(levelTexts(m_mapping));
}

void OtnStimuliWidgetJustification::UpdateText()
{
    if (m_manager)
        ui->lblLevel->setText(m_manager->texts().getUiText(levelLabelText) + QLatin1Char(':'));
    OtnStimuliWidget::UpdateText();
}
