#pragma once

#include <memory>

#include "statisticslistpage.h"

class QVBoxLayout;
class StatisticsTable;

namespace Ui {
class StatisticsListTablePage;
}

// A result page drawn as one table; subclasses describe the rows and may add controls above it.
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

private:
    std::unique_ptr<Ui::StatisticsListTablePage> ui;
    bool m_built = false;
};
