#pragma once

#include <memory>

#include "statisticslistpage.h"

class IntervalData;
class QVBoxLayout;
class StatisticsTable;
class UiHelperList;

namespace Ui {
class StatisticsListTablePage;
}

// A result page drawn as one table; subclasses describe the rows and may add controls above it. The
// page shows the counters of one of its ports for the chosen interval (current or cumulative), as the
// server delivers them while the page is shown.
class ZELBASE_EXPORT StatisticsListTablePage : public StatisticsListPage
{
    Q_OBJECT
public:
    StatisticsListTablePage(const TestResultIdentifier &identifier, zelServerManager *manager,
                            const QList<int> &ports, QWidget *parent = nullptr);
    ~StatisticsListTablePage() override;

    // Builds the table once; later calls change nothing.
    void initializeUi() override;
    void ChangeTerminology(int terminology) override;

    // Null before initializeUi.
    StatisticsTable *getStatisticsTable() const;
    QVBoxLayout *tableLayout() const;

    // The port whose values the table shows (the first port until the user picks another).
    int shownPort() const { return m_shownPort; }
    void showPort(int port);
    // Current or cumulative values (currentIntervalSelector, cumulativeIntervalSelector).
    void showInterval(quint32 selector);

protected:
    // The table shows the counters of this group (IntervalDataCounters); 0 shows none.
    void followCounters(int group);

private:
    class CounterFeed;

    void refollow();
    void counterDataArrived(const IntervalData &data);
    void portIndexChanged(int index);
    void intervalIndexChanged(int index);

    std::unique_ptr<Ui::StatisticsListTablePage> ui;
    std::unique_ptr<CounterFeed> m_feed;
    UiHelperList *m_feedList = nullptr;   // nested in the page's binding list
    int m_group = 0;
    int m_shownPort = 0;
    bool m_built = false;
};
