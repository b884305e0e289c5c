#include "resultsarea.h"

#include "ui_resultsarea.h"

#include "host/contract/statisticslisttablepagefactory.h"
#include "host/contract/testresultidentifier.h"
#include "host/pages/statisticslistpage.h"

ResultsArea::ResultsArea(QWidget *parent) : QWidget(parent), ui(new Ui::ResultsArea)
{
    ui->setupUi(this);
    ui->cmbView->addItem(tr("Alarms/Errors"), int(TestResultIdentifier::ViewAlarmsErrors));
    ui->cmbView->addItem(tr("Performance"), int(TestResultIdentifier::ViewPerformance));
    connect(ui->cmbView, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ResultsArea::viewIndexChanged);
}

ResultsArea::~ResultsArea()
{
    delete ui;
}

void ResultsArea::setup(StatisticsListTablePageFactory *factory, zelServerManager *manager)
{
    for (StatisticsListPage *page : qAsConst(m_pages))
        delete page;
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
        return m_pages.contains(view);
    }
    StatisticsListPage *page = m_pages.value(view, nullptr);
    if (!page && m_factory) {
        page = m_factory->createPage(TestResultIdentifier(view), m_manager);
        if (page) {
            page->initializePage();
            ui->swResults->addWidget(page);
            m_pages.insert(view, page);
        }
    }
    ui->swResults->setCurrentWidget(page ? static_cast<QWidget *>(page) : ui->lblNoResults);
    return page != nullptr;
}

void ResultsArea::setGUIAccessState(int state)
{
    for (StatisticsListPage *page : qAsConst(m_pages))
        page->SetGUIAccessState(state);
}

void ResultsArea::setTerminology(int terminology)
{
    for (StatisticsListPage *page : qAsConst(m_pages))
        page->ChangeTerminology(terminology);
}

void ResultsArea::viewIndexChanged(int index)
{
    if (index >= 0)
        showView(ui->cmbView->itemData(index).toInt());
}
