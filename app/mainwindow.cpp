#include "mainwindow.h"

#include "ui_mainwindow.h"

#include <QScrollArea>
#include <QShowEvent>

#include "clientsession.h"
#include "customscreenpage.h"
#include "directiontexts.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

MainWindow::MainWindow(ClientSession &session, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), m_session(session)
{
    ui->setupUi(this);
    const QList<int> ports = session.ports();
    m_port = ports.isEmpty() ? 1 : ports.first();
    zelServerManager *manager = session.serverManager();

    ui->controlBar->setup(manager, ports);
    ui->overview->setup(session.setupFactory(), manager, m_port);
    ui->navigation->setup(session.setupFactory(), manager, m_port);
    ui->pageArea->setup(session.setupFactory(), manager, m_port);
    if (!session.setupFactory())
        ui->pageArea->setUnavailableReason(session.pluginError());
    ui->resultsArea->setup(session.statisticsFactory(), manager, session.eventLog());
    ui->resultsArea->setPort(m_port);
    ui->stimuliArea->setServerManager(manager);
    for (int port : ports)
        ui->stimuliArea->addPanels(port, session.takeStimuli(port));
    ui->stimuliArea->showPort(m_port);
    // Scrolled, so that the screen's width never widens the window.
    auto *customScroll = new QScrollArea(ui->twMain);
    customScroll->setWidgetResizable(true);
    m_customScreen = new CustomScreenPage(customScroll);
    m_customScreen->setObjectName(QStringLiteral("CustomScreenPage"));
    m_customScreen->setup(manager, session.uiHelperWrapper(), m_port);
    customScroll->setWidget(m_customScreen);
    ui->twMain->addTab(customScroll, tr("Custom Screen"));
    terminologyChanged(m_port, manager ? manager->GetTerminology(m_port) : 0);
    // The pages take the room the navigation and the stimuli leave.
    ui->splitterMain->setStretchFactor(0, 0);
    ui->splitterMain->setStretchFactor(1, 1);
    ui->splitterMain->setStretchFactor(2, 0);

    connect(ui->controlBar, &ControlBar::portChanged, this, &MainWindow::setPort);
    connect(ui->overview, &InterfaceOverview::pageRequested, this, &MainWindow::openPage);
    connect(ui->navigation, &NavigationList::pageRequested, this, &MainWindow::openPage);
    if (manager) {
        connect(manager, &zelServerManager::terminologyChanged, this, &MainWindow::terminologyChanged);
        connect(manager, &zelServerManager::guiAccessStateChanged, this, &MainWindow::accessStateChanged);
    }
}

MainWindow::~MainWindow() = default;

bool MainWindow::openPage(int pageId)
{
    ui->twMain->setCurrentWidget(ui->tabPages);
    ui->navigation->setCurrentPage(pageId);
    return ui->pageArea->showPage(pageId);
}

bool MainWindow::openResults(int view)
{
    ui->twMain->setCurrentWidget(ui->tabResults);
    return ui->resultsArea->showView(view);
}

void MainWindow::setPort(int port)
{
    if (port == m_port)
        return;
    m_port = port;
    ui->controlBar->setCurrentPort(port);
    ui->overview->setPort(port);
    ui->navigation->setPort(port);
    ui->pageArea->setPort(port);
    ui->resultsArea->setPort(port);
    ui->stimuliArea->showPort(port);
    m_customScreen->setPort(port);
    if (zelServerManager *manager = m_session.serverManager())
        terminologyChanged(port, manager->GetTerminology(port));
}

ControlBar *MainWindow::controlBar() const
{
    return ui->controlBar;
}

InterfaceOverview *MainWindow::overview() const
{
    return ui->overview;
}

NavigationList *MainWindow::navigation() const
{
    return ui->navigation;
}

PageArea *MainWindow::pageArea() const
{
    return ui->pageArea;
}

ResultsArea *MainWindow::resultsArea() const
{
    return ui->resultsArea;
}

StimuliArea *MainWindow::stimuliArea() const
{
    return ui->stimuliArea;
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_sidesSized || event->spontaneous())
        return;
    // The sides start at their smallest, once the window has its size.
    m_sidesSized = true;
    const int left = ui->wgtLeft->minimumSizeHint().width();
    const int right = ui->stimuliArea->minimumSizeHint().width();
    const int all = ui->splitterMain->width() - 2 * ui->splitterMain->handleWidth();
    ui->splitterMain->setSizes({left, qMax(0, all - left - right), right});
}

void MainWindow::terminologyChanged(int port, int terminology)
{
    if (port != m_port)
        return;
    const WidgetText texts = m_session.serverManager() ? m_session.serverManager()->texts() : WidgetText();
    ui->overview->setTitles(texts.getUiText(DirectionText::tx, terminology),
                            texts.getUiText(DirectionText::rx, terminology));
    ui->navigation->setTerminology(terminology);
    ui->pageArea->setTerminology(terminology);
    ui->resultsArea->setTerminology(terminology);
    ui->stimuliArea->setTerminology(terminology);
}

void MainWindow::accessStateChanged(int state)
{
    ui->pageArea->setGUIAccessState(state);
    ui->resultsArea->setGUIAccessState(state);
    ui->stimuliArea->setGUIAccessState(state);
}
