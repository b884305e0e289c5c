#include "otnstimuliwidgetotn.h"

#include "ui_otnstimuliwidgetotn.h"

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/contract/interfacesetupidentifier.h"
#include "host/otn/otnalarmerror.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "otnstimuliwidgeterror.h"
#include "otnstimuliwidgetfec.h"
#include "otnstimuliwidgetgfp.h"
#include "otnstimuliwidgetgmp.h"
#include "otnstimuliwidgetllderror.h"

namespace {

constexpr int containerTitleText = 3069;

// Category keys: the values of the category parameter.
enum CategoryKey { ErrorAlarmCategory = 0, GmpCategory, GfpCategory, FecCategory, LldErrorCategory };

// The sample insertion: ODU-AIS on the second level, continuously.
constexpr int sampleLevel = 1;
constexpr int sampleItem = 10;
constexpr int continuousMode = 3;

using namespace PID::Otn::STIMULI;
// The host runs the port's insertion switch by these values.
static_assert(INSERTION_OFF == StimuliWidget::InsertionOff && INSERTION_ON == StimuliWidget::InsertionOn
                  && INSERTION_DONE == StimuliWidget::InsertionDone
                  && INSERTION_STOPPED == StimuliWidget::InsertionStopped,
              "insertion switch values");

} // namespace

OtnStimuliWidgetOtn::OtnStimuliWidgetOtn(const ClientInfo &client, QWidget *parent)
    : OtnStimuliWidget(client, containerTitleText, parent), ui(std::make_unique<Ui::OtnStimuliWidgetOtn>())
{
    ui->setupUi(this);
    installComboDelegates(this);
    UpdateText();
    const QList<QPair<int, StimuliWidget *>> panels{
        {ErrorAlarmCategory, new OtnStimuliWidgetError(client, ui->pages)},
        {GmpCategory, new OtnStimuliWidgetGmp(client, ui->pages)},
        {GfpCategory, new OtnStimuliWidgetGfp(client, ui->pages)},
        {FecCategory, new OtnStimuliWidgetFec(client, ui->pages)},
        {LldErrorCategory, new OtnStimuliWidgetLldError(client, ui->pages)},
    };
    for (const auto &entry : panels) {
        m_pages.insert(entry.first, entry.second);
        ui->pages->addWidget(entry.second);
        connect(entry.second, &StimuliWidget::insertionChanged, this, &StimuliWidget::insertionChanged);
    }
    initializeHelpers();
}

OtnStimuliWidgetOtn::~OtnStimuliWidgetOtn() = default;

void OtnStimuliWidgetOtn::initializeHelpers()
{
    const int sid = nsSID::otnSid(port(), PID::Otn::STIMULI::CATEGORY);
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbItem, ui->lblItem, nullptr,
                                                                    nullptr, sid, 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, sid, 1));
}

StimuliWidget *OtnStimuliWidgetOtn::currentPanel() const
{
    return qobject_cast<StimuliWidget *>(ui->pages->currentWidget());
}

int OtnStimuliWidgetOtn::insertionSid() const
{
    return nsSID::otnSid(port(), INSERTION);
}

QString OtnStimuliWidgetOtn::insertionText() const
{
    StimuliWidget *page = currentPanel();
    const QString text = page ? page->insertionText() : QString();
    const int key = m_pages.key(page, -1);
    if (!text.isEmpty() || !m_manager || key < 0)
        return text;
    return m_manager->texts().getValueName(nsSID::otnSid(port(), CATEGORY), key, terminology());
}

void OtnStimuliWidgetOtn::UpdateText()
{
    for (StimuliWidget *page : qAsConst(m_pages))
        page->UpdateText();
    OtnStimuliWidget::UpdateText();
}

void OtnStimuliWidgetOtn::SetGUIAccessState(int state)
{
    for (StimuliWidget *page : qAsConst(m_pages))
        page->SetGUIAccessState(state);
    OtnStimuliWidget::SetGUIAccessState(state);
}

void OtnStimuliWidgetOtn::ChangeTerminology(int terminology)
{
    for (StimuliWidget *page : qAsConst(m_pages))
        page->ChangeTerminology(terminology);
    OtnStimuliWidget::ChangeTerminology(terminology);
}

void OtnStimuliWidgetOtn::setPort(int port)
{
    OtnStimuliWidget::setPort(port);
    for (StimuliWidget *page : qAsConst(m_pages))
        page->setPort(port);
}

void OtnStimuliWidgetOtn::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (nsSID::idOf(parameter.getSID()) == PID::Otn::STIMULI::CATEGORY)
        itemChanged(parameter.getEnum());
}

void OtnStimuliWidgetOtn::itemChanged(int index)
{
    // A category without a panel here (a newer tester's) keeps the page the user sees.
    StimuliWidget *panel = m_pages.value(index);
    if (!panel || panel == currentPanel())
        return;
    ui->pages->setCurrentWidget(panel);
    emit insertionChanged();
}

QStringList OtnStimuliWidgetOtn::sampleStateNames() const
{
    QStringList names;
    const int sid = nsSID::otnSid(port(), PID::Otn::STIMULI::CATEGORY);
    for (int key = 0; key < m_pages.size(); ++key) {
        const QString name = m_manager ? m_manager->texts().getValueName(sid, key) : QString();
        names << (name.isEmpty() ? QString::number(key) : name);
    }
    if (offersInsertionSample()) {
        const QString item = m_manager->texts().getValueName(nsSID::otnSid(port(), ITEM), sampleItem);
        names << tr("inserting %1 on %2").arg(item, OtnStimuliWidgetError::levelTexts(txMapping()).value(sampleLevel));
    }
    return names;
}

QList<int> OtnStimuliWidgetOtn::sampleStatePages(int index) const
{
    if (index == m_pages.size() && offersInsertionSample())
        return {InterfaceSetupIdentifier::PageOtnAlarmsErrorsStatus};
    return {};
}

OtnMapping OtnStimuliWidgetOtn::txMapping() const
{
    OtnMapping mapping;
    for (int field = 0; m_manager && field < OtnMapping::fieldCount; ++field) {
        const QcmaParameter *value = m_manager->cachedParameter(nsSID::otnSid(port(), PID::Otn::TX::MAPPING[field]));
        // The multiplex stages count as none while undefined.
        if (value && (field < OtnMapping::FieldStage0 || value->isDefined()))
            mapping.setValue(field, value->getEnum());
    }
    return mapping;
}

bool OtnStimuliWidgetOtn::offersInsertionSample() const
{
    return m_manager && txMapping().getOduCount() > sampleLevel
           && OtnAlarmError::getAlarms(sampleLevel).contains(sampleItem);
}

bool OtnStimuliWidgetOtn::stepToInsertionSample()
{
    if (!offersInsertionSample())
        return false;
    // The settings first, in one request; the generator starts once the tester holds them all.
    const QList<QPair<int, int>> settings{
        {CATEGORY, ErrorAlarmCategory}, {LEVEL, sampleLevel}, {ITEM, sampleItem}, {MODE, continuousMode}};
    std::vector<std::unique_ptr<QcmaParameter>> copies;
    for (const auto &setting : settings) {
        std::unique_ptr<QcmaParameter> copy = m_manager->GetQcmaParameter(nsSID::otnSid(port(), setting.first));
        if (copy && copy->isDefined() && copy->getInt() == setting.second)
            continue;
        // A value the structure does not offer leaves the sample unreached rather than pictured wrong.
        if (!copy || !copy->setValue(setting.second))
            return false;
        copies.push_back(std::move(copy));
    }
    if (copies.empty()) {
        std::unique_ptr<QcmaParameter> insertion = m_manager->GetQcmaParameter(insertionSid());
        if (!insertion)
            return false;
        if (insertion->getInt() == INSERTION_ON)
            return true;
        if (insertion->setValue(INSERTION_ON))
            m_manager->SetQcmaParameter(insertion.get());
        return false;
    }
    QList<const QcmaParameter *> request;
    for (const auto &copy : copies)
        request << copy.get();
    m_manager->SetQcmaParameterList(request);
    return false;
}

bool OtnStimuliWidgetOtn::stepToSampleState(int index)
{
    if (index == m_pages.size())
        return stepToInsertionSample();
    StimuliWidget *panel = m_pages.value(index);
    if (!panel)
        return false;
    if (currentPanel() == panel)
        return true;
    std::unique_ptr<QcmaParameter> category =
        m_manager ? m_manager->GetQcmaParameter(nsSID::otnSid(port(), PID::Otn::STIMULI::CATEGORY)) : nullptr;
    const auto *choices = dynamic_cast<const QcmaParameterEnum *>(category.get());
    itemChanged(index);
    // A category the signal does not offer would be refused and the page switched back: shown as it is.
    if (!choices || !choices->isEnumActive(index) || !category->setValue(index))
        return true;
    m_manager->SetQcmaParameter(category.get());
    return false;
}
