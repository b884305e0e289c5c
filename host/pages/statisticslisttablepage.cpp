#include "statisticslisttablepage.h"

#include "ui_statisticslisttablepage.h"

StatisticsListTablePage::StatisticsListTablePage(const TestResultIdentifier &identifier, zelServerManager *manager,
                                                 const QList<int> &ports, QWidget *parent)
    : StatisticsListPage(identifier, manager, ports, parent), ui(std::make_unique<Ui::StatisticsListTablePage>())
{
}

StatisticsListTablePage::~StatisticsListTablePage() = default;

void StatisticsListTablePage::initializeUi()
{
    if (m_built)
        return;
    ui->setupUi(this);
    ui->twStatistics->setTexts(texts());
    m_built = true;
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
