#include "resultsarea.h"

#include "ui_resultsarea.h"

#include "eventlogpage.h"
#include "historypage.h"

#include "host/contract/statisticslisttablepagefactory.h"
#include "host/contract/testresultidentifier.h"
#include "host/pages/statisticslistpage.h"
#include "host/pages/statisticslisttablepage.h"

ResultsArea::ResultsArea(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::ResultsArea>())
{
    ui->setupUi(this);
    ui->cmbView->addItem(tr("Alarms/Errors"), int(TestResultIdentifier::ViewAlarmsErrors));
    ui->cmbView->addItem(tr("Performance"), int(TestResultIdentifier::ViewPerformance));
    ui->cmbView->addItem(tr("Event Log"), int(ViewEventLog));
    ui->cmbView->addItem(tr("History"), int(ViewHistory));
    m_eventLogPage = new EventLogPage(ui->swResults);
    m_eventLogPage->setObjectName(QStringLiteral("EventLogPage"));
    ui->swResults->addWidget(m_eventLogPage);
    m_historyPage = new HistoryPage(ui->swResults);
    m_historyPage->setObjectName(QStringLiteral("HistoryPage"));
    ui->swResults->addWidget(m_historyPage);
    connect(ui->cmbView, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ResultsArea::viewIndexChanged);
}

ResultsArea::~ResultsArea() = default;

void ResultsArea::setup(StatisticsListTablePageFactory *factory, zelServerManager *manager, EventLog *log)
{
    m_eventLogPage->setLog(log);
    m_eventLogPage->showPort(m_port);
    m_historyPage->setLog(log);
    m_historyPage->showPort(m_port);
    m_pages.clear();
    m_factory = factory;
    m_manager = manager;
    viewIndexChanged(ui->cmbView->currentIndex());
}

bool ResultsArea::showView(int view)
{
    const int index = ui->cmbView->findData(view);
    if (index >= 0 && index != ui->cmbView->currentIndex()) {
        ui->cmbView->setCurrentIndex(index);
        return ui->swResults->currentWidget() != ui->lblNoResults;
    }
    if (view == ViewEventLog || view == ViewHistory) {
        ui->swResults->setCurrentWidget(view == ViewEventLog ? static_cast<QWidget *>(m_eventLogPage)
                                                             : static_cast<QWidget *>(m_historyPage));
        return true;
    }
    StatisticsListPage *page = this->page(view);
    if (!page && m_factory) {
        std::unique_ptr<StatisticsListPage> created(m_factory->createPage(TestResultIdentifier(view), m_manager));
        if (created) {
            page = created.get();
            if (auto *table = qobject_cast<StatisticsListTablePage *>(page))
                table->showPort(m_port);
            page->initializePage();
            ui->swResults->addWidget(page);
            m_pages[view] = std::move(created);
        }
    }
    ui->swResults->setCurrentWidget(page ? static_cast<QWidget *>(page) : ui->lblNoResults);
    return page != nullptr;
}

StatisticsListPage *ResultsArea::page(int view) const
{
    const auto it = m_pages.find(view);
    return it == m_pages.end() ? nullptr : it->second.get();
}

void ResultsArea::setGUIAccessState(int state)
{
    for (const auto &entry : m_pages)
        entry.second->SetGUIAccessState(state);
}

void ResultsArea::setTerminology(int terminology)
{
    for (const auto &entry : m_pages)
        entry.second->ChangeTerminology(terminology);
}

void ResultsArea::setPort(int port)
{
    m_port = port;
    m_eventLogPage->showPort(port);
    m_historyPage->showPort(port);
    for (const auto &entry : m_pages) {
        if (auto *table = qobject_cast<StatisticsListTablePage *>(entry.second.get()))
            table->showPort(port);
    }
}

void ResultsArea::viewIndexChanged(int index)
{
    if (index >= 0)
        showView(ui->cmbView->itemData(index).toInt());
}
