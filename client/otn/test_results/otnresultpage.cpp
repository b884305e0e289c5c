#include "otnresultpage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "apps/shared/sid.h"
#include "apps/shared/zelassert.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/globalpid.h"
#include "host/otn/otnpid.h"
#include "host/pages/statisticstable.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

namespace {

// The first type of a view has the view's id.
static_assert(int(OtnResultRows::TypeLine) == int(TestResultIdentifier::ViewAlarmsErrors)
                  && int(OtnResultRows::TypeLinePerformance) == int(TestResultIdentifier::ViewPerformance),
              "a view opens with its first type");

constexpr int tcmCount = 6;

} // namespace

OtnResultPage::OtnResultPage(const TestResultIdentifier &identifier, const QList<int> &ports, const ClientInfo &info)
    : OtnResultPageBase(identifier, info.serverManager, ports), m_info(info), m_view(identifier.id()),
      m_type(identifier.id()), m_notifications(std::make_unique<UiHelperList>())
{
    setObjectName(m_view == TestResultIdentifier::ViewPerformance ? QStringLiteral("OTN Results Performance")
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
    m_followed.append(nsSID::build(nsSID::noPort, nsSID::global, PID::Global::BIDIRECTIONAL_PERFORMANCE, true));
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
    if (nsSID::groupOf(sid) == nsSID::global && id == PID::Global::BIDIRECTIONAL_PERFORMANCE) {
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

bool OtnResultPage::holds(OtnResultRows::Condition condition, const Flags &f) const
{
    switch (condition) {
    case OtnResultRows::Odtu0:
        return f.odtu[0];
    case OtnResultRows::Odtu1:
        return f.odtu[1];
    case OtnResultRows::Odtu2:
        return f.odtu[2];
    case OtnResultRows::TcmResults:
        return f.tcm;
    case OtnResultRows::Justification:
        return f.justification;
    case OtnResultRows::Gfp:
        return f.gfp;
    case OtnResultRows::Lanes:
        return f.lanes;
    case OtnResultRows::Always:
        break;
    }
    return true;
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
    for (const OtnResultRows::TypeEntry &entry : OtnResultRows::types()) {
        if (entry.view != m_view)
            continue;
        if (entry.type == m_type)
            passed = true;
        if (!holds(entry.offeredWhen, f))
            continue;
        m_cmbType->addItem(texts.getUiText(entry.comboText), int(entry.type));
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
    const bool shown = (m_type == OtnResultRows::TypeTcm || m_type == OtnResultRows::TypeTcmPerformance) && f.tcm;
    if (shown) {
        const QSignalBlocker blocker(m_cmbTcm);
        m_cmbTcm->setCurrentIndex(m_tcmIndex);
    }
    m_cmbTcm->setVisible(shown);
}

void OtnResultPage::rebuildRows()
{
    if (m_type != OtnResultRows::TypeJustification) {
        setRows(OtnResultRows::rows(m_type));
        return;
    }
    // When a level carries both, the justification block of the higher ODU comes first.
    QVector<OtnResultRows::Row> rows;
    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        int ampRank = -1;
        int gmpRank = -1;
        for (const PortState &state : qAsConst(m_portStates)) {
            const int rank = OtnResultRows::oduRank(state.mapping.getOduName(level));
            if (state.mapping.isAmp(level))
                ampRank = qMax(ampRank, rank);
            if (state.mapping.isGmp(level))
                gmpRank = qMax(gmpRank, rank);
        }
        rows += OtnResultRows::justificationRows(level, ampRank, gmpRank);
    }
    setRows(rows);
}

bool OtnResultPage::rowShown(const OtnResultRows::Row &row, const Flags &f) const
{
    return holds(row.shownWhen, f) && (row.tcm < 0 || row.tcm == m_tcmIndex)
           && (!row.bidirectional || m_bidirectionalOff == 0);
}

void OtnResultPage::applyVisibility()
{
    const Flags f = flags();
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows[i].shown = rowShown(describedRows().at(i), f);
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
