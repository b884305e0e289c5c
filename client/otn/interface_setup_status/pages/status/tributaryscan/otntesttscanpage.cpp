#include "otntesttscanpage.h"
#include "ui_otntesttscanpage.h"

#include <QLoggingCategory>
#include <QPushButton>
#include <QStyle>

#include "apps/shared/sid.h"
#include "client/otn/components/otntspid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/globalpid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "otntesttscandetaildialog.h"

Q_LOGGING_CATEGORY(lcOtnTScan, "otn.status.tscan")

namespace {

// The page follows the interface, client and the first two stages of the received structure.
constexpr int mappingFields = 4;
// The global lock of the scan: set, it keeps the page stopped whatever the tester reports.
constexpr int lockId = PID::Global::TRIBUTARY_SCAN_LOCK;

constexpr int uiTextScanStart = 5086;
constexpr int uiTextScanStop = 5087;
constexpr int uiTextDetail = 5090;
constexpr int uiTextScan = 5091;

constexpr int buttonsPerRow = 10;
const QSize channelButtonSize(60, 29);

// A channel button's colour is its "scanState" property, styled once by the page: restyling a
// button by its own style sheet costs a sheet parse per button and result.
const char scanStateProperty[] = "scanState";
const char stateNoAlarm[] = "clear";
const char stateAlarm[] = "alarm";
const char stateNotSelected[] = "other";

} // namespace

OtnTestTScanPage::OtnTestTScanPage(const Identifier &identifier, zelServerManager *manager, int flags)
    : SetupStatusPage(identifier, QStringLiteral("otn_tributary_scan.html"), manager, flags),
      ui(std::make_unique<Ui::OtnTestTScanPage>())
{
    m_mapping.init();
}

OtnTestTScanPage::~OtnTestTScanPage() = default;

void OtnTestTScanPage::initializeUi()
{
    ui->setupUi(this);
    installComboDelegates(this);
    setStyleSheet(QStringLiteral("QFrame#OtnSeparateLine{ border: 2px solid gray; }"
                                 "QPushButton[scanState=\"clear\"]{ background-color: lime; }"
                                 "QPushButton[scanState=\"alarm\"]{ background-color: red; }"
                                 "QPushButton[scanState=\"other\"]{ background-color: DimGray; }"));
    ui->hLineLv2->setObjectName(QStringLiteral("OtnSeparateLine"));
    ui->hLineLv3->setObjectName(QStringLiteral("OtnSeparateLine"));

    m_separators[1] = ui->hLineLv2;
    m_separators[2] = ui->hLineLv3;
    m_levelLabels[0] = ui->lblLevel1;
    m_levelLabels[1] = ui->lblLevel2;
    m_levelLabels[2] = ui->lblLevel3;
    m_tpLabels[1] = ui->lblTP2;
    m_tpLabels[2] = ui->lblTP3;
    m_grids[0] = ui->gLayoutLevel1;
    m_grids[1] = ui->gLayoutLevel2;
    m_grids[2] = ui->gLayoutLevel3;
    // The line's button always; a level's tributaries when a structure first has them.
    ensureChannelButtons(0, 1);

    connect(m_buttons[0].first(), &QPushButton::clicked, this, &OtnTestTScanPage::level1Pressed);
    connect(&m_mappers[1], &QSignalMapper::mappedInt, this, &OtnTestTScanPage::level2Pressed);
    connect(&m_mappers[2], &QSignalMapper::mappedInt, this, &OtnTestTScanPage::level3Pressed);
    connect(ui->pbStartStop, &QPushButton::clicked, this, &OtnTestTScanPage::onClickedStartStopButton);
    connect(ui->pbScan, &QPushButton::clicked, this, &OtnTestTScanPage::scanPressed);
    connect(ui->pbDetail, &QPushButton::clicked, this, &OtnTestTScanPage::detailPressed);
    reset();
}

void OtnTestTScanPage::ensureChannelButtons(int level, int count)
{
    if (level < 0 || level >= OtnTScanLevels::levelCount)
        return;
    const int wanted = qMin(count, OtnTScanLevels::maxChannels[level]);
    for (int channel = int(m_buttons[level].size()) + 1; channel <= wanted; ++channel) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("pbLevel%1Channel%2").arg(level + 1).arg(channel));
        button->setFixedSize(channelButtonSize);
        // Shown only once a rebuild puts it in its row.
        button->hide();
        m_buttons[level].append(button);
        if (level == 0)
            continue;
        m_mappers[level].setMapping(button, channel);
        connect(button, &QPushButton::clicked, &m_mappers[level], QOverload<>::of(&QSignalMapper::map));
    }
}

void OtnTestTScanPage::initializeHelper()
{
    const auto sid = [this](int id) { return nsSID::otnSid(m_port, id); };
    for (int field = 0; field < mappingFields; ++field) {
        m_mappingSetters[field] = m_helpers->AddUiHelper(std::make_unique<UiHelper_Setter>(
            m_manager, this, sid(PID::Otn::RX::MAPPING[field]), UiHelper::ConnectManually));
    }
    m_resultNotification = std::make_unique<UiHelper_Notification>(m_manager, this, sid(PID::Otn::SCAN::RESULT),
                                                                    currentIntervalSelector, UiHelper::ConnectManually);
    for (int level = 0; level < OtnTScanLevels::levelCount; ++level) {
        m_selectionSetters[level] = m_helpers->AddUiHelper(std::make_unique<UiHelper_Setter>(
            m_manager, nullptr, sid(PID::Otn::TS::MAIN_TP[level]), UiHelper::ConnectManually));
    }
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(
        m_manager, this, nsSID::build(nsSID::noPort, nsSID::global, lockId), UiHelper::ConnectImmediately));
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(m_manager, this, sid(PID::Otn::SCAN::RUNNING), UiHelper::ConnectImmediately));
}

void OtnTestTScanPage::UpdateText()
{
    if (!isPageInitialized())
        return;
    SetupStatusPage::UpdateText();
    const WidgetText texts = this->texts();
    ui->pbDetail->setText(texts.getUiText(uiTextDetail));
    ui->pbScan->setText(texts.getUiText(uiTextScan));
    ui->pbStartStop->setText(texts.getUiText(ui->pbStartStop->isChecked() ? uiTextScanStop : uiTextScanStart));
}

void OtnTestTScanPage::SetGUIAccessState(int state)
{
    if (!isPageInitialized())
        return;
    SetupStatusPage::SetGUIAccessState(state);
    ui->pbStartStop->setEnabled(state == 0);
}

void OtnTestTScanPage::hideEvent(QHideEvent *event)
{
    if (m_running) {
        stop();
        reset();
    }
    SetupStatusPage::hideEvent(event);
}

void OtnTestTScanPage::setPort(int port)
{
    if (port != m_port && m_running) {
        stop();
        reset();
    }
    SetupStatusPage::setPort(port);
    if (m_resultNotification)
        m_resultNotification->ChangePort(port);
}

int OtnTestTScanPage::selectedChannel(int level) const
{
    return (level >= 0 && level < OtnTScanLevels::levelCount) ? m_selected[level] : 0;
}

quint32 OtnTestTScanPage::resultOf(int level, int channel) const
{
    int word = 0;
    switch (level) {
    case 0:
        word = 0;
        break;
    case 1:
        word = channel;
        break;
    case 2:
        word = OtnTScanLevels::maxChannels[1] + channel;
        break;
    default:
        qCWarning(lcOtnTScan, "Invalid level %d", level);
        return 0;
    }
    if (!OtnTScanLevels::levelAvailable(m_mapping, level) || word < 0 || word >= m_results.size())
        return 0;
    return m_results.at(word);
}

void OtnTestTScanPage::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int sid = parameter.getSID();
    const int id = nsSID::idOf(sid);
    if (nsSID::groupOf(sid) == nsSID::global) {
        if (id == lockId)
            m_blocked = parameter.getEnum() == 1;
        return;
    }
    if (nsSID::groupOf(sid) != nsSID::otn || !isPageInitialized())
        return;
    const int field = PID::indexIn(PID::Otn::RX::MAPPING, mappingFields, id);
    if (field >= 0) {
        // Stages that do not exist are undefined: no multiplexing there.
        const bool stage = field >= OtnMapping::FieldStage0;
        m_mapping.setValue(field, (!stage || parameter.isDefined()) ? parameter.getEnum() : 0);
        mappingChanged();
        return;
    }
    if (id != PID::Otn::SCAN::RUNNING)
        return;
    if (parameter.getInt() < 1) {
        setRunningState(false);
        reset();
    } else {
        setRunningState(true);
    }
}

void OtnTestTScanPage::intervalDataChanged(const IntervalData &data)
{
    const auto *scan = dynamic_cast<const IntervalDataOtnTributaryScan *>(&data);
    if (!scan || !isPageInitialized())
        return;
    for (int i = 0; i < resultWordCount; ++i)
        m_results[i] = scan->words.value(i, 0);
    m_resultsArrived = true;
    colourButtons();
}

void OtnTestTScanPage::mappingChanged()
{
    if (!m_mapping.isValid())
        return;
    if (m_running) {
        stop();
        reset();
        rebuild();
        clearSelection();
    } else {
        rebuild();
    }
}

void OtnTestTScanPage::reset()
{
    m_resultsArrived = false;
    m_depth = 0;
    for (int &channel : m_selected)
        channel = 0;
    for (int level = 0; level < OtnTScanLevels::levelCount; ++level) {
        if (m_separators[level])
            m_separators[level]->hide();
        m_levelLabels[level]->hide();
        if (m_tpLabels[level])
            m_tpLabels[level]->hide();
    }
    applyDepth(0);
    scanPressed();
}

void OtnTestTScanPage::onClickedStartStopButton()
{
    if (ui->pbStartStop->isChecked()) {
        start();
    } else {
        stop();
        reset();
    }
}

void OtnTestTScanPage::start()
{
    writeRunning(1);
    if (m_resultNotification)
        m_resultNotification->ConnectManual();
}

void OtnTestTScanPage::stop()
{
    writeRunning(0);
    if (m_resultNotification)
        m_resultNotification->DisconnectManual();
}

void OtnTestTScanPage::writeRunning(int value)
{
    if (!m_manager)
        return;
    std::unique_ptr<QcmaParameter> running =
        m_manager->GetQcmaParameter(nsSID::otnSid(m_port, PID::Otn::SCAN::RUNNING));
    if (!running)
        return;
    running->setValue(value);
    m_manager->SetQcmaParameter(running.get());
}

void OtnTestTScanPage::setRunningState(bool on)
{
    const WidgetText texts = this->texts();
    if (on && !m_blocked) {
        m_running = true;
        clearSelection();
        ui->pbStartStop->setText(texts.getUiText(uiTextScanStop));
        ui->pbStartStop->setChecked(true);
    } else {
        m_running = false;
        ui->pbStartStop->setText(texts.getUiText(uiTextScanStart));
        ui->pbStartStop->setChecked(false);
    }
}

void OtnTestTScanPage::rebuild()
{
    for (int level = 0; level < OtnTScanLevels::levelCount; ++level) {
        for (QPushButton *button : qAsConst(m_buttons[level])) {
            button->hide();
            m_grids[level]->removeWidget(button);
        }
        m_levelLabels[level]->hide();
        if (m_tpLabels[level])
            m_tpLabels[level]->hide();
    }
    const QStringList names = m_mapping.getOduNames();
    for (int level = 0; level < OtnTScanLevels::levelCount; ++level) {
        QLabel *tp = m_tpLabels[level];
        if (!OtnTScanLevels::levelAvailable(m_mapping, level)) {
            m_levelLabels[level]->clear();
            if (tp)
                tp->clear();
            continue;
        }
        if (level == 0) {
            m_levelLabels[level]->setText(QStringLiteral("OTU%1/ODU%1").arg(names.value(0).mid(3)));
        } else {
            m_levelLabels[level]->setText(names.value(level));
            if (tp)
                tp->setText(QStringLiteral("TP"));
        }
        ensureChannelButtons(level, OtnTScanLevels::channelCount(m_mapping, level));
        const int count = qMin(OtnTScanLevels::channelCount(m_mapping, level), int(m_buttons[level].size()));
        for (int channel = 1; channel <= count; ++channel) {
            QPushButton *button = m_buttons[level].at(channel - 1);
            button->setText(QStringLiteral("#%1").arg(channel));
            m_grids[level]->addWidget(button, (channel - 1) / buttonsPerRow, (channel - 1) % buttonsPerRow);
        }
    }
}

void OtnTestTScanPage::clearSelection()
{
    applyDepth(1);
    select(0, 0);
}

void OtnTestTScanPage::applyDepth(int depth)
{
    m_depth = depth;
    for (int level = 0; level < OtnTScanLevels::levelCount; ++level) {
        const bool visible = level < depth;
        for (QPushButton *button : qAsConst(m_buttons[level])) {
            if (m_grids[level]->indexOf(button) >= 0)
                button->setVisible(visible);
        }
        m_levelLabels[level]->setVisible(visible);
        if (m_tpLabels[level])
            m_tpLabels[level]->setVisible(visible);
        if (m_separators[level])
            m_separators[level]->setVisible(visible && OtnTScanLevels::levelAvailable(m_mapping, level));
    }
}

void OtnTestTScanPage::select(int level, int channel)
{
    if (level < 0 || level + 1 >= OtnTScanLevels::levelCount)
        return;
    m_selected[level] = channel;
    m_selected[level + 1] = 0;
    if (!m_manager)
        return;
    std::vector<std::unique_ptr<QcmaParameterUInt>> owned;
    QList<const QcmaParameter *> request;
    for (int l = level; l <= level + 1; ++l) {
        const uint value = l < m_depth - 1 ? uint(m_selected[l]) : 0u;
        owned.push_back(std::make_unique<QcmaParameterUInt>(
            nsSID::otnSid(m_port, PID::Otn::TS::MAIN_TP[l]), value));
        request.append(owned.back().get());
    }
    m_manager->SetQcmaParameterList(request);
}

void OtnTestTScanPage::chPressed(int level, int ch)
{
    if (!m_running)
        return;
    if (m_mode == ModeScan) {
        if ((level == 0 || level == 1) && m_mapping.hasOdtu(level)) {
            applyDepth(level + 2);
            select(level, ch);
        }
        return;
    }
    showDetail(level, ch);
}

void OtnTestTScanPage::level1Pressed()
{
    chPressed(0, 1);
}

void OtnTestTScanPage::level2Pressed(int ch)
{
    chPressed(1, ch);
}

void OtnTestTScanPage::level3Pressed(int ch)
{
    chPressed(2, ch);
}

void OtnTestTScanPage::colourButtons()
{
    const auto colour = [this](int level, int channel) {
        QPushButton *button = m_buttons[level].at(channel - 1);
        const int selected = m_selected[level];
        const char *state = stateNoAlarm;
        if (selected != 0 && selected != channel)
            state = stateNotSelected;
        else if (resultOf(level, channel) != 0)
            state = stateAlarm;
        // Only a button whose colour changes is styled again.
        const QString value = QString::fromLatin1(state);
        if (button->property(scanStateProperty).toString() == value)
            return;
        button->setProperty(scanStateProperty, value);
        button->style()->unpolish(button);
        button->style()->polish(button);
        button->update();
    };
    colour(0, 1);
    for (int level = 1; level < OtnTScanLevels::levelCount; ++level) {
        if (!OtnTScanLevels::levelAvailable(m_mapping, level))
            break;
        for (int channel = 1; channel <= m_buttons[level].size(); ++channel)
            colour(level, channel);
    }
}

void OtnTestTScanPage::showDetail(int level, int channel)
{
    const quint32 word = resultOf(level, channel);
    if (word == 0 || level < 0 || level >= OtnTScanLevels::levelCount)
        return;
    if (m_selected[level] != 0 && m_selected[level] != channel)
        return;
    if (!m_manager)
        return;
    OtnTestTScanDetailDialog dialog(m_manager, m_port, this);
    dialog.setMapping(m_mapping);
    for (int l = 0; l < level; ++l)
        dialog.setChannel(l, m_selected[l]);
    dialog.setChannel(level, channel);
    dialog.setResult(word);
    m_manager->executeQzelDialog(&dialog);
}

void OtnTestTScanPage::setMode(TScanMode mode)
{
    m_mode = mode;
}

void OtnTestTScanPage::scanPressed()
{
    setMode(ModeScan);
    ui->pbScan->setChecked(true);
    ui->pbDetail->setChecked(false);
}

void OtnTestTScanPage::detailPressed()
{
    setMode(ModeDetail);
    ui->pbScan->setChecked(false);
    ui->pbDetail->setChecked(true);
}

QStringList OtnTestTScanPage::sampleStateNames() const
{
    return {QStringLiteral("scanning"), QStringLiteral("detail")};
}

bool OtnTestTScanPage::stepToSampleState(int index)
{
    if (!isPageInitialized() || index < 0 || index > 1)
        return true;
    if (!m_running) {
        if (!ui->pbStartStop->isChecked() && ui->pbStartStop->isEnabled())
            ui->pbStartStop->click();
        return false;
    }
    if (m_selected[0] == 0 && m_mapping.hasOdtu(0)) {
        ui->pbScan->click();
        m_buttons[0].first()->click();
        return false;
    }
    if (!m_resultsArrived)
        return false;
    if (index == 0) {
        ui->pbScan->click();
        return true;
    }
    ui->pbDetail->click();
    // The deepest tributary in alarm on a shown row.
    for (int level = OtnTScanLevels::levelCount - 1; level >= 0; --level) {
        for (QPushButton *button : qAsConst(m_buttons[level])) {
            const int channel = m_buttons[level].indexOf(button) + 1;
            if (button->isVisibleTo(this) && resultOf(level, channel) != 0
                && (m_selected[level] == 0 || m_selected[level] == channel)) {
                button->click();
                return true;
            }
        }
    }
    return true;
}
