#include "otnstimuliwidgetotn.h"

#include <QBitArray>

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

// The sample insertions, each continuous: ODU-AIS on the second level, LOR on the first logical lane,
// uncorrectable cHECs in the GFP frames, uncorrectable FEC sub-rows.
constexpr int sampleLevel = 1;
constexpr int sampleItem = 10;
constexpr int continuousMode = 3;
constexpr int laneAlarmType = 1;
constexpr int sampleLaneAlarm = 2;
constexpr int laneContinuousMode = 2;
constexpr int sampleGfpItem = 2;
constexpr int gfpContinuousMode = 2;
constexpr int sampleFecItem = 3;
constexpr int fecContinuousMode = 1;
// The alarms page's name of its logical lane level.
constexpr int laneLevelText = 4277;

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
    for (const InsertionSample &sample : insertionSamples())
        names << sample.name;
    return names;
}

QList<int> OtnStimuliWidgetOtn::sampleStatePages(int index) const
{
    if (index >= m_pages.size() && index - m_pages.size() < insertionSamples().size())
        return {InterfaceSetupIdentifier::PageOtnAlarmsErrorsStatus};
    return {};
}

QString OtnStimuliWidgetOtn::sampleStatePageState(int index) const
{
    return insertionSamples().value(index - m_pages.size()).pageLevel;
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

int OtnStimuliWidgetOtn::cachedValue(int id) const
{
    const QcmaParameter *value = m_manager ? m_manager->cachedParameter(nsSID::otnSid(port(), id)) : nullptr;
    return value && value->isDefined() ? value->getInt() : -1;
}

QVector<OtnStimuliWidgetOtn::InsertionSample> OtnStimuliWidgetOtn::insertionSamples() const
{
    QVector<InsertionSample> samples;
    if (!m_manager)
        return samples;
    const OtnMapping mapping = txMapping();
    const QStringList levels = OtnStimuliWidgetError::levelTexts(mapping);
    const WidgetText texts = m_manager->texts();
    const auto valueName = [&](int id, int value) { return texts.getValueName(nsSID::otnSid(port(), id), value); };
    const int lanes = OtnMapping::numOfLldLane(mapping[OtnMapping::FieldInterface]);
    // The alarms page offers no level to choose on a single level without lanes: it shows that one.
    const bool levelChoice = mapping.getOduCount() > 1 || lanes > 0;
    const auto pageLevel = [&](int level) { return levelChoice ? levels.value(level) : QString(); };
    const auto *categories = dynamic_cast<const QcmaParameterEnum *>(
        m_manager->cachedParameter(nsSID::otnSid(port(), CATEGORY)));
    const auto offered = [categories](int category) { return categories && categories->isEnumActive(category); };
    if (offered(ErrorAlarmCategory) && mapping.getOduCount() > sampleLevel
        && OtnAlarmError::getAlarms(sampleLevel).contains(sampleItem)) {
        samples.append({tr("inserting %1 on %2").arg(valueName(ITEM, sampleItem), levels.value(sampleLevel)),
                        {{CATEGORY, ErrorAlarmCategory}, {LEVEL, sampleLevel}, {ITEM, sampleItem}, {MODE, continuousMode}},
                        pageLevel(sampleLevel)});
    }
    if (offered(LldErrorCategory) && lanes > 0) {
        QBitArray firstLane(lanes);
        firstLane.setBit(0);
        samples.append({tr("inserting %1 on lane 1").arg(valueName(LLD_ALARM, sampleLaneAlarm)),
                        {{CATEGORY, LldErrorCategory},
                         {LLD_TYPE, laneAlarmType},
                         {LLD_ALARM, sampleLaneAlarm},
                         {LLD_INSERTION, laneContinuousMode},
                         {LLD_ERROR_LANES, firstLane}},
                        texts.getUiText(laneLevelText)});
    }
    // The GFP and client counters sit on the level carrying the client.
    if (offered(GfpCategory) && mapping.isGfp() && mapping.getOduCount() > 0) {
        samples.append({tr("inserting %1 continuously").arg(valueName(GFP_ITEM, sampleGfpItem)),
                        {{CATEGORY, GfpCategory}, {GFP_ITEM, sampleGfpItem}, {GFP_MODE, gfpContinuousMode}},
                        pageLevel(mapping.getOduCount() - 1)});
    }
    // FEC test errors need a line that sends and decodes FEC; an OTUCn's is its own.
    if (offered(FecCategory) && !mapping.isOTLC() && cachedValue(PID::Otn::TX::FEC_CONTROL) > 0
        && cachedValue(PID::Otn::RX::FEC_CONTROL) > 0) {
        samples.append({tr("inserting %1 continuously").arg(valueName(FEC_ITEM, sampleFecItem)),
                        {{CATEGORY, FecCategory}, {FEC_ITEM, sampleFecItem}, {FEC_MODE, fecContinuousMode}},
                        pageLevel(0)});
    }
    return samples;
}

bool OtnStimuliWidgetOtn::stepToInsertionSample(const InsertionSample &sample)
{
    std::unique_ptr<QcmaParameter> insertion = m_manager->GetQcmaParameter(insertionSid());
    if (!insertion)
        return false;
    // The settings first, in one request, with the insertion stopped; the generator starts once the
    // tester holds them all.
    std::vector<std::unique_ptr<QcmaParameter>> copies;
    for (const auto &setting : sample.settings) {
        std::unique_ptr<QcmaParameter> copy = m_manager->GetQcmaParameter(nsSID::otnSid(port(), setting.first));
        const bool bits = setting.second.userType() == QMetaType::QBitArray;
        if (copy && copy->isDefined()
            && (bits ? copy->getBitArray() == setting.second.toBitArray() : copy->getInt() == setting.second.toInt()))
            continue;
        // A value the structure does not offer leaves the sample unreached rather than pictured wrong.
        if (!copy || !copy->setValue(setting.second))
            return false;
        copies.push_back(std::move(copy));
    }
    if (copies.empty()) {
        if (insertion->getInt() == INSERTION_ON)
            return true;
        if (insertion->setValue(INSERTION_ON))
            m_manager->SetQcmaParameter(insertion.get());
        return false;
    }
    if (insertion->getInt() == INSERTION_ON) {
        if (insertion->setValue(INSERTION_OFF))
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
    if (index >= m_pages.size()) {
        const QVector<InsertionSample> samples = insertionSamples();
        const int sample = index - m_pages.size();
        return m_manager && sample < samples.size() && stepToInsertionSample(samples.at(sample));
    }
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
