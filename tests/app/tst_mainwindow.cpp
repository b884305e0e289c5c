#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

#include "apps/shared/sid.h"
#include "clientsession.h"
#include "controlbar.h"
#include "eventlogpage.h"
#include "helpwindow.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelperlist.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/setuppageproperty.h"
#include "host/contract/testresultidentifier.h"
#include "host/otn/otnpid.h"
#include "host/pages/page.h"
#include "host/pages/statisticslisttablepage.h"
#include "host/pages/statisticstable.h"
#include "host/pages/stimuliwidget.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/eventlog.h"
#include "host/server/eventlogfilter.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/setupwidget.h"
#include "host/texts/widgettext.h"
#include "host/widgets/portstatusitem.h"
#include "interfaceoverview.h"
#include "mainwindow.h"
#include "measurementcontrol.h"
#include "navigationlist.h"
#include "pagearea.h"
#include "resultsarea.h"
#include "simulator/simulatedserverlink.h"
#include "stimuliarea.h"

namespace {

QStringList *g_warnings = nullptr;

// The offscreen platform's note about size hints is no warning of ours.
void catchWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && g_warnings
        && message != QLatin1String("This plugin does not support propagateSizeHints()"))
        g_warnings->append(message);
}

// Warnings logged while it lives.
struct WarningCatcher {
    WarningCatcher() : previous(qInstallMessageHandler(catchWarning)) { g_warnings = &lines; }
    ~WarningCatcher()
    {
        qInstallMessageHandler(previous);
        g_warnings = nullptr;
    }
    QtMessageHandler previous;
    QStringList lines;
};

// Setup pages of a test navigation: direction and title text number of each.
using PageList = QList<QPair<int, int>>;

// Registers the setup pages it is given (page id, direction, title text number) and one status page
// per further title; it builds no page.
class TitleFactory : public InterfaceSetupPageFactory
{
public:
    TitleFactory(const PageList &setupPages, const QList<int> &statusTitles)
    {
        int pageId = 100;
        for (const QPair<int, int> &page : setupPages) {
            m_setupPages.append(new SetupPageProperty(++pageId, page.first, InterfaceSetupIdentifier::LayerFrame,
                                                      InterfaceSetupIdentifier::TechnologyOtn, nullptr,
                                                      UI_Text::buildUIKey(page.second)));
        }
        m_physicalStatus = StatusPageProperty(++pageId, InterfaceSetupIdentifier::TechnologyOtn, 0,
                                              UI_Text::buildUIKey(4018));
        m_errorStatus = StatusPageProperty(++pageId, InterfaceSetupIdentifier::TechnologyOtn, 0,
                                           UI_Text::buildUIKey(5003));
        for (int title : statusTitles)
            m_statusPages.append(new StatusPageProperty(++pageId, InterfaceSetupIdentifier::TechnologyOtn, 0,
                                                        UI_Text::buildUIKey(title)));
    }
    Page *createPage(const InterfaceSetupIdentifier &, zelServerManager *) override { return nullptr; }
    InterfaceSetupIdentifier::Technology technology() const override { return InterfaceSetupIdentifier::TechnologyOtn; }
};

// The client as it starts by default (a multiplexed structure), on two ports.
ClientOptions defaultOptions()
{
    ClientOptions options;
    options.portCount = 2;
    options.pluginPath = QStringLiteral(ZEL_OTN_PLUGIN);
    options.liveValues = false;
    return options;
}

ClientOptions testOptions()
{
    ClientOptions options = defaultOptions();
    options.moduleTypes = {0, 3, 0, 0};
    // Most cases start from an OTU2 carrying a test pattern.
    options.structure = QStringLiteral("otu2-bulk");
    return options;
}

const QList<int> pageIds{34, 35, 31, 32, 37, 38, 39, 40, 70};

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsOnTheSimulatorWithEveryRegisteredPage();
    void equalTitlesToldApart();
    void valueLabelsHoldTheirWidestValue_data();
    void valueLabelsHoldTheirWidestValue();
    void keyboardToolTipsAndHelpOfEveryPage_data();
    void keyboardToolTipsAndHelpOfEveryPage();
    void overviewFollowsTheTesterAndOpensTheFrameSetup();
    void portSwitchMovesEverything();
    void scanEntryFollowsTheJudge_data();
    void scanEntryFollowsTheJudge();
    void ledsShowThePortAndSayWhatTheyShow();
    void accessAndTerminologySwitches();
    void settingsRestoredOnTheNextStart();
    void resultsShowThePlugInsPageAndTheSessionsLog_data();
    void resultsShowThePlugInsPageAndTheSessionsLog();
    void insertButtonFollowsTheSwitch_data();
    void insertButtonFollowsTheSwitch();
    void portSwitchShowsThatPortsInsertion();
    void aPanelWithoutSwitchHasNoButton();

private:
    // Sets ODU-AIS up continuously on the port.
    bool setUpOduAis(int port);
    QPushButton *insertButton() const;
    QLabel *insertionStatus() const;
    int insertion(int port) const;

    void start(const ClientOptions &options, QSettings *settings = nullptr);
    // Lets the tester's answers arrive.
    bool settle() const;
    bool write(int port, int id, int value);
    void selectEntry(int pageId);

    std::unique_ptr<ClientSession> m_session;
    std::unique_ptr<MainWindow> m_window;
};

void tst_MainWindow::init()
{
    start(testOptions());
}

void tst_MainWindow::start(const ClientOptions &options, QSettings *settings)
{
    m_window.reset();
    m_session = std::make_unique<ClientSession>(options);
    QString error;
    QVERIFY2(m_session->start(&error), qPrintable(error));
    m_window = std::make_unique<MainWindow>(*m_session);
    if (settings)
        m_window->useSettings(settings);
    m_window->show();
}

bool tst_MainWindow::settle() const
{
    return QTest::qWaitFor([this] { return m_session->tester()->pendingAnswers() == 0; });
}

void tst_MainWindow::cleanup()
{
    m_window.reset();
    m_session.reset();
}

// Writes an OTN value to the tester and waits for its confirmation.
bool tst_MainWindow::write(int port, int id, int value)
{
    zelServerManager *manager = m_session->serverManager();
    const int sid = nsSID::otnSid(port, id);
    std::unique_ptr<QcmaParameter> copy(manager->GetQcmaParameter(sid));
    if (!copy || !copy->setValue(value))
        return false;
    manager->SetQcmaParameter(copy.get());
    return QTest::qWaitFor([manager, sid, value] { return manager->cachedParameter(sid)->getInt() == value; });
}

void tst_MainWindow::selectEntry(int pageId)
{
    auto *tree = m_window->navigation()->findChild<QTreeWidget *>(QStringLiteral("twPages"));
    QVERIFY(tree);
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).isValid() && (*it)->data(0, Qt::UserRole).toInt() == pageId) {
            tree->setCurrentItem(*it);
            return;
        }
    }
    QFAIL("no navigation entry for the page");
}

void tst_MainWindow::startsOnTheSimulatorWithEveryRegisteredPage()
{
    QVERIFY(m_session->tester());
    QCOMPARE(m_session->ports(), (QList<int>{1, 2}));
    QCOMPARE(m_window->controlBar()->currentPort(), 1);
    // The tester starts with an OTU2 carrying a test pattern in both directions.
    QVERIFY(m_window->overview()->txButton()->isVisible());
    QCOMPARE(m_window->overview()->txButton()->text(), QStringLiteral("OTU2 - OPU2"));
    QCOMPARE(m_window->overview()->rxButton()->text(), QStringLiteral("OTU2 - OPU2"));
    QCOMPARE(m_window->pageArea()->currentPageId(), -1);

    const NavigationList *navigation = m_window->navigation();
    QCOMPARE(navigation->pageIds(), (QList<int>{34, 35, 31, 32, 37, 38, 39, 40, 70}));
    QStringList titles;
    for (int pageId : navigation->pageIds())
        titles << navigation->titleOf(pageId);
    QCOMPARE(titles, (QStringList{"Tx Signal Setup", "Rx Signal Setup", "Tx Frame Setup", "Rx Frame Setup",
                                  "Physical Status", "Alarms/Errors", "OH Capture", "Tributary Scan",
                                  "Transceiver Status"}));
}

// Pages of equal titles: the same direction twice, status pages without direction.
void tst_MainWindow::equalTitlesToldApart()
{
    const PageList setupPages{{1, 4008}, {1, 4008}, {2, 4008}};
    const TitleFactory factory(setupPages, {5070, 5070});
    NavigationList navigation;
    navigation.setup(&factory, m_session->serverManager(), 1);
    const auto shownTitles = [&navigation] {
        QStringList shown;
        for (int pageId : navigation.pageIds())
            shown << navigation.titleOf(pageId);
        return shown;
    };
    const QStringList titles{"Tx Frame Setup", "Tx Frame Setup (2)", "Rx Frame Setup", "Physical Status",
                             "Alarms/Errors",  "OH Capture",         "OH Capture (2)"};
    QCOMPARE(shownTitles(), titles);
    // The title keys the plug-in registered are untouched.
    for (int i = 0; i < setupPages.size(); ++i)
        QCOMPARE(factory.setupPageProperties().at(i)->titleKey(), UI_Text::buildUIKey(setupPages.at(i).second));
    // A terminology switch titles the list again, still told apart.
    navigation.setTerminology(2);
    QCOMPARE(shownTitles(), titles);
}

void tst_MainWindow::valueLabelsHoldTheirWidestValue_data()
{
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("port");
    // Port 1 has a single-lane module, port 2 a multi-lane one (more lane rows).
    for (int id : pageIds) {
        for (int port : {1, 2})
            QTest::addRow("page %d, port %d", id, port) << id << port;
    }
}

void tst_MainWindow::valueLabelsHoldTheirWidestValue()
{
    QFETCH(int, pageId);
    QFETCH(int, port);
    m_window->resize(1280, 800);
    m_window->setPort(port);
    // The navigation opens the page in the page area; away to the results (the page is hidden) and back,
    // the page is kept, not built again.
    const WarningCatcher warnings;
    QVERIFY(m_window->navigation()->isPageOffered(pageId));
    selectEntry(pageId);
    QCOMPARE(m_window->pageArea()->currentPageId(), pageId);
    Page *page = m_window->pageArea()->page(pageId);
    QVERIFY(page && page->isVisible() && page->isPageInitialized());
    m_window->openResults(26);
    QVERIFY(!page->isVisible());
    QVERIFY(m_window->openPage(pageId));
    QCOMPARE(m_window->pageArea()->page(pageId), page);
    QCOMPARE(warnings.lines, QStringList());
    QCoreApplication::processEvents();

    QList<UiHelper *> bindings = page->uiHelperList()->helpers();
    for (const SetupWidget *widget : page->findChildren<SetupWidget *>())
        bindings += widget->uiHelperList()->helpers();
    const ParameterCatalogue &catalogue = m_session->serverManager()->catalogue();
    int measured = 0;
    for (UiHelper *binding : qAsConst(bindings)) {
        auto *labelBinding = qobject_cast<UiHelper_Label *>(binding);
        if (!labelBinding || !labelBinding->valueLabel() || !labelBinding->valueLabel()->isVisible())
            continue;
        const QLabel *label = labelBinding->valueLabel();
        const ParameterDefinition *definition = catalogue.findBySid(binding->getSID());
        QVERIFY2(definition, qPrintable(label->objectName()));
        // The widest values the tester may report: both ends of the range in the parameter's decimals,
        // every name of an enumeration.
        QStringList widest;
        if (definition->kind == QcmaParameter::TypeEnum) {
            for (const ParameterDefinition::Enumerator &e : definition->enumerators) {
                for (int terminology = 0; terminology < 3; ++terminology)
                    widest << definition->valueName(e.value, terminology);
            }
        } else if (definition->kind == QcmaParameter::TypeDouble) {
            widest << QString::number(definition->minimum, 'f', definition->decimals)
                   << QString::number(definition->maximum, 'f', definition->decimals);
        } else {
            widest << QString::number(qint64(definition->minimum)) << QString::number(qint64(definition->maximum));
        }
        const int room = label->contentsRect().width() - 2 * label->margin();
        for (const QString &text : qAsConst(widest)) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= room,
                     qPrintable(QStringLiteral("%1 (%2) cuts \"%3\": %4 of %5 pixels")
                                    .arg(label->objectName(), definition->name, text)
                                    .arg(label->fontMetrics().horizontalAdvance(text))
                                    .arg(room)));
        }
        ++measured;
    }
    if (measured == 0)
        QSKIP("the page shows no value label");
}

void tst_MainWindow::keyboardToolTipsAndHelpOfEveryPage_data()
{
    QTest::addColumn<int>("pageId");
    // A signal setup with an OFF button, a frame setup diagram, a status page.
    for (int id : {34, 31, 38})
        QTest::addRow("%d", id) << id;
}

// On the default structure: the keyboard reaches every control of a page and never starts on one that
// turns the port off; the help shows the page's.
void tst_MainWindow::keyboardToolTipsAndHelpOfEveryPage()
{
    QFETCH(int, pageId);
    start(defaultOptions());
    MainWindow *window = m_window.get();
    if (!window->navigation()->isPageOffered(pageId))
        QSKIP("not offered on this structure");
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(window->openPage(pageId));
    QWidget *page = window->pageArea()->currentWidget();
    QVERIFY(page);
    QVERIFY(settle());

    const auto takesTab = [page](const QWidget *widget) {
        return widget != page && page->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()
            && widget->isVisibleTo(page) && !widget->focusProxy();
    };
    // Of a group of exclusive buttons Tab reaches the checked one; the arrow keys move within the group.
    const auto arrowsReach = [](const QWidget *widget) {
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        return button && button->autoExclusive() && !button->isChecked();
    };
    QList<QWidget *> controls;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (takesTab(widget) && !arrowsReach(widget))
            controls << widget;
    }
    page->setFocus(Qt::OtherFocusReason);
    QList<QWidget *> visited;
    for (int step = 0; step < 4 * (controls.size() + 1) && visited.size() < controls.size(); ++step) {
        QWidget *before = QApplication::focusWidget();
        QVERIFY(before);
        QTest::keyClick(before, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        QVERIFY2(now != before, qPrintable(QLatin1String("Tab stays on ") + before->objectName()));
        if (!controls.contains(now))
            continue;
        QVERIFY2(!visited.contains(now), qPrintable(QLatin1String("Tab comes back to ") + now->objectName()));
        visited << now;
    }
    QCOMPARE(visited.size(), controls.size());
    if (auto *first = qobject_cast<QAbstractButton *>(visited.value(0)))
        QVERIFY2(first->text().compare(QLatin1String("OFF"), Qt::CaseInsensitive) != 0, qPrintable(first->objectName()));

    window->showHelp();
    QVERIFY(window->helpWindow());
    QCOMPARE(window->helpWindow()->browser()->source(), HelpWindow::urlOf(window->currentHelpPage()));
    QVERIFY(window->currentHelpPage() != HelpWindow::overviewPage());
    QVERIFY(!window->helpWindow()->browser()->toPlainText().isEmpty());
}

void tst_MainWindow::overviewFollowsTheTesterAndOpensTheFrameSetup()
{
    const WarningCatcher warnings;
    QTest::mouseClick(m_window->overview()->rxButton(), Qt::LeftButton);
    QCOMPARE(m_window->pageArea()->currentPageId(), 32);
    QPushButton *tx = m_window->overview()->txButton();
    QTest::mouseClick(tx, Qt::LeftButton);
    QCOMPARE(m_window->pageArea()->currentPageId(), 31);
    QCOMPARE(warnings.lines, QStringList());

    QVERIFY(write(1, 11010, 2));
    QTRY_COMPARE(tx->text(), QStringLiteral("OTU2 - ODTU12 (PT=20)#1 - OPU1"));
    QVERIFY(write(1, 11128, 4));
    QTRY_COMPARE(tx->text(), QStringLiteral("OTU2 - ODTU12 (PT=20)#4 - OPU1"));
    QVERIFY(write(1, 12006, 3));
    QTRY_COMPARE(m_window->overview()->rxButton()->text(), QStringLiteral("OTU4 - OPU4"));
    // Another port's change is not this port's label.
    QVERIFY(write(2, 11008, 0));
    QCOMPARE(tx->text(), QStringLiteral("OTU2 - ODTU12 (PT=20)#4 - OPU1"));
}

void tst_MainWindow::portSwitchMovesEverything()
{
    QVERIFY(write(2, 11008, 2));
    QVERIFY(m_window->openPage(70));
    Page *transceiver = m_window->pageArea()->page(70);
    QVERIFY(transceiver);
    QCOMPARE(transceiver->port(), 1);

    auto *ports = m_window->controlBar()->findChild<QComboBox *>(QStringLiteral("cmbPort"));
    QVERIFY(ports);
    ports->setCurrentIndex(1);
    QCOMPARE(m_window->controlBar()->currentPort(), 2);
    QCOMPARE(transceiver->port(), 2);
    QCOMPARE(m_window->overview()->txButton()->text(), QStringLiteral("OTU3 - OPU3"));
    // A page opened after the switch starts on the new port, a result view too.
    QVERIFY(m_window->openPage(37));
    QCOMPARE(m_window->pageArea()->page(37)->port(), 2);
    QVERIFY(m_window->openResults(TestResultIdentifier::ViewPerformance));
    const auto *performance = qobject_cast<StatisticsListTablePage *>(
        m_window->resultsArea()->page(TestResultIdentifier::ViewPerformance));
    QVERIFY(performance);
    QCOMPARE(performance->shownPort(), 2);
    // A view shown before the switch follows it back.
    ports->setCurrentIndex(0);
    QCOMPARE(performance->shownPort(), 1);
    const auto *alarms = qobject_cast<StatisticsListTablePage *>(
        m_window->resultsArea()->page(TestResultIdentifier::ViewAlarmsErrors));
    QVERIFY(alarms);
    QCOMPARE(alarms->shownPort(), 1);
}

void tst_MainWindow::scanEntryFollowsTheJudge_data()
{
    QTest::addColumn<int>("rxInterface");
    QTest::addColumn<bool>("offered");
    QTest::newRow("OTU3e2 (7)") << 7 << true;
    QTest::newRow("OTL3.4 Lane (13)") << 13 << false;
    QTest::newRow("OTLC.4 (14)") << 14 << true;
}

void tst_MainWindow::scanEntryFollowsTheJudge()
{
    QFETCH(int, rxInterface);
    QFETCH(bool, offered);
    QVERIFY(m_window->navigation()->isPageOffered(40));
    // Lane interfaces need a multi-lane receiver module (CXP).
    QVERIFY(rxInterface < 13 || write(1, 12001, 4));
    QVERIFY(write(1, 12006, rxInterface));
    QCOMPARE(m_window->navigation()->isPageOffered(40), offered);
    QVERIFY(m_window->navigation()->isPageOffered(39));
}

void tst_MainWindow::ledsShowThePortAndSayWhatTheyShow()
{
    NavigationList *navigation = m_window->navigation();
    const QList<PortStatusItem *> leds = navigation->statusLeds(37);
    QCOMPARE(leds.size(), 3);
    for (PortStatusItem *led : leds + navigation->statusLeds(38))
        QCOMPARE(led->state(), PortStatusItem::Ok);   // port mode Normal, no LOS, a received level; no alarm
    QVERIFY(!navigation->summaryLed(37));
    QCOMPARE(navigation->summaryLed(38)->state(), PortStatusItem::Ok);
    // The alarms page's LEDs follow what the receiver finds: OOF, then the line's ODU-AIS.
    const QList<PortStatusItem *> alarms = navigation->statusLeds(38);
    const int rxInterface = m_session->serverManager()->cachedParameter(nsSID::otnSid(1, 12006))->getEnum();
    QVERIFY(write(1, 12006, rxInterface == 3 ? 1 : 3));
    QTRY_COMPARE(alarms[0]->state(), PortStatusItem::Alarm);
    // The structure set again is a new measurement: the LOF of the other one is no history of it.
    QVERIFY(write(1, 12006, rxInterface));
    QTRY_COMPARE(alarms[0]->state(), PortStatusItem::Ok);
    QVERIFY(write(1, 11061, 7));
    QTRY_COMPARE(alarms[1]->state(), PortStatusItem::Alarm);
    QVERIFY(write(1, 11001, 0));
    QTRY_COMPARE(leds[0]->state(), PortStatusItem::Off);
    QCOMPARE(leds[1]->state(), PortStatusItem::Alarm);
    QCOMPARE(leds[2]->state(), PortStatusItem::Alarm);

    // A section trace other than the one expected: the page shows SM-TIM, which no item names; of the
    // items only ODU-AIS, the consequent action of the TIM, is raised.
    ClientOptions options = testOptions();
    options.structure = QStringLiteral("otu2-tim");
    start(options);
    navigation = m_window->navigation();
    QTRY_COMPARE(navigation->summaryLed(38)->state(), PortStatusItem::Alarm);
    QVERIFY2(navigation->summaryLed(38)->toolTip().endsWith(QLatin1String(": current")),
             qPrintable(navigation->summaryLed(38)->toolTip()));
    const QList<PortStatusItem *> items = navigation->statusLeds(38);
    QTRY_COMPARE(items[1]->state(), PortStatusItem::Alarm);
    QVERIFY(items[0]->state() != PortStatusItem::Alarm);
    QCOMPARE(m_session->serverManager()->cachedParameter(nsSID::otnSid(1, PID::Otn::STATUS::SM_TIM))->getEnum(), 1);
}

void tst_MainWindow::accessAndTerminologySwitches()
{
    auto *access = m_window->controlBar()->findChild<QComboBox *>(QStringLiteral("cmbAccess"));
    QVERIFY(access);
    QCOMPARE(access->currentIndex(), 0);
    access->setCurrentIndex(1);
    QCOMPARE(m_session->serverManager()->getGUIAccessState(), int(ControlBar::RestrictedAccess));
    m_session->serverManager()->setGUIAccessState(ControlBar::FullAccess);
    QCOMPARE(access->currentIndex(), 0);

    // The terminology is the tester's: the switch writes it, and the pages name values after it.
    QVERIFY(m_window->openPage(70));
    Page *transceiver = m_window->pageArea()->page(70);
    zelServerManager *manager = m_session->serverManager();
    QCOMPARE(manager->GetTerminology(1), 1);
    QCOMPARE(transceiver->uiHelperList()->helpers().first()->terminology(), 1);
    auto *terminology = m_window->controlBar()->findChild<QComboBox *>(QStringLiteral("cmbTerminology"));
    QVERIFY(terminology);
    const int sonet = terminology->findText(QStringLiteral("SONET (ANSI)"));
    QVERIFY(sonet >= 0);
    terminology->setCurrentIndex(sonet);
    QTRY_COMPARE(manager->cachedParameter(zelServerManager::terminologySid(1))->getEnum(), 0);
    QCOMPARE(manager->GetTerminology(1), 2);
    QCOMPARE(transceiver->uiHelperList()->helpers().first()->terminology(), 2);
}

void tst_MainWindow::settingsRestoredOnTheNextStart()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("otn-client.ini")), QSettings::IniFormat);
    constexpr int sonet = 0;
    start(testOptions(), &settings);
    m_window->resize(1100, 700);
    const QSize size = m_window->size();
    m_window->setPort(2);
    m_session->serverManager()->setGUIAccessState(ControlBar::RestrictedAccess);
    auto *sonetAction = m_window->findChild<QAction *>(QStringLiteral("actionTerminologySonet"));
    QVERIFY(sonetAction);
    sonetAction->trigger();
    QVERIFY(settle());
    // Closing asks while the measurement runs; stopped, the window closes and keeps its settings.
    QVERIFY(!m_window->closeQuestion().isEmpty());
    QVERIFY(m_window->measurement()->stop());
    QVERIFY(settle());
    QCOMPARE(m_window->closeQuestion(), QString());
    QVERIFY(m_window->close());

    start(testOptions(), &settings);
    QVERIFY(settle());
    QCOMPARE(m_window->currentPort(), 2);
    QCOMPARE(m_window->size(), size);
    QCOMPARE(m_session->serverManager()->getGUIAccessState(), int(ControlBar::RestrictedAccess));
    QCOMPARE(m_session->serverManager()->cachedParameter(zelServerManager::terminologySid(2))->getEnum(), sonet);
}

void tst_MainWindow::resultsShowThePlugInsPageAndTheSessionsLog_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("nameCounter");   // the first row's name, filled by the tester
    QTest::newRow("alarms/errors") << 17 << 10001;
    QTest::newRow("performance") << 26 << 10009;
}

void tst_MainWindow::resultsShowThePlugInsPageAndTheSessionsLog()
{
    QFETCH(int, view);
    QFETCH(int, nameCounter);
    QVERIFY(m_window->openResults(view));
    StatisticsListPage *page = m_window->resultsArea()->page(view);
    QVERIFY(page);
    QVERIFY(page->isVisible());
    auto *table = page->findChild<StatisticsTable *>();
    QVERIFY(table);
    QTRY_VERIFY(table->rowOfCounter(nameCounter) >= 0);
    // One interval later the table shows what the tester measured.
    QVERIFY(m_session->intervalPoller()->poll() > 0);
    QTRY_COMPARE(table->rowTexts(table->rowOfCounter(nameCounter)).value(1), QStringLiteral("OTU2"));

    QVERIFY(m_window->openResults(ResultsArea::ViewEventLog));
    EventLogPage *log = m_window->resultsArea()->eventLogPage();
    QVERIFY(log->isVisible());
    QCOMPARE(log->filter()->sourceModel(), static_cast<QAbstractItemModel *>(m_session->eventLog()));
}

bool tst_MainWindow::setUpOduAis(int port)
{
    return write(port, PID::Otn::STIMULI::ITEM, 10) && write(port, PID::Otn::STIMULI::MODE, 3);
}

QPushButton *tst_MainWindow::insertButton() const
{
    return m_window->stimuliArea()->findChild<QPushButton *>(QStringLiteral("pbInsert"));
}

QLabel *tst_MainWindow::insertionStatus() const
{
    return m_window->stimuliArea()->findChild<QLabel *>(QStringLiteral("lblInsertion"));
}

// What the tester's insertion switch of the port holds.
int tst_MainWindow::insertion(int port) const
{
    return m_session->tester()->value(nsSID::otnSid(port, PID::Otn::STIMULI::INSERTION))->getInt();
}

void tst_MainWindow::insertButtonFollowsTheSwitch_data()
{
    QTest::addColumn<int>("testerEnd");   // the value the tester ends with by itself; -1: the user stops
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("status");
    QTest::newRow("stopped by the user") << -1 << 0 << QString();
    QTest::newRow("single insertion over") << 2 << 2 << QStringLiteral("Inserted: ODU-AIS on OTU2/ODU2, Rate 1.0E-3");
    QTest::newRow("stopped by the tester") << 3 << 3 << QStringLiteral("Stopped: not offered for this structure");
}

void tst_MainWindow::insertButtonFollowsTheSwitch()
{
    QFETCH(int, testerEnd);
    QFETCH(int, held);
    QFETCH(QString, status);
    QPushButton *button = insertButton();
    QVERIFY(button && insertionStatus());
    QVERIFY(button->isVisible());
    QCOMPARE(button->text(), QStringLiteral("Insert"));
    QVERIFY(setUpOduAis(1));

    // The button turns when the tester confirms, not on the click.
    button->click();
    QCOMPARE(button->text(), QStringLiteral("Insert"));
    QTRY_COMPARE(button->text(), QStringLiteral("Stop"));
    QCOMPARE(insertion(1), 1);
    QCOMPARE(insertionStatus()->text(), QStringLiteral("Inserting: ODU-AIS on OTU2/ODU2, Continuous"));
    // The line follows the panel while it inserts.
    QVERIFY(write(1, PID::Otn::STIMULI::MODE, 4));
    QCOMPARE(insertionStatus()->text(), QStringLiteral("Inserting: ODU-AIS on OTU2/ODU2, Rate 1.0E-3"));

    if (testerEnd < 0)
        button->click();
    else
        QVERIFY(m_session->tester()->serverChange(nsSID::otnSid(1, PID::Otn::STIMULI::INSERTION), testerEnd));
    QTRY_COMPARE(button->text(), QStringLiteral("Insert"));
    QCOMPARE(insertion(1), held);
    QCOMPARE(insertionStatus()->text(), status);
    QCOMPARE(insertionStatus()->isVisible(), !status.isEmpty());
}

void tst_MainWindow::portSwitchShowsThatPortsInsertion()
{
    QVERIFY(setUpOduAis(1));
    insertButton()->click();
    QTRY_COMPARE(insertButton()->text(), QStringLiteral("Stop"));

    // Port 2 shows its own switch; port 1 goes on.
    m_window->setPort(2);
    QCOMPARE(m_window->stimuliArea()->port(), 2);
    QCOMPARE(insertButton()->text(), QStringLiteral("Insert"));
    QCOMPARE(insertionStatus()->text(), QStringLiteral("Port 1 is still inserting"));
    QCOMPARE(insertion(1), 1);
    // Its end reaches port 2's line too.
    QVERIFY(m_session->tester()->serverChange(nsSID::otnSid(1, PID::Otn::STIMULI::INSERTION), 3));
    QTRY_VERIFY(insertionStatus()->text().isEmpty());

    QVERIFY(setUpOduAis(2));
    insertButton()->click();
    QTRY_COMPARE(insertButton()->text(), QStringLiteral("Stop"));
    m_window->setPort(1);
    QCOMPARE(insertButton()->text(), QStringLiteral("Insert"));
    QCOMPARE(insertionStatus()->text(),
             QStringLiteral("Stopped: not offered for this structure\nPort 2 is still inserting"));
    QCOMPARE(insertion(2), 1);
}

void tst_MainWindow::aPanelWithoutSwitchHasNoButton()
{
    StimuliArea *area = m_window->stimuliArea();
    StimuliWidget *container = area->currentPanel();
    QVERIFY(container && container->insertionSid() != 0);
    StimuliWidget *frequency = nullptr;
    for (StimuliWidget *panel : area->currentPanels()) {
        if (panel->insertionSid() == 0)
            frequency = panel;
    }
    QVERIFY(frequency);
    QVERIFY(setUpOduAis(1));
    insertButton()->click();
    QTRY_COMPARE(insertButton()->text(), QStringLiteral("Stop"));

    // The container out of sight keeps inserting, and the line says so.
    QVERIFY(area->showPanel(frequency));
    QVERIFY(!insertButton()->isVisible());
    QCOMPARE(insertionStatus()->text(), QStringLiteral("OTN is still inserting"));
    QCOMPARE(insertion(1), 1);
    QVERIFY(area->showPanel(container));
    QVERIFY(insertButton()->isVisible());
    QCOMPARE(insertButton()->text(), QStringLiteral("Stop"));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
