#include "navigationlist.h"

#include "ui_navigationlist.h"

#include <QHBoxLayout>
#include <QHeaderView>

#include "apps/shared/sid.h"
#include "directiontexts.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_status.h"
#include "host/bindings/uihelperlist.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/catalogue/parameterdefinition.h"
#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/setuppageproperty.h"
#include "host/contract/statusitemshowjudgeinterface.h"
#include "host/contract/sublayerjudgeinterface.h"
#include "host/otn/otniid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/portstatusitem.h"
#include "statustypejudge.h"

namespace {
constexpr int pageIdRole = Qt::UserRole;
constexpr int ledSize = 14;

// The tester's summaries of what the alarms and errors page shows: one per level, one for the lanes.
QList<int> errorPageSummarySids(int technology)
{
    if (technology != InterfaceSetupIdentifier::TechnologyOtn)
        return {};
    QList<int> sids;
    for (int id : nsIID::Otn::Alarm::SUM_ERRALARM)
        sids.append(nsSID::otnSid(0, id));
    sids.append(nsSID::otnSid(0, nsIID::Otn::Lane::SUMMARY));
    return sids;
}

// The LED's state in words, for its tool tip.
QString stateText(int state)
{
    switch (state) {
    case PortStatusItem::Alarm:
        return QStringLiteral("current");
    case PortStatusItem::History:
        return QStringLiteral("history (current since the last reset)");
    case PortStatusItem::Ok:
        return QStringLiteral("clear");
    default:
        return QStringLiteral("not measured");
    }
}

// Keeps the LED's tool tip saying what it shows and how it stands.
void describeLed(PortStatusItem *led, const QString &what)
{
    const auto describe = [led, what] { led->setToolTip(QStringLiteral("%1: %2").arg(what, stateText(led->state()))); };
    QObject::connect(led, &PortStatusItem::stateChanged, led, describe);
    describe();
}

// A current alarm outweighs a past one, which outweighs a clear status; an undefined status weighs nothing.
int weightOf(int state)
{
    switch (state) {
    case PortStatusItem::Alarm:
        return 3;
    case PortStatusItem::History:
        return 2;
    case PortStatusItem::Ok:
        return 1;
    default:
        return 0;
    }
}
} // namespace

NavigationList::NavigationList(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::NavigationList>()), m_helpers(std::make_unique<UiHelperList>())
{
    ui->setupUi(this);
    ui->twPages->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->twPages->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    connect(ui->twPages, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { currentItemChanged(current); });
}

NavigationList::~NavigationList() = default;

void NavigationList::setup(const InterfaceSetupPageFactory *factory, zelServerManager *manager, int port)
{
    m_manager = manager;
    m_port = port;
    m_updating = true;
    m_helpers->Clear();
    m_entries.clear();
    m_itemJudges.clear();
    m_summaryStates.clear();
    m_summaryLed = nullptr;
    ui->twPages->clear();
    m_setupGroup = new QTreeWidgetItem(ui->twPages, QStringList{tr("Setup")});
    m_statusGroup = new QTreeWidgetItem(ui->twPages, QStringList{tr("Status")});
    if (factory) {
        for (const SetupPageProperty *record : factory->setupPageProperties())
            addEntry(m_setupGroup, record->pageId(), record->titleKey(), record->direction());
        for (const StatusPageProperty *record : factory->allStatusPageProperties()) {
            Entry &entry = addEntry(m_statusGroup, record->pageId(), record->titleKey());
            entry.record = record;
            const bool errorPage = record == &factory->errorStatusProperty();
            addStatusItems(entry, *record, errorPage ? errorPageSummarySids(factory->technology()) : QList<int>());
            if (!record->showJudge())
                continue;
            // Offered once the judge has seen the parameters it follows and says yes.
            entry.item->setHidden(true);
            for (int sid : record->followedSids())
                m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(
                    manager, this, nsSID::setPort(sid, m_port), UiHelper::ConnectImmediately));
        }
    }
    ui->twPages->expandAll();
    retitle();
    m_updating = false;
}

NavigationList::Entry &NavigationList::addEntry(QTreeWidgetItem *group, int pageId, int titleKey, int direction)
{
    Entry entry;
    entry.pageId = pageId;
    entry.titleKey = titleKey;
    entry.direction = direction;
    entry.item = new QTreeWidgetItem(group);
    entry.item->setData(0, pageIdRole, pageId);
    m_entries.append(entry);
    return m_entries.last();
}

void NavigationList::addStatusItems(Entry &entry, const StatusPageProperty &record, const QList<int> &summarySids)
{
    if (record.items().isEmpty() && summarySids.isEmpty())
        return;
    auto *strip = new QWidget(ui->twPages);
    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (!summarySids.isEmpty()) {
        entry.summary = new PortStatusItem(strip);
        entry.summary->setFixedSize(ledSize, ledSize);
        describeLed(entry.summary, tr("Summary of every level"));
        layout->addWidget(entry.summary);
        layout->addSpacing(4);
        m_summaryLed = entry.summary;
        for (int sid : summarySids) {
            m_summaryStates.insert(sid, PortStatusItem::Off);
            m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(
                m_manager, this, nsSID::setPort(sid, m_port), UiHelper::ConnectImmediately));
        }
    }
    for (const StatusItem &item : record.items()) {
        auto *led = new PortStatusItem(strip);
        led->setFixedSize(ledSize, ledSize);
        layout->addWidget(led);
        entry.leds.append(led);
        m_judges.push_back(std::make_unique<StatusTypeJudge>(item.type()));
        const int sid = item.followsPort() ? nsSID::setPort(item.sid(), m_port) : item.sid();
        const ParameterDefinition *definition = m_manager ? m_manager->catalogue().findBySid(sid) : nullptr;
        describeLed(led, definition ? definition->name : QStringLiteral("Status"));
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Status>(m_manager, led, nullptr, sid,
                                                                 UiHelper::ConnectImmediately, m_judges.back().get()));
        if (item.showJudge()) {
            m_itemJudges.append(ItemJudge{nsSID::setPort(item.sid(), 0), item.showJudge(), led});
            m_helpers->AddUiHelper(
                std::make_unique<UiHelper_Notification>(m_manager, this, sid, UiHelper::ConnectImmediately));
        }
    }
    layout->addStretch();
    ui->twPages->setItemWidget(entry.item, 1, strip);
}

void NavigationList::setPort(int port)
{
    if (port == m_port)
        return;
    m_port = port;
    m_helpers->ChangePort(port);
}

void NavigationList::setTerminology(int terminology)
{
    if (terminology == m_terminology)
        return;
    m_terminology = terminology;
    m_helpers->ChangeTerminology(terminology);
    retitle();
}

void NavigationList::setCurrentPage(int pageId)
{
    for (const Entry &entry : qAsConst(m_entries)) {
        if (entry.pageId != pageId)
            continue;
        m_updating = true;
        ui->twPages->setCurrentItem(entry.item);
        m_updating = false;
        return;
    }
}

QList<int> NavigationList::pageIds() const
{
    QList<int> ids;
    for (const Entry &entry : m_entries)
        ids.append(entry.pageId);
    return ids;
}

bool NavigationList::isPageOffered(int pageId) const
{
    for (const Entry &entry : m_entries) {
        if (entry.pageId == pageId)
            return !entry.item->isHidden();
    }
    return false;
}

QString NavigationList::titleOf(int pageId) const
{
    for (const Entry &entry : m_entries) {
        if (entry.pageId == pageId)
            return entry.item->text(0);
    }
    return QString();
}

QList<PortStatusItem *> NavigationList::statusLeds(int pageId) const
{
    for (const Entry &entry : m_entries) {
        if (entry.pageId == pageId)
            return entry.leds;
    }
    return {};
}

PortStatusItem *NavigationList::summaryLed(int pageId) const
{
    for (const Entry &entry : m_entries) {
        if (entry.pageId == pageId)
            return entry.summary;
    }
    return nullptr;
}

void NavigationList::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int sid = nsSID::setPort(parameter.getSID(), 0);
    for (const Entry &entry : qAsConst(m_entries)) {
        if (entry.record && entry.record->showJudge() && entry.record->followedSids().contains(sid))
            entry.item->setHidden(!entry.record->showJudge()->judge(parameter));
    }
    for (const ItemJudge &judge : qAsConst(m_itemJudges)) {
        if (judge.sid == sid)
            judge.led->setVisible(judge.judge->isItemShown(parameter));
    }
    if (m_summaryStates.contains(sid)) {
        m_summaryStates.insert(sid, UiHelper_Status::defaultJudge(parameter));
        updateSummary();
    }
}

void NavigationList::updateSummary()
{
    int worst = PortStatusItem::Off;
    for (int state : qAsConst(m_summaryStates)) {
        if (weightOf(state) > weightOf(worst))
            worst = state;
    }
    if (m_summaryLed)
        m_summaryLed->setState(PortStatusItem::State(worst));
}

void NavigationList::retitle()
{
    const WidgetText texts = m_manager ? m_manager->texts() : WidgetText();
    QStringList titles;
    for (const Entry &entry : qAsConst(m_entries))
        titles.append(texts.getTextOfKey(entry.titleKey, m_terminology));
    // The plug-in's title keys stay as registered; only the list tells equal titles apart.
    const QStringList registered = titles;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (registered.count(registered.at(i)) < 2)
            continue;
        const int direction = m_entries.at(i).direction;
        if (direction == InterfaceSetupIdentifier::DirectionTx)
            titles[i] = texts.getUiText(DirectionText::tx, m_terminology) + QLatin1Char(' ') + titles.at(i);
        else if (direction == InterfaceSetupIdentifier::DirectionRx)
            titles[i] = texts.getUiText(DirectionText::rx, m_terminology) + QLatin1Char(' ') + titles.at(i);
    }
    for (int i = 0; i < m_entries.size(); ++i) {
        const int earlier = titles.mid(0, i).count(titles.at(i));
        const QString title = earlier == 0 ? titles.at(i) : QStringLiteral("%1 (%2)").arg(titles.at(i)).arg(earlier + 1);
        m_entries.at(i).item->setText(0, title);
    }
    // Wide enough for every title beside its LEDs: a title is never cut.
    const QAbstractItemView *view = ui->twPages;
    // The LED column is as wide as its header section wants, which may be more than the LEDs.
    const int leds = qMax(view->sizeHintForColumn(1), ui->twPages->header()->sectionSizeHint(1));
    ui->twPages->setMinimumWidth(view->sizeHintForColumn(0) + leds + 2 * ui->twPages->frameWidth());
}

void NavigationList::currentItemChanged(QTreeWidgetItem *current)
{
    if (m_updating || !current)
        return;
    const QVariant pageId = current->data(0, pageIdRole);
    if (pageId.isValid())
        emit pageRequested(pageId.toInt());
}
