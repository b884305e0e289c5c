#include "otnstimuliwidgetfrequency.h"

#include "ui_otnstimuliwidgetfrequency.h"

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

namespace {

constexpr int frequencyTitleText = 3071;
constexpr int levelRows = CmCalculator::maxLevels;
// Port modes that pass a received signal through: no payload of the panel's own to offset.
constexpr int throughPortMode = 2;
constexpr int overwriteThroughPortMode = 3;
constexpr double sampleOffset = 20.0;

} // namespace

OtnStimuliWidgetFrequency::OtnStimuliWidgetFrequency(const ClientInfo &client, QWidget *parent)
    : OtnStimuliWidget(client, frequencyTitleText, parent), m_calculator(std::make_unique<CmCalculator>()),
      ui(std::make_unique<Ui::OtnStimuliWidgetFrequency>())
{
    ui->setupUi(this);
    m_mapping.init();
    installComboDelegates(this);
    connect(ui->cmbPayload, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnStimuliWidgetFrequency::changed_payload_level);
    initializeHelpers();
}

OtnStimuliWidgetFrequency::~OtnStimuliWidgetFrequency() = default;

void OtnStimuliWidgetFrequency::initializeHelpers()
{
    using namespace PID::Otn;
    const int port = this->port();
    QAbstractButton *offsetButtons[levelRows] = {ui->pbPLevel1, ui->pbPLevel2, ui->pbPLevel3, ui->pbPLevel4};
    QLabel *unitLabels[levelRows] = {ui->lblPLevel1Unit, ui->lblPLevel2Unit, ui->lblPLevel3Unit, ui->lblPLevel4Unit};
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbFreq, ui->lblFreq, ui->lblFreqUnit,
                                                             nsSID::otnSid(port, STIMULI::FREQUENCY_OFFSET), 1));
    for (int level = 0; level < levelRows; ++level) {
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(
            m_manager, offsetButtons[level], nullptr, unitLabels[level],
            nsSID::otnSid(port, STIMULI::PAYLOAD_OFFSET[level]), 1));
    }
    QList<int> watched;
    for (int id : TX::MAPPING)
        watched << id;
    watched << TX::NUMBER_OF_TS[0] << STIMULI::FREQUENCY_OFFSET;
    for (int id : STIMULI::PAYLOAD_OFFSET)
        watched << id;
    for (int id : qAsConst(watched))
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Setter>(m_manager, this, nsSID::otnSid(port, id), 1));
    for (int id : {TX::PORT_MODE, TX::CLOCK_SOURCE})
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, id), 1));
}

void OtnStimuliWidgetFrequency::UpdateText()
{
    ui->lblPayload->setText(tr("Payload Offset:"));
    ui->lblPLevel3->setText(tr("Client"));
    ui->lblPLevel4->setText(tr("Client"));
    OtnStimuliWidget::UpdateText();
}

void OtnStimuliWidgetFrequency::qcmaParameterChanged(const QcmaParameter &parameter)
{
    using namespace PID::Otn;
    const int id = nsSID::idOf(parameter.getSID());
    if (parameter.getType() == QcmaParameter::TypeEnum) {
        const int field = PID::indexIn(TX::MAPPING, OtnMapping::fieldCount, id);
        if (id == TX::PORT_MODE)
            m_portMode = parameter.getEnum();
        else if (id == TX::CLOCK_SOURCE)
            m_clockSource = parameter.getEnum();
        else if (field >= 0)
            m_mapping.setValue(field, parameter.getEnum());
        else
            return;
        rebuildLevels();
        showCmValues();
        return;
    }

    double value = 0;
    if (parameter.getType() == QcmaParameter::TypeDouble || parameter.getType() == QcmaParameter::TypeInt) {
        value = parameter.getDouble();
    } else if (parameter.getType() == QcmaParameter::TypeUInt) {
        if (id != TX::NUMBER_OF_TS[0])
            return;
        m_payloadValue = int(parameter.getUInt());
        rebuildLevels();
    } else {
        return;
    }
    const int payloadLevel = PID::indexIn(STIMULI::PAYLOAD_OFFSET, levelRows, id);
    if (id == STIMULI::FREQUENCY_OFFSET)
        m_calculator->setOffset(CmCalculator::lineLevel, parameter.isDefined() ? value : 0.0);
    else if (payloadLevel >= 0)
        m_calculator->setOffset(payloadLevel, value);
    showCmValues();
}

void OtnStimuliWidgetFrequency::rebuildLevels()
{
    disconnect(ui->cmbPayload, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &OtnStimuliWidgetFrequency::changed_payload_level);
    const bool rowsEnabled = m_portMode != throughPortMode && m_portMode != overwriteThroughPortMode
                             && m_clockSource == 0;
    m_calculator->updateConstant(m_mapping, m_payloadValue);
    m_calculator->setMapping(m_mapping);

    QStringList names;
    QList<bool> gmp;
    for (int level = 0; level < CmCalculator::maxLevels; ++level) {
        const CmLevelInfo info = m_calculator->getLevelInfo(level);
        if (info.present) {
            names << info.name;
            gmp << info.cm;
        }
    }
    m_levelCount = names.size();

    QLabel *nameLabels[levelRows] = {ui->lblPLevel1, ui->lblPLevel2, ui->lblPLevel3, ui->lblPLevel4};
    QLabel *cmLabels[levelRows] = {ui->lblCmLevel1, ui->lblCmLevel2, ui->lblCmLevel3, ui->lblCmLevel4};
    QFrame *cmBlocks[levelRows] = {ui->framePLevel1_2, ui->framePLevel2_2, ui->framePLevel3_2, ui->framePLevel4_2};
    const int remembered = ui->cmbPayload->currentIndex();
    ui->cmbPayload->clear();
    for (int level = 0; level < levelRows; ++level)
        cmBlocks[level]->setVisible(false);
    for (int level = 0; level < names.size(); ++level) {
        if (level >= levelRows) {
            ZEL_FATAL(QStringLiteral("Unknown Level (%1)").arg(level));
            break;
        }
        ui->cmbPayload->addItem(names.at(level));
        nameLabels[level]->setText(names.at(level));
        // Several blocks can show at once; each names its payload.
        cmLabels[level]->setText(tr("Cm %1").arg(names.at(level)));
        cmBlocks[level]->setVisible(gmp.at(level) && rowsEnabled);
    }
    ui->lblPayload->setVisible(m_levelCount != 0);
    ui->cmbPayload->setVisible(m_levelCount > 1);
    ui->cmbPayload->setEnabled(rowsEnabled && accessState() == 0);
    if (m_levelCount >= 1) {
        const int index = remembered >= 0 && remembered < m_levelCount ? remembered : 0;
        ui->cmbPayload->setCurrentIndex(index);
        changed_payload_level(index);
    } else {
        changed_payload_level(-1);
    }
    connect(ui->cmbPayload, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnStimuliWidgetFrequency::changed_payload_level);
}

void OtnStimuliWidgetFrequency::changed_payload_level(int index)
{
    QFrame *rows[levelRows] = {ui->framePLevel1, ui->framePLevel2, ui->framePLevel3, ui->framePLevel4};
    for (int level = 0; level < levelRows; ++level)
        rows[level]->setVisible(level == index);
}

void OtnStimuliWidgetFrequency::showCmValues()
{
    QLabel *cmValues[levelRows] = {ui->lblCmValue1, ui->lblCmValue2, ui->lblCmValue3, ui->lblCmValue4};
    QLabel *cndValues[levelRows] = {ui->lblCnDValue1, ui->lblCnDValue2, ui->lblCnDValue3, ui->lblCnDValue4};
    for (int level = 0; level < qMin(m_levelCount, int(levelRows)); ++level) {
        const CmResult result = m_calculator->calcCm(level);
        cmValues[level]->setText(result.valid ? QString::number(result.cm, 'f', 4) : QStringLiteral("-----"));
        cndValues[level]->setText(result.valid ? QString::number(result.cnd, 'f', 4) : QStringLiteral("-----"));
    }
}

int OtnStimuliWidgetFrequency::firstGmpLevel() const
{
    for (int level = 0; level < m_levelCount; ++level) {
        if (m_calculator->getLevelInfo(level).cm)
            return level;
    }
    return -1;
}

QStringList OtnStimuliWidgetFrequency::sampleStateNames() const
{
    const int level = firstGmpLevel();
    if (level < 0)
        return {};
    return {tr("%1 offset %2 ppm").arg(m_calculator->getLevelInfo(level).name).arg(sampleOffset, 0, 'f', 1)};
}

bool OtnStimuliWidgetFrequency::stepToSampleState(int index)
{
    const int level = firstGmpLevel();
    std::unique_ptr<QcmaParameter> offset =
        index == 0 && level >= 0 && m_manager
            ? m_manager->GetQcmaParameter(nsSID::otnSid(port(), PID::Otn::STIMULI::PAYLOAD_OFFSET[level]))
            : nullptr;
    if (!offset)
        return false;
    ui->cmbPayload->setCurrentIndex(level);
    if (offset->isDefined() && qFuzzyCompare(offset->getDouble(), sampleOffset))
        return true;
    if (offset->setValue(sampleOffset))
        m_manager->SetQcmaParameter(offset.get());
    return false;
}
