#include "statisticslisttablepage.h"

#include "ui_statisticslisttablepage.h"

#include "apps/shared/sid.h"
#include "host/bindings/notifyinterface.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/parameters/intervaldata.h"
#include "host/server/zelservermanager.h"
#include "statisticstable.h"

// Hands the counter blocks its bindings receive to the page.
class StatisticsListTablePage::CounterFeed : public NotifyInterface
{
public:
    explicit CounterFeed(StatisticsListTablePage *page) : m_page(page) {}
    void intervalDataChanged(const IntervalData &data) override { m_page->counterDataArrived(data); }

private:
    StatisticsListTablePage *m_page = nullptr;
};

StatisticsListTablePage::StatisticsListTablePage(const TestResultIdentifier &identifier, zelServerManager *manager,
                                                 const QList<int> &ports, QWidget *parent)
    : StatisticsListPage(identifier, manager, ports, parent), ui(std::make_unique<Ui::StatisticsListTablePage>()),
      m_feed(std::make_unique<CounterFeed>(this)), m_shownPort(m_port)
{
}

StatisticsListTablePage::~StatisticsListTablePage() = default;

void StatisticsListTablePage::initializeUi()
{
    if (m_built)
        return;
    ui->setupUi(this);
    ui->twStatistics->setTexts(texts());
    for (int port : ports())
        ui->cmbResultPort->addItem(tr("Port %1").arg(port), port);
    ui->cmbResultPort->setCurrentIndex(qMax(0, ui->cmbResultPort->findData(m_shownPort)));
    // One port needs no choice.
    ui->lblResultPort->setVisible(ports().size() > 1);
    ui->cmbResultPort->setVisible(ports().size() > 1);
    ui->cmbInterval->addItem(tr("Current Interval"), currentIntervalSelector);
    ui->cmbInterval->addItem(tr("Cumulative"), cumulativeIntervalSelector);
    ui->cmbInterval->setCurrentIndex(qMax(0, ui->cmbInterval->findData(intervalSelector())));
    connect(ui->cmbResultPort, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &StatisticsListTablePage::portIndexChanged);
    connect(ui->cmbInterval, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &StatisticsListTablePage::intervalIndexChanged);
    m_feedList = m_helpers->AddUiHelper(std::make_unique<UiHelperList>());
    m_built = true;
    refollow();
}

void StatisticsListTablePage::ChangeTerminology(int terminology)
{
    if (m_built)
        ui->twStatistics->setTerminology(terminology);
    StatisticsListPage::ChangeTerminology(terminology);
}

StatisticsTable *StatisticsListTablePage::getStatisticsTable() const
{
    return m_built ? ui->twStatistics : nullptr;
}

QVBoxLayout *StatisticsListTablePage::tableLayout() const
{
    return m_built ? ui->vLayoutTable : nullptr;
}

void StatisticsListTablePage::showPort(int port)
{
    if (port == m_shownPort || !ports().contains(port))
        return;
    m_shownPort = port;
    if (m_built)
        ui->cmbResultPort->setCurrentIndex(ui->cmbResultPort->findData(port));
    refollow();
}

void StatisticsListTablePage::showInterval(quint32 selector)
{
    if (selector == intervalSelector())
        return;
    setIntervalSelector(selector);
    if (m_built)
        ui->cmbInterval->setCurrentIndex(qMax(0, ui->cmbInterval->findData(selector)));
    refollow();
}

void StatisticsListTablePage::followCounters(int group)
{
    if (group == m_group)
        return;
    m_group = group;
    refollow();
}

void StatisticsListTablePage::refollow()
{
    if (!m_built)
        return;
    ui->twStatistics->setCounterScope(m_group, m_shownPort);
    ui->twStatistics->clearValues();
    m_feedList->Clear();
    if (!m_group || !m_manager)
        return;
    m_feedList->AddUiHelper(std::make_unique<UiHelper_Notification>(
        m_manager, m_feed.get(), nsSID::build(m_shownPort, m_group, IntervalDataCounters::blockId),
        intervalSelector(), UiHelper::ConnectManually));
    if (isVisible() && isPageInitialized()) {
        m_feedList->ConnectManual();
        m_manager->Interval_GetAndPost_Ex(m_shownPort, m_group, intervalSelector());
    }
}

void StatisticsListTablePage::counterDataArrived(const IntervalData &data)
{
    const auto *counters = dynamic_cast<const IntervalDataCounters *>(&data);
    if (!counters || !m_built || nsSID::portOf(data.sid()) != m_shownPort || data.selector() != intervalSelector())
        return;
    ui->twStatistics->showValues(counters->values);
}

void StatisticsListTablePage::portIndexChanged(int index)
{
    if (index >= 0)
        showPort(ui->cmbResultPort->itemData(index).toInt());
}

void StatisticsListTablePage::intervalIndexChanged(int index)
{
    if (index >= 0)
        showInterval(ui->cmbInterval->itemData(index).toUInt());
}
