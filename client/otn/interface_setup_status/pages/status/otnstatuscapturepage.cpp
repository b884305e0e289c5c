#include "otnstatuscapturepage.h"
#include "ui_otnstatuscapturepage.h"

#include <QVBoxLayout>

#include "apps/shared/sid.h"
#include "apps/shared/zelassert.h"
#include "client/otn/components/otncapturerecord.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "client/otn/interface_setup_status/dialogs/otncapturetptsdialog.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "otncaptureohwidget.h"

namespace {

using namespace PID::Otn;

int indexOf(const int *table, int entries, int id)
{
    return id == 0 ? -1 : PID::indexIn(table, entries, id);
}

} // namespace

OtnStatusCapturePage::TxTpTs::TxTpTs()
{
    for (int i = 0; i < OtnTpTs::maxTs; ++i)
        mainTs[i] = i + 1;
}

OtnStatusCapturePage::OtnStatusCapturePage(const Identifier &identifier, zelServerManager *manager, int flags)
    : OtnStatusPageBase(identifier, manager, flags), ui(std::make_unique<Ui::OtnStatusCapturePage>())
{
    for (QByteArray &record : m_records)
        record = QByteArray(IntervalDataOtnCapture::recordSize, '\0');
    m_receivedMapping.init();
    m_transmittedMapping.init();
    setHelpPage(QStringLiteral("otn_ohcapture.html"));
}

OtnStatusCapturePage::~OtnStatusCapturePage() = default;

QByteArray OtnStatusCapturePage::record(int level) const
{
    return (level >= 0 && level < levelCount) ? m_records[level] : QByteArray();
}

OtnCaptureTpTsDialog *OtnStatusCapturePage::tpTsDialog() const
{
    return m_tpTsDialog.data();
}

void OtnStatusCapturePage::initializeUi()
{
    ui->setupUi(this);
    installComboDelegates(this);
    m_overhead = new OtnCaptureOhWidget(ui->widgetOverhead, m_manager);
    auto *layout = new QVBoxLayout(ui->widgetOverhead);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_overhead);
    connect(ui->cmbLevel, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnStatusCapturePage::levelChanged);
    connect(ui->pbSingle, &QPushButton::clicked, this, &OtnStatusCapturePage::updateSingle);
    connect(ui->pbPause, &QPushButton::clicked, this, &OtnStatusCapturePage::togglePause);
    connect(ui->pbTpTs, &QPushButton::clicked, this, &OtnStatusCapturePage::showTpTs);
    ui->pbPause->setCheckable(true);
    ui->pbSingle->setVisible(m_running == 0);
    ui->pbTpTs->hide();
}

void OtnStatusCapturePage::initializeHelper()
{
    const auto sidOf = [this](int id) { return nsSID::otnSid(m_port, id); };
    m_captureNotification = std::make_unique<UiHelper_Notification>(
        m_manager, this, sidOf(CAPTURE::OVERHEAD), currentIntervalSelector, UiHelper::ConnectManually);
    const auto follow = [this, &sidOf](int id) {
        if (id != 0)
            m_helpers->AddUiHelper(
                std::make_unique<UiHelper_Notification>(m_manager, this, sidOf(id), UiHelper::ConnectManually));
    };
    for (int id : RX::MAPPING)
        follow(id);
    for (int stage = 0; stage < flexStages; ++stage)
        follow(RX::NUMBER_OF_TS[stage]);
    for (int id : TX::MAPPING)
        follow(id);
    for (int stage = 0; stage < txStages; ++stage)
        follow(TX::MAIN_TP[stage]);
    for (int stage = 0; stage < flexStages; ++stage) {
        follow(TX::MAIN_TS[stage]);
        follow(TX::ALLOC[stage]);
        follow(TX::NUMBER_OF_TS[stage]);
        follow(TX::TX_COPY[stage]);
    }
    follow(TX::TTI_ENCODING);
    follow(TX::OTLC_SLICE_NUMBER);
}

void OtnStatusCapturePage::setPort(int port)
{
    if (port == m_port)
        return;
    // The new port's structure is awaited whole before the levels are offered anew.
    refillPendingIds();
    OtnStatusPageBase::setPort(port);
    if (m_captureNotification)
        m_captureNotification->ChangePort(port);
}

void OtnStatusCapturePage::UpdateText()
{
    if (!isPageInitialized())
        return;
    ui->retranslateUi(this);
    OtnStatusPageBase::UpdateText();
}

void OtnStatusCapturePage::showEvent(QShowEvent *event)
{
    refillPendingIds();
    OtnStatusPageBase::showEvent(event);
    if (isPageInitialized())
        setRunning(1);
}

void OtnStatusCapturePage::hideEvent(QHideEvent *event)
{
    if (m_captureNotification)
        m_captureNotification->DisconnectManual();
    // The view follows the page's capture: it goes with the page.
    if (m_tpTsDialog)
        m_tpTsDialog->hide();
    OtnStatusPageBase::hideEvent(event);
}

void OtnStatusCapturePage::refillPendingIds()
{
    for (int id : RX::MAPPING)
        m_pendingIds.insert(id);
    m_pendingIds.insert(TX::OTLC_SLICE_NUMBER);
}

void OtnStatusCapturePage::setRunning(int running)
{
    m_running = running;
    ui->pbPause->setChecked(running == 0);
    ui->pbSingle->setVisible(running == 0);
    if (running == 1)
        requestCapture();
    else if (m_captureNotification)
        m_captureNotification->DisconnectManual();
}

void OtnStatusCapturePage::requestCapture()
{
    if (!m_captureNotification)
        return;
    m_captureNotification->ConnectManual();
    if (m_manager)
        m_manager->Interval_GetAndPost_Ex(m_port, nsSID::otn, currentIntervalSelector);
}

void OtnStatusCapturePage::togglePause()
{
    setRunning(m_running == 1 ? 0 : 1);
}

void OtnStatusCapturePage::updateSingle()
{
    requestCapture();
}

void OtnStatusCapturePage::showTpTs()
{
    // Made when first asked for, and filled only while shown: most visits never open it.
    if (!m_tpTsDialog) {
        m_tpTsDialog = new OtnCaptureTpTsDialog(this);
        m_tpTsDialog->setServerManager(m_manager);
    }
    fillTpTs();
    m_tpTsDialog->show();
    m_tpTsDialog->raise();
}

void OtnStatusCapturePage::intervalDataChanged(const IntervalData &data)
{
    const auto *capture = dynamic_cast<const IntervalDataOtnCapture *>(&data);
    if (!capture)
        return;
    for (int level = 0; level < levelCount; ++level)
        m_records[level] = capture->records[level];
    showRecord(m_currentLevel);
    // Paused, the page took the one capture Update asked for.
    if (m_running == 0 && m_captureNotification)
        m_captureNotification->DisconnectManual();
}

void OtnStatusCapturePage::showRecord(int level)
{
    if (level < 0 || level >= levelCount || !m_overhead)
        return;
    const QByteArray &record = m_records[level];
    m_overhead->setTtiEncoding(m_ttiEncoding);
    m_overhead->showOverhead(OtnCaptureRecord::overhead(record), OtnCaptureRecord::payloadType(record));
    m_overhead->setCaptureRecord(record);
    if (tpTsShown() && m_receivedMapping.hasOdtu(level)) {
        m_tpTsDialog->setRxCapture(level, m_receivedMapping, rxChannelNumber(level),
                                   OtnCaptureRecord::channelWords(record), OtnCaptureRecord::mainTsBytes(record));
    }
}

void OtnStatusCapturePage::levelChanged(int index)
{
    if (index < 0 || index >= m_levelList.size() || m_levelList.at(index) == m_currentLevel)
        return;
    m_currentLevel = m_levelList.at(index);
    rebuildLevels();
    showRecord(m_currentLevel);
    if (m_captureNotification)
        m_captureNotification->ConnectManual();
}

QStringList OtnStatusCapturePage::sampleStateNames() const
{
    return m_levelNames.mid(1);
}

bool OtnStatusCapturePage::stepToSampleState(int index)
{
    const int comboIndex = index + 1;
    if (!isPageInitialized() || comboIndex >= m_levelList.size())
        return true;
    if (m_currentLevel == m_levelList.at(comboIndex))
        return true;
    ui->cmbLevel->setCurrentIndex(comboIndex);
    // The next step, after the answers, shows the level's capture.
    requestCapture();
    return false;
}

void OtnStatusCapturePage::rebuildLevels()
{
    if (!m_receivedMapping.isValid() || !isPageInitialized())
        return;
    QSignalBlocker blocker(ui->cmbLevel);
    m_levelNames = m_receivedMapping.getOduNames().mid(0, levelCount);
    if (!m_levelNames.isEmpty())
        m_levelNames.first().replace(QStringLiteral("ODU"), QStringLiteral("OTU"));
    m_levelList.clear();
    ui->cmbLevel->clear();
    for (int level = 0; level < m_levelNames.size(); ++level) {
        m_levelList.append(level);
        ui->cmbLevel->addItem(QStringLiteral("%1: %2").arg(level + 1).arg(m_levelNames.at(level)));
    }
    // The level chosen in the combo stays; a structure without it starts at the line.
    const int index = qMax(0, m_levelList.indexOf(m_currentLevel));
    ui->cmbLevel->setCurrentIndex(index);
    m_currentLevel = m_levelList.value(index, 0);

    const bool tpTs = m_receivedMapping.hasOdtu(m_currentLevel);
    ui->pbTpTs->setVisible(tpTs);
    m_overhead->setLevel(m_currentLevel, m_receivedMapping, m_otlSelector);
    if (m_tpTsDialog && !tpTs)
        m_tpTsDialog->hide();
    refreshTpTsMaps();
}

bool OtnStatusCapturePage::tpTsShown() const
{
    return m_tpTsDialog && m_tpTsDialog->isVisible();
}

void OtnStatusCapturePage::refreshTpTsMaps()
{
    if (tpTsShown())
        fillTpTs();
}

void OtnStatusCapturePage::fillTpTs()
{
    if (!m_tpTsDialog || m_currentLevel < 0)
        return;
    const int level = m_currentLevel;
    m_tpTsDialog->setLevelName(m_levelNames.value(m_levelList.indexOf(level)));
    if (m_receivedMapping.hasOdtu(level)) {
        m_tpTsDialog->setRxMapSize(level, m_receivedMapping);
        const QByteArray &record = m_records[level];
        m_tpTsDialog->setRxCapture(level, m_receivedMapping, rxChannelNumber(level),
                                   OtnCaptureRecord::channelWords(record), OtnCaptureRecord::mainTsBytes(record));
    }
    if (level < txStages) {
        const TxTpTs &tx = m_tx[level];
        const int copy = level < flexStages ? m_txCopy[level] : 1;
        m_tpTsDialog->setTxMap(level, m_transmittedMapping, copy, tx.mainTp, tx.mainTs, tx.flexTsCount);
    }
}

quint32 OtnStatusCapturePage::rxChannelNumber(int level) const
{
    return (level >= 0 && level < flexStages) ? m_rxFlexTs[level] : 0;
}

void OtnStatusCapturePage::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int id = nsSID::idOf(parameter.getSID());
    switch (parameter.getType()) {
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum:
        storeNumber(id, parameter);
        break;
    case QcmaParameter::TypeUInt:
        storeUnsigned(id, parameter.getUInt());
        break;
    case QcmaParameter::TypeByteArray: {
        const int level = indexOf(TX::MAIN_TS, txStages, id);
        ZEL_ASSERT(level != -1, QStringLiteral("pid=0x%1 is not found.").arg(id, 0, 16));
        if (level != -1) {
            const QByteArray bytes = parameter.getByteArray();
            OtnTpTs::copyTs(m_tx[level].mainTs, bytes, qMin(bytes.size(), int(OtnTpTs::maxTs)));
        }
        break;
    }
    case QcmaParameter::TypeBitArray: {
        const int level = indexOf(TX::ALLOC, txStages, id);
        ZEL_ASSERT(level != -1, QStringLiteral("pid=0x%1 is not found.").arg(id, 0, 16));
        if (level != -1) {
            const QBitArray bits = parameter.getBitArray();
            for (int t = 0; t < OtnTpTs::maxTs; ++t)
                m_tx[level].allocation.setBit(t, t < bits.size() && bits.testBit(t));
        }
        break;
    }
    default:
        break;
    }
    refreshTpTsMaps();
}

void OtnStatusCapturePage::storeNumber(int id, const QcmaParameter &parameter)
{
    // A multiplexing stage the structure does not use is undefined: no multiplexing.
    const auto valueOf = [&parameter](int field) {
        return (field >= OtnMapping::FieldStage0 && !parameter.isDefined()) ? 0 : parameter.getEnum();
    };
    if (const int field = indexOf(RX::MAPPING, OtnMapping::fieldCount, id); field >= 0) {
        m_receivedMapping.setValue(field, valueOf(field));
        mappingIdArrived(id);
    } else if (id == TX::OTLC_SLICE_NUMBER) {
        m_otlSelector = parameter.getEnum();
        mappingIdArrived(id);
    } else if (id == TX::TTI_ENCODING) {
        m_ttiEncoding = parameter.getEnum();
    } else if (const int txField = indexOf(TX::MAPPING, OtnMapping::fieldCount, id); txField >= 0) {
        m_transmittedMapping.setValue(txField, valueOf(txField));
    } else if (const int stage = indexOf(TX::TX_COPY, flexStages, id); stage >= 0) {
        m_txCopy[stage] = parameter.getEnum();
    }
}

void OtnStatusCapturePage::storeUnsigned(int id, uint value)
{
    if (const int stage = indexOf(TX::MAIN_TP, txStages, id); stage >= 0)
        m_tx[stage].mainTp = value;
    else if (const int txStage = indexOf(TX::NUMBER_OF_TS, flexStages, id); txStage >= 0)
        m_tx[txStage].flexTsCount = value;
    else if (const int rxStage = indexOf(RX::NUMBER_OF_TS, flexStages, id); rxStage >= 0)
        m_rxFlexTs[rxStage] = value;
}

void OtnStatusCapturePage::mappingIdArrived(int id)
{
    m_pendingIds.remove(id);
    // The level chosen stays over a hide and show or a look at another port while the structure has it.
    if (m_pendingIds.isEmpty())
        rebuildLevels();
}
