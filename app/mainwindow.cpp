#include "mainwindow.h"

#include "ui_mainwindow.h"

#include <QScrollArea>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSettings>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>

#include "apps/shared/sid.h"
#include "clientlogging.h"
#include "clientoptions.h"
#include "clientsession.h"
#include "customscreenpage.h"
#include "controlbar.h"
#include "directiontexts.h"
#include "helpwindow.h"
#include "host/otn/otnpid.h"
#include "host/pages/setupstatuspage.h"
#include "host/pages/zeldialog.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "measurementcontrol.h"
#include "pagearea.h"
#include "reportsaver.h"
#include "setupfile.h"
#include "setupwriter.h"

namespace {
// The terminology setting's values: 0 SONET (ANSI) names, 1 SDH (ITU-T) names.
constexpr int sonetSetting = 0;
constexpr int sdhSetting = 1;
// How long a note stays in the status bar.
constexpr int messageSeconds = 5;
const char settingsGeometry[] = "window/geometry";
const char settingsState[] = "window/state";
const char settingsPort[] = "session/port";
const char settingsAccess[] = "session/access";
const char settingsTerminology[] = "session/terminology";
const char settingsSetupFile[] = "session/setupFile";
const char setupFilter[] = "otn-client setups (*.json);;All files (*)";
} // namespace

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

    m_measurement = std::make_unique<MeasurementControl>(manager, session.eventLog());
    setupActions();

    connect(ui->controlBar, &ControlBar::portChanged, this, &MainWindow::setPort);
    connect(ui->overview, &InterfaceOverview::pageRequested, this, &MainWindow::openPage);
    connect(ui->navigation, &NavigationList::pageRequested, this, &MainWindow::openPage);
    if (manager) {
        connect(manager, &zelServerManager::terminologyChanged, this, &MainWindow::terminologyChanged);
        connect(manager, &zelServerManager::guiAccessStateChanged, this, &MainWindow::accessStateChanged);
        connect(manager, &zelServerManager::linkStateChanged, this, &MainWindow::updateLink);
    }
    connect(m_measurement.get(), &MeasurementControl::changed, this, &MainWindow::updateMeasurement);
    // F1 reaches the dialog in front too, which blocks the window's own shortcuts while it runs.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::setupActions()
{
    ui->actionOpenSetup->setShortcut(QKeySequence::Open);
    ui->actionSaveSetup->setShortcut(QKeySequence::Save);
    ui->actionQuit->setShortcut(QKeySequence::Quit);
    ui->actionQuit->setMenuRole(QAction::QuitRole);
    ui->actionHelp->setShortcut(QKeySequence::HelpContents);
    ui->actionAbout->setMenuRole(QAction::AboutRole);
    ui->actionStart->setShortcut(QKeySequence(Qt::Key_F5));
    ui->actionStop->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    ui->actionReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    ui->actionStart->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    ui->actionStop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    ui->actionReset->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    ui->actionOpenSetup->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ui->actionSaveSetup->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ui->actionHelp->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    ui->actionSaveReport->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    for (QAction *action : findChildren<QAction *>()) {
        if (!action->shortcut().isEmpty())
            action->setToolTip(QStringLiteral("%1 (%2)").arg(action->toolTip(), action->shortcut().toString(QKeySequence::NativeText)));
    }

    connect(ui->actionOpenSetup, &QAction::triggered, this, &MainWindow::chooseSetupToOpen);
    connect(ui->actionSaveSetup, &QAction::triggered, this, &MainWindow::chooseSetupToSave);
    connect(ui->actionSaveReport, &QAction::triggered, this, [this] { ReportSaver::save(m_session, this); });
    connect(ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(ui->actionStart, &QAction::triggered, m_measurement.get(), &MeasurementControl::start);
    connect(ui->actionStop, &QAction::triggered, m_measurement.get(), &MeasurementControl::stop);
    connect(ui->actionReset, &QAction::triggered, m_measurement.get(), &MeasurementControl::reset);
    connect(ui->actionHelp, &QAction::triggered, this, &MainWindow::showHelp);
    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::showAbout);

    m_portActions = new QActionGroup(this);
    for (int port : m_session.ports()) {
        QAction *action = ui->menuPort->addAction(QStringLiteral("Port %1").arg(port));
        action->setCheckable(true);
        action->setChecked(port == m_port);
        action->setData(port);
        m_portActions->addAction(action);
        connect(action, &QAction::triggered, this, [this, port] { setPort(port); });
    }
    m_terminologyActions = new QActionGroup(this);
    m_terminologyActions->addAction(ui->actionTerminologySdh);
    m_terminologyActions->addAction(ui->actionTerminologySonet);
    connect(ui->actionTerminologySdh, &QAction::triggered, this, [this] { setTerminology(sdhSetting); });
    connect(ui->actionTerminologySonet, &QAction::triggered, this, [this] { setTerminology(sonetSetting); });

    m_lblMeasurement = new QLabel(this);
    m_lblMeasurement->setObjectName(QStringLiteral("lblMeasurement"));
    m_lblElapsed = new QLabel(this);
    m_lblElapsed->setObjectName(QStringLiteral("lblElapsed"));
    m_lblElapsed->setToolTip(QStringLiteral("Time measured since the last reset, as the tester counts it"));
    m_lblLink = new QLabel(this);
    m_lblLink->setObjectName(QStringLiteral("lblLink"));
    m_lblTester = new QLabel(m_session.testerName(), this);
    m_lblTester->setObjectName(QStringLiteral("lblTester"));
    m_lblTester->setToolTip(QStringLiteral("The tester the client works with"));
    for (QLabel *label : {m_lblMeasurement, m_lblElapsed, m_lblLink, m_lblTester})
        label->setContentsMargins(6, 0, 6, 0);
    statusBar()->addWidget(m_lblMeasurement);
    statusBar()->addWidget(m_lblElapsed);
    statusBar()->addPermanentWidget(m_lblLink);
    statusBar()->addPermanentWidget(m_lblTester);
    updateMeasurement();
    updateLink();
    updateTerminologyActions();
}

void MainWindow::updateMeasurement()
{
    const bool available = m_measurement->isAvailable();
    const bool running = m_measurement->isRunning();
    ui->actionStart->setEnabled(available && !running);
    ui->actionStop->setEnabled(available && running);
    ui->actionReset->setEnabled(available);
    m_lblMeasurement->setText(!available ? QStringLiteral("No measurement")
                              : running  ? QStringLiteral("Measurement running")
                                         : QStringLiteral("Measurement stopped"));
    m_lblElapsed->setText(QStringLiteral("Elapsed %1").arg(MeasurementControl::elapsedText(m_measurement->elapsedSeconds())));
}

void MainWindow::updateLink()
{
    const zelServerManager *manager = m_session.serverManager();
    QString text = QStringLiteral("Port %1: ").arg(m_port);
    switch (manager ? manager->linkState() : ServerLink::State::Lost) {
    case ServerLink::State::Connecting:
        text += QStringLiteral("connecting");
        break;
    case ServerLink::State::Connected:
        text += QStringLiteral("connected");
        break;
    case ServerLink::State::Lost:
        text += QStringLiteral("connection lost");
        if (manager && !manager->linkStateReason().isEmpty())
            text += QStringLiteral(" (%1)").arg(manager->linkStateReason());
        break;
    }
    m_lblLink->setText(text);
    m_lblLink->setToolTip(QStringLiteral("The link to the tester for the port shown"));
    updateMeasurement();
}

void MainWindow::updateTerminologyActions()
{
    const zelServerManager *manager = m_session.serverManager();
    const QcmaParameter *setting = manager ? manager->cachedParameter(zelServerManager::terminologySid(m_port)) : nullptr;
    m_terminologyActions->setEnabled(setting != nullptr);
    if (setting)
        (setting->getEnum() == sonetSetting ? ui->actionTerminologySonet : ui->actionTerminologySdh)->setChecked(true);
}

void MainWindow::setTerminology(int value)
{
    zelServerManager *manager = m_session.serverManager();
    std::unique_ptr<QcmaParameter> setting =
        manager ? manager->GetQcmaParameter(zelServerManager::terminologySid(m_port)) : nullptr;
    if (!setting || !setting->setValue(value)) {
        qCWarning(lcClient) << "the tester has no terminology setting for port" << m_port;
        return;
    }
    manager->SetQcmaParameter(setting.get());
}

void MainWindow::useSettings(QSettings *settings)
{
    m_settings = settings;
    if (!m_settings)
        return;
    restoreGeometry(m_settings->value(QLatin1String(settingsGeometry)).toByteArray());
    restoreState(m_settings->value(QLatin1String(settingsState)).toByteArray());
    const int port = m_settings->value(QLatin1String(settingsPort), m_port).toInt();
    if (m_session.ports().contains(port))
        setPort(port);
    else
        qCWarning(lcClient) << "the saved port" << port << "is not there";
    zelServerManager *manager = m_session.serverManager();
    bool ok = false;
    const int access = m_settings->value(QLatin1String(settingsAccess)).toInt(&ok);
    if (manager && ok && (access == ControlBar::FullAccess || access == ControlBar::RestrictedAccess))
        manager->setGUIAccessState(access);
    const int terminology = m_settings->value(QLatin1String(settingsTerminology)).toInt(&ok);
    if (ok && (terminology == sdhSetting || terminology == sonetSetting))
        setTerminology(terminology);
    m_lastSetupFile = m_settings->value(QLatin1String(settingsSetupFile)).toString();
}

void MainWindow::saveSettings()
{
    if (!m_settings)
        return;
    m_settings->setValue(QLatin1String(settingsGeometry), saveGeometry());
    m_settings->setValue(QLatin1String(settingsState), saveState());
    m_settings->setValue(QLatin1String(settingsPort), m_port);
    if (const zelServerManager *manager = m_session.serverManager()) {
        m_settings->setValue(QLatin1String(settingsAccess), manager->getGUIAccessState());
        if (const QcmaParameter *setting = manager->cachedParameter(zelServerManager::terminologySid(m_port)))
            m_settings->setValue(QLatin1String(settingsTerminology), setting->getEnum());
    }
    m_settings->setValue(QLatin1String(settingsSetupFile), m_lastSetupFile);
    m_settings->sync();
}

QString MainWindow::currentHelpPage() const
{
    for (QWidget *front : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        for (QWidget *w = front; w; w = w->parentWidget()) {
            if (const auto *dialog = qobject_cast<const ZelDialog *>(w)) {
                if (!dialog->helpPage().isEmpty())
                    return dialog->helpPage();
            }
        }
    }
    if (ui->twMain->currentWidget() == ui->tabPages) {
        if (const auto *page = qobject_cast<const SetupStatusPage *>(ui->pageArea->page(ui->pageArea->currentPageId())))
            return page->helpPage().isEmpty() ? HelpWindow::overviewPage() : page->helpPage();
    }
    return HelpWindow::overviewPage();
}

HelpWindow *MainWindow::helpWindow() const
{
    return m_help;
}

void MainWindow::showHelp()
{
    // The help stays usable beside a modal dialog when it belongs to it.
    QWidget *owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    if (m_help && m_help->parentWidget() != owner)
        delete m_help;
    if (!m_help)
        m_help = new HelpWindow(owner);
    m_help->showPage(currentHelpPage());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && QApplication::activeModalWidget()
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::HelpContents)) {
        showHelp();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showAbout()
{
    QMessageBox::about(this, QStringLiteral("About otn-client"),
                       QStringLiteral("<p><b>otn-client %1</b></p><p>The OTN client of the portable tester.</p>"
                                      "<p>Qt %2 (built with %3)</p><p>Tester: %4</p>")
                           .arg(ClientOptions::version(), QString::fromLatin1(qVersion()),
                                QStringLiteral(QT_VERSION_STR), m_session.testerName().toHtmlEscaped()));
}

bool MainWindow::saveSetup(const QString &path, QString *error)
{
    const zelServerManager *manager = m_session.serverManager();
    if (!manager) {
        if (error)
            *error = QStringLiteral("There is no tester.");
        return false;
    }
    if (!SetupFile::capture(*manager, m_port).save(path, *manager, error))
        return false;
    m_lastSetupFile = path;
    return true;
}

SetupWriter *MainWindow::openSetup(const QString &path, QString *error)
{
    zelServerManager *manager = m_session.serverManager();
    if (!manager || (m_setupWriter && !m_setupWriter->isFinished())) {
        if (error)
            *error = manager ? QStringLiteral("A setup is being written already.") : QStringLiteral("There is no tester.");
        return nullptr;
    }
    SetupFile file;
    if (!file.load(path, *manager, m_port, error))
        return nullptr;
    m_lastSetupFile = path;
    m_setupWriter = std::make_unique<SetupWriter>(manager, file.batches(*manager, m_port));
    connect(m_setupWriter.get(), &SetupWriter::finished, this, &MainWindow::setupWritten, Qt::QueuedConnection);
    m_setupWriter->start();
    return m_setupWriter.get();
}

void MainWindow::chooseSetupToOpen()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open Setup"), m_lastSetupFile,
                                                      QLatin1String(setupFilter));
    if (path.isEmpty())
        return;
    QString error;
    SetupWriter *writer = openSetup(path, &error);
    if (!writer) {
        QMessageBox::warning(this, QStringLiteral("Open Setup"), QStringLiteral("Nothing was changed.\n\n%1").arg(error));
        return;
    }
    if (writer->isFinished())
        return;
    auto *progress = new QProgressDialog(QStringLiteral("Writing the setup to port %1...").arg(m_port),
                                         QStringLiteral("Cancel"), 0, writer->total(), this);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    connect(writer, &SetupWriter::progress, progress, &QProgressDialog::setValue);
    connect(writer, &SetupWriter::finished, progress, &QWidget::close);
    connect(progress, &QProgressDialog::canceled, writer, &SetupWriter::cancel);
}

void MainWindow::chooseSetupToSave()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Setup"), m_lastSetupFile,
                                                QLatin1String(setupFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    QString error;
    if (!saveSetup(path, &error))
        QMessageBox::warning(this, QStringLiteral("Save Setup"), error);
}

void MainWindow::setupWritten()
{
    if (!m_setupWriter || !isVisible())
        return;
    const QStringList refused = m_setupWriter->refused();
    QString text;
    if (!m_setupWriter->error().isEmpty())
        text = m_setupWriter->error() + QStringLiteral("\n\n");
    if (refused.isEmpty()) {
        if (m_setupWriter->error().isEmpty()) {
            statusBar()->showMessage(QStringLiteral("Setup written to port %1.").arg(m_port), messageSeconds * 1000);
            return;
        }
    } else {
        text += QStringLiteral("The tester refused %1 of the %2 values:").arg(refused.size()).arg(m_setupWriter->total());
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Open Setup"), text.trimmed(), QMessageBox::Ok, this);
    if (!refused.isEmpty())
        box.setDetailedText(refused.join(QLatin1Char('\n')));
    box.exec();
}

QString MainWindow::closeQuestion() const
{
    QStringList running;
    if (m_measurement->isRunning())
        running << QStringLiteral("the measurement");
    if (const zelServerManager *manager = m_session.serverManager()) {
        for (int port : m_session.ports()) {
            const QcmaParameter *scan = manager->cachedParameter(nsSID::otnSid(port, PID::Otn::SCAN::RUNNING));
            if (scan && scan->isDefined() && scan->getEnum() != 0)
                running << QStringLiteral("the tributary scan of port %1").arg(port);
        }
    }
    if (running.isEmpty())
        return QString();
    return QStringLiteral("Close otn-client while %1 %2 running? The tester carries on without the client.")
        .arg(running.join(QStringLiteral(" and ")), running.size() > 1 ? QStringLiteral("are") : QStringLiteral("is"));
}

QStringList MainWindow::statusTexts() const
{
    return {m_lblMeasurement->text(), m_lblElapsed->text(), m_lblLink->text(), m_lblTester->text()};
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    const QString question = closeQuestion();
    if (!question.isEmpty()
        && QMessageBox::question(this, QStringLiteral("Close otn-client"), question) != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    saveSettings();
    QMainWindow::closeEvent(event);
}

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
    for (QAction *action : m_portActions->actions())
        action->setChecked(action->data().toInt() == port);
    ui->overview->setPort(port);
    ui->navigation->setPort(port);
    ui->pageArea->setPort(port);
    ui->resultsArea->setPort(port);
    ui->stimuliArea->showPort(port);
    m_customScreen->setPort(port);
    if (zelServerManager *manager = m_session.serverManager())
        terminologyChanged(port, manager->GetTerminology(port));
    updateLink();
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
    if (m_terminologyActions)
        updateTerminologyActions();
}

void MainWindow::accessStateChanged(int state)
{
    ui->pageArea->setGUIAccessState(state);
    ui->resultsArea->setGUIAccessState(state);
    ui->stimuliArea->setGUIAccessState(state);
}
