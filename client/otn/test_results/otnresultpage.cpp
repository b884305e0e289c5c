#include "otnresultpage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "apps/shared/sid.h"
#include "apps/shared/zelassert.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/pages/statisticstable.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

namespace {

// The result types of each view, with the UI text of their combo entry, in the order the combo lists them.
constexpr struct {
    int type;
    int uiText;
    int view;
} typeTable[] = {
    {17, 5684, 17}, {18, 5681, 17}, {19, 5682, 17}, {20, 5683, 17}, {21, 5685, 17},
    {22, 5686, 17}, {23, 4131, 17}, {24, 4204, 17}, {25, 4277, 17}, {26, 5684, 26},
    {27, 5681, 26}, {28, 5682, 26}, {29, 5683, 26}, {30, 5686, 26},
};

// The global setting whose value 0 shows the bidirectional performance figures.
constexpr int globalGroup = 0x050000;
constexpr int bidirectionalId = 265;

constexpr int tcmCount = 6;
constexpr int tcmAlarmsTitle = 4265;
constexpr int tcmErrorsTitle = 4271;
constexpr int tcmPerformanceTitle = 4259;
constexpr int oduPerformanceTitle = 4059;
constexpr int linePerformanceTitle = 4194;
constexpr int countColumn = 4560;

// Sections whose visibility depends on the structure, the chosen TCM or the bidirectional setting.
constexpr int firstTcmAlarmSection = 45;
constexpr int firstTcmPerformanceSection = 28;
constexpr int firstTcmBidirectionalSection = 39;
constexpr int firstBidirectionalSection = 34;
constexpr int lastBidirectionalSection = 44;

// ODU types by rank: when a level carries both, the justification block of the higher ODU comes first.
const char *const oduRanks[] = {"(NONE)", "ODUFLEX", "ODU0", "ODU1", "ODU2", "ODU1E", "ODU2E",
                                "ODU1F",  "ODU2F",   "ODU3", "ODU3E1", "ODU3E2", "ODU4", "ODUC"};

int oduRank(const QString &name)
{
    const QString upper = name.toUpper();
    for (int rank = int(sizeof(oduRanks) / sizeof(oduRanks[0])) - 1; rank >= 0; --rank) {
        const QString candidate = QString::fromLatin1(oduRanks[rank]);
        if (upper == candidate || (candidate == QLatin1String("ODUC") && upper.startsWith(candidate)))
            return rank;
    }
    return 0;
}

// Level (0-3) of an ODU performance counter, -1 for other counters.
int performanceLevelOf(int counterId)
{
    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        const OtnResultPageBase::PerformanceCounters c = OtnResultPageBase::oduPerformance(level);
        for (int id : {c.stateNear, c.sesNear, c.bbeNear, c.uasNear, c.stateFar, c.sesFar, c.bbeFar, c.uasFar,
                       c.stateBidirectional, c.sesBidirectional, c.bbeBidirectional, c.uasBidirectional}) {
            if (id == counterId)
                return level;
        }
    }
    return -1;
}

} // namespace

OtnResultPage::OtnResultPage(const TestResultIdentifier &identifier, const QList<int> &ports, const ClientInfo &info)
    : OtnResultPageBase(identifier, info.serverManager, ports), m_info(info), m_view(identifier.id()),
      m_type(identifier.id()), m_notifications(std::make_unique<UiHelperList>())
{
    setObjectName(m_view == viewPerformance ? QStringLiteral("OTN Results Performance")
                                            : QStringLiteral("OTN Results Alarms/Errors"));
    followCounters(nsSID::otn);
}

OtnResultPage::~OtnResultPage() = default;

void OtnResultPage::initializeUi()
{
    if (m_cmbType)
        return;
    StatisticsListTablePage::initializeUi();
    auto *bar = new QHBoxLayout;
    bar->setSpacing(1);
    m_cmbType = new QComboBox(this);
    m_cmbType->setObjectName(QStringLiteral("cmbResultType"));
    m_cmbType->setMinimumSize(320, 31);
    m_cmbType->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_cmbTcm = new QComboBox(this);
    m_cmbTcm->setObjectName(QStringLiteral("cmbTcm"));
    m_cmbTcm->setMinimumSize(160, 31);
    bar->addWidget(m_cmbType);
    bar->addWidget(m_cmbTcm);
    bar->addStretch();
    tableLayout()->insertLayout(0, bar);
    installComboDelegates(this);
    for (int tcm = 1; tcm <= tcmCount; ++tcm)
        m_cmbTcm->addItem(QStringLiteral("TCM%1").arg(tcm));
    // Nothing to choose until the structure of every port is known.
    m_cmbType->hide();
    m_cmbTcm->hide();
    connect(m_cmbTcm, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &OtnResultPage::changed_tcm_index);
}

void OtnResultPage::showEvent(QShowEvent *event)
{
    if (!m_portsSetUp) {
        StatisticsListTablePage::initializeUi();
        Page::showEvent(event);
        setUpPorts();
        return;
    }
    Page::showEvent(event);
    m_pending = QSet<int>(m_followed.cbegin(), m_followed.cend());
    m_notifications->ConnectManual();
}

void OtnResultPage::hideEvent(QHideEvent *event)
{
    m_notifications->DisconnectManual();
    Page::hideEvent(event);
}

void OtnResultPage::UpdateText()
{
    if (!isPageInitialized())
        return;
    OtnResultPageBase::UpdateText();
    if (m_portsSetUp && m_pending.isEmpty())
        fillTypeCombo(true);
}

int OtnResultPage::flagged(int sid) const
{
    return int(unsigned(sid) | nsSID::flagMask);
}

void OtnResultPage::setUpPorts()
{
    m_portsSetUp = true;
    m_portStates.clear();
    for (int i = 0; i < ports().size(); ++i)
        m_portStates.append(PortState());
    m_notifications->Clear();
    m_followed.clear();
    for (int port : ports()) {
        m_notifications->AddUiHelper(std::make_unique<UiHelper_Notification>(
            m_manager, this, nsSID::build(port, nsSID::otn, PID::Otn::RX::MODULE, true), UiHelper::ConnectManually));
        for (int id : PID::Otn::RX::MAPPING)
            m_followed.append(nsSID::build(port, nsSID::otn, id, true));
        m_followed.append(nsSID::build(port, nsSID::otn, PID::Otn::RX::TCM, true));
    }
    m_followed.append(nsSID::build(nsSID::noPort, globalGroup, bidirectionalId, true));
    for (int sid : qAsConst(m_followed)) {
        m_notifications->AddUiHelper(
            std::make_unique<UiHelper_Notification>(m_manager, this, sid, UiHelper::ConnectManually));
    }
    m_pending = QSet<int>(m_followed.cbegin(), m_followed.cend());
    m_notifications->ConnectManual();
}

void OtnResultPage::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int sid = flagged(parameter.getSID());
    const int id = nsSID::idOf(sid);
    if (nsSID::groupOf(sid) == globalGroup && id == bidirectionalId) {
        m_bidirectionalOff = parameter.getEnum();
    } else if (nsSID::groupOf(sid) == nsSID::otn) {
        const int port = nsSID::portOf(sid);
        const int index = ports().indexOf(port);
        ZEL_ASSERT_TEXT(-1 != index, "-1 != index", QStringLiteral("The specified port is invalid value."));
        if (index < 0 || index >= m_portStates.size())
            return;
        PortState &state = m_portStates[index];
        const int field = PID::indexIn(PID::Otn::RX::MAPPING, OtnMapping::fieldCount, id);
        if (field >= 0) {
            const bool stage = field >= OtnMapping::FieldStage0;
            state.mapping.setValue(field, (!stage || parameter.isDefined()) ? parameter.getEnum() : 0);
        } else if (id == PID::Otn::RX::TCM) {
            state.tcmEnabled = parameter.getEnum() != 0;
        } else if (id == PID::Otn::RX::MODULE) {
            // Another receiver: its structure has to arrive again before the rows follow it.
            for (int followed : qAsConst(m_followed)) {
                if (nsSID::groupOf(followed) == nsSID::otn && nsSID::portOf(followed) == port)
                    m_pending.insert(followed);
            }
        }
        const int names = state.mapping.getOduNames().size();
        state.levels = (names >= 1 && names <= OtnMapping::maxLevels) ? names - 1 : 0;
    } else {
        return;
    }
    if (!m_followed.contains(sid))
        return;
    m_pending.remove(sid);
    if (m_pending.isEmpty()) {
        fillTypeCombo(true);
        rebuildRows();
        applyRows();
    }
}

OtnResultPage::Flags OtnResultPage::flags() const
{
    Flags f;
    for (const PortState &state : m_portStates) {
        const OtnMapping &m = state.mapping;
        for (int stage = 0; stage < OtnMapping::maxStages; ++stage)
            f.odtu[stage] = f.odtu[stage] || m.hasOdtu(stage);
        f.tcm = f.tcm || state.tcmEnabled;
        for (int level = 0; level < OtnMapping::maxStages; ++level)
            f.justification = f.justification || m.isGmp(level) || m.isAmp(level);
        const int client = m[OtnMapping::FieldClient];
        const bool gfpFClient = client == 2 || client == 5 || client == 29 || client == 30 || client == 31;
        f.gfp = f.gfp || client == 1 || (gfpFClient && m.isGfpF()) || (client == 17 && m.isFcGfp());
        f.lanes = f.lanes || OtnMapping::numOfLldLane(m[OtnMapping::FieldInterface]) > 0;
    }
    return f;
}

bool OtnResultPage::offered(int type, const Flags &f) const
{
    switch (type) {
    case 18:
    case 27:
        return f.odtu[0];
    case 19:
    case 28:
        return f.odtu[1];
    case 20:
    case 29:
        return f.odtu[2];
    case 22:
    case 30:
        return f.tcm;
    case 23:
        return f.justification;
    case 24:
        return f.gfp;
    case 25:
        return f.lanes;
    default:
        return true;
    }
}

void OtnResultPage::fillTypeCombo(bool updateLater)
{
    if (!m_cmbType)
        return;
    disconnect(m_cmbType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               QOverload<int>::of(&OtnResultPage::changed_type_index));
    const Flags f = flags();
    const WidgetText texts = this->texts();
    m_cmbType->clear();
    int current = -1;
    int before = -1;
    bool passed = false;
    for (const auto &entry : typeTable) {
        if (entry.view != m_view)
            continue;
        if (entry.type == m_type)
            passed = true;
        if (!offered(entry.type, f))
            continue;
        m_cmbType->addItem(texts.getUiText(entry.uiText), entry.type);
        if (entry.type == m_type)
            current = m_cmbType->count() - 1;
        else if (!passed)
            before = m_cmbType->count() - 1;
    }
    if (current < 0)
        current = before >= 0 ? before : 0;
    m_cmbType->setCurrentIndex(current);
    m_cmbType->setVisible(m_cmbType->count() > 1);
    changed_type_index(current, updateLater);
    connect(m_cmbType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            QOverload<int>::of(&OtnResultPage::changed_type_index));
}

void OtnResultPage::changed_type_index(int index, bool update_later)
{
    if (!m_cmbType || index < 0 || index >= m_cmbType->count())
        return;
    m_type = m_cmbType->itemData(index).toInt();
    showTcmCombo(flags());
    if (!update_later) {
        rebuildRows();
        applyRows();
    }
}

void OtnResultPage::changed_type_index(int index)
{
    changed_type_index(index, false);
}

void OtnResultPage::changed_tcm_index(int index)
{
    if (index < 0)
        return;
    m_tcmIndex = index;
    applyRows();
}

void OtnResultPage::showTcmCombo(const Flags &f)
{
    const bool shown = (m_type == 22 || m_type == 30) && f.tcm;
    if (shown) {
        const QSignalBlocker blocker(m_cmbTcm);
        m_cmbTcm->setCurrentIndex(m_tcmIndex);
    }
    m_cmbTcm->setVisible(shown);
}

void OtnResultPage::rebuildRows()
{
    using namespace nsIID::Otn;
    clearRows();
    switch (m_type) {
    case 17:
        openSection(0, 4027);
        addValue(0, 10001);
        for (int alarm : {101, 102, 103, 106, 109, 110, 113, 116, 115, 114, 433})
            addAlarmError(0, alarm);
        closeSection(0);
        openSection(0, 4033);
        addValue(0, 10001);
        for (int error : {1101, 1104, 1107, 1109, 1111, 1112, 1429})
            addAlarmError(0, error);
        closeSection(0);
        addOduBlock(0);
        break;
    case 18:
    case 19:
    case 20:
        addOduBlock(m_type - 17);
        break;
    case 21:
        openSection(4, 4032);
        addAlarmError(4, 167);
        addAlarmError(4, 168);
        addAlarmError(14, 169);
        closeSection(4);
        openSection(14, 4038);
        addAlarmError(14, 1174);
        closeSection(14);
        openSection(4, 4039, countColumn, StatisticsTable::noColumnText);
        addSecondValue(4, 2717);
        addValue(4, 2718);
        closeSection(4);
        break;
    case 22:
        for (int j = 0; j < tcmCount; ++j) {
            const int section = firstTcmAlarmSection + j;
            openSection(section, tcmAlarmsTitle + j);
            addValue(section, Mapping::ODU_NAME[0]);
            for (const int *alarm : {Alarm::TCMi_TIM, Alarm::TCMi_BIAE, Alarm::TCMi_BDI, Alarm::TCMi_IAE, Alarm::TCMi_LTC})
                addAlarmError(section, alarm[j]);
            closeSection(section);
            openSection(section, tcmErrorsTitle + j);
            addValue(section, Mapping::ODU_NAME[0]);
            addAlarmError(section, Error::TCMi_BIP8[j]);
            addAlarmError(section, Error::TCMi_BEI[j]);
            closeSection(section);
        }
        break;
    case 23:
        for (int level = 0; level < OtnMapping::maxLevels; ++level)
            addJustificationBlocks(level);
        break;
    case 24:
        openSection(11, 4204, countColumn, StatisticsTable::noColumnText);
        for (int counter : {1403, 1404, 1405, 1406, 1153, 1154, 1155, 1156})
            addCount(11, counter);
        closeSection(11);
        openSection(12, 4204, countColumn, StatisticsTable::noColumnText);
        addHeader(12, 4187);
        for (int counter : {1601, 1602, 1603, 1161})
            addCount(12, counter);
        addHeader(12, 4188);
        for (int counter : {1604, 1605, 1606, 1165, 1166, 1167, 1157, 1407, 1408, 1409, 1410, 1168, 1169, 1401, 1402})
            addCount(12, counter);
        closeSection(12);
        openSection(13, 4204, countColumn, StatisticsTable::noColumnText);
        addHeader(13, 4187);
        for (int counter : {1601, 1603, 1161})
            addCount(13, counter);
        addHeader(13, 4188);
        for (int counter : {1604, 1606, 1165, 1157, 1149, 1150, 1151, 1152, 1401, 1402})
            addCount(13, counter);
        closeSection(13);
        break;
    case 25:
        openSection(22, 4278, 4647, 4648);
        addPair(22, 176);
        addPair(22, 177, 402);
        addPair(22, 178);
        addPair(22, 179, 404);
        addPair(22, 1177, 1411);
        addPair(22, 1178, 1412);
        addPair(22, 1179, 1413);
        addCount(22, 170);
        addHeader(22, 4617);
        addPair(22, 2140);
        addHeader(22, 4619);
        addPair(22, 2141);
        closeSection(22);
        break;
    case 26:
        addPerformanceBlock(linePerformanceTitle, 10009, linePerformance(), 23, 34);
        addPerformanceBlock(oduPerformanceTitle, Mapping::ODU_PER_NAME[0], oduPerformance(0), 24, 35);
        break;
    case 27:
    case 28:
    case 29: {
        const int level = m_type - 26;
        // The fourth level's bidirectional figures share the third level's section.
        const int bidirectional = qMin(35 + level, 37);
        addPerformanceBlock(oduPerformanceTitle, Mapping::ODU_PER_NAME[level], oduPerformance(level), 24 + level,
                            bidirectional);
        break;
    }
    case 30:
        for (int j = 0; j < tcmCount; ++j) {
            addPerformanceBlock(tcmPerformanceTitle + j, Mapping::ODU_PER_NAME[0], tcmPerformance(j),
                                firstTcmPerformanceSection + j, firstTcmBidirectionalSection + j);
        }
        break;
    default:
        break;
    }
}

void OtnResultPage::addJustificationBlocks(int level)
{
    int ampRank = -1;
    int gmpRank = -1;
    for (const PortState &state : qAsConst(m_portStates)) {
        const int rank = oduRank(state.mapping.getOduName(level));
        if (state.mapping.isAmp(level))
            ampRank = qMax(ampRank, rank);
        if (state.mapping.isGmp(level))
            gmpRank = qMax(gmpRank, rank);
    }
    const bool ampFirst = ampRank > gmpRank;
    if (ampFirst)
        addAmpBlock(level);
    if (gmpRank >= 0)
        addGmpBlock(level);
    if (!ampFirst && ampRank >= 0)
        addAmpBlock(level);
}

bool OtnResultPage::rowShown(const nsStatistics::TableItem &row, const Flags &f) const
{
    const int s = row.section;
    if (m_view != viewPerformance) {
        if (s >= 1 && s <= 3)
            return f.odtu[s - 1];
        if (s == 15 || s == 16)
            return f.odtu[s - 15];
        if (s >= firstTcmAlarmSection && s < firstTcmAlarmSection + tcmCount)
            return f.tcm && s - firstTcmAlarmSection == m_tcmIndex;
        return true;
    }
    bool shown = true;
    if (s == 25 || s == 36)
        shown = f.odtu[0];
    else if (s == 26)
        shown = f.odtu[1];
    else if (s == 27)
        shown = f.odtu[2];
    else if (s == 37)
        shown = f.odtu[qMax(1, performanceLevelOf(row.counterId)) - 1];
    else if (s >= firstTcmPerformanceSection && s < firstTcmPerformanceSection + tcmCount)
        shown = f.tcm && s - firstTcmPerformanceSection == m_tcmIndex;
    else if (s >= firstTcmBidirectionalSection && s < firstTcmBidirectionalSection + tcmCount)
        shown = f.tcm && s - firstTcmBidirectionalSection == m_tcmIndex;
    if (s >= firstBidirectionalSection && s <= lastBidirectionalSection)
        shown = shown && m_bidirectionalOff == 0;
    return shown;
}

void OtnResultPage::applyVisibility()
{
    const Flags f = flags();
    for (nsStatistics::TableItem &row : m_rows)
        row.shown = rowShown(row, f);
}

void OtnResultPage::applyRows()
{
    StatisticsTable *table = getStatisticsTable();
    if (!table)
        return;
    applyVisibility();
    table->setTableItems(m_rows);
    if (!m_manager)
        return;
    for (int port : ports())
        m_manager->Interval_GetAndPost_Ex(port, nsSID::otn, intervalSelector());
}

QStringList OtnResultPage::sampleStateNames() const
{
    QStringList names;
    for (int i = 0; m_cmbType && i < m_cmbType->count(); ++i)
        names.append(m_cmbType->itemText(i));
    return names;
}

bool OtnResultPage::stepToSampleState(int index)
{
    if (m_cmbType && index >= 0 && index < m_cmbType->count())
        m_cmbType->setCurrentIndex(index);
    return true;
}
