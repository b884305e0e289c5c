#include <memory>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <QtTest>

#include "apps/shared/sid.h"
#include "clientsession.h"
#include "controlbar.h"
#include "host/bindings/uihelper.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelperlist.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/setuppageproperty.h"
#include "host/contract/testresultidentifier.h"
#include "host/otn/otnpid.h"
#include "host/pages/page.h"
#include "host/pages/statisticslistpage.h"
#include "host/pages/statisticslisttablepage.h"
#include "host/pages/statisticstable.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "host/pages/stimuliwidget.h"
#include "host/setupwidgets/setupwidget.h"
#include "host/texts/widgettext.h"
#include "host/widgets/portstatusitem.h"
#include "eventlogpage.h"
#include "historypage.h"
#include "host/server/eventlog.h"
#include "host/server/eventlogfilter.h"
#include "interfaceoverview.h"
#include "mainwindow.h"
#include "navigationlist.h"
#include "wrappingbutton.h"
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

ClientOptions testOptions()
{
    ClientOptions options;
    options.portCount = 2;
    options.moduleTypes = {0, 3, 0, 0};
    // The cases below start from an OTU2 carrying a test pattern.
    options.structure = QStringLiteral("otu2-bulk");
    options.pluginPath = QStringLiteral(ZEL_OTN_PLUGIN);
    options.liveValues = false;
    return options;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsOnTheSimulatorWithEveryRegisteredPage();
    void equalTitlesToldApart_data();
    void equalTitlesToldApart();
    void navigatesToEveryRegisteredPage_data();
    void navigatesToEveryRegisteredPage();
    void valueLabelsHoldTheirWidestValue_data();
    void valueLabelsHoldTheirWidestValue();
    void overviewButtonsOpenTheFrameSetup_data();
    void overviewButtonsOpenTheFrameSetup();
    void overviewLabelsFollowTheTester();
    void summaryBreaksAfterSeparators_data();
    void summaryBreaksAfterSeparators();
    void longSummaryIsShownWhole();
    void portSwitchMovesEverything();
    void scanEntryFollowsTheJudge_data();
    void scanEntryFollowsTheJudge();
    void statusLedsShowThePort();
    void summaryLedShowsWhatTheAlarmsPageShows();
    void accessSwitch();
    void terminologySwitchWritesTheTester();
    void intervalValuesAreLive();
    void resultsShowThePlugInsPage_data();
    void resultsShowThePlugInsPage();
    void resultsShowTheSessionsEventLog();
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

    void start(const ClientOptions &options);
    bool write(int port, int id, int value);
    bool creatable(int pageId) const;
    void selectEntry(int pageId);

    std::unique_ptr<ClientSession> m_session;
    std::unique_ptr<MainWindow> m_window;
};

void tst_MainWindow::init()
{
    start(testOptions());
}

void tst_MainWindow::start(const ClientOptions &options)
{
    m_window.reset();
    m_session = std::make_unique<ClientSession>(options);
    QString error;
    QVERIFY2(m_session->start(&error), qPrintable(error));
    m_window = std::make_unique<MainWindow>(*m_session);
    m_window->show();
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

bool tst_MainWindow::creatable(int pageId) const
{
    InterfaceSetupPageFactory *factory = m_session->setupFactory();
    std::unique_ptr<Page> page(factory->createPage(PageArea::identifierOf(*factory, pageId), m_session->serverManager()));
    return page != nullptr;
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
    QCOMPARE(navigation->statusLeds(37).size(), 3);
    QCOMPARE(navigation->statusLeds(38).size(), 3);
    QCOMPARE(navigation->statusLeds(39).size(), 0);
}

void tst_MainWindow::equalTitlesToldApart_data()
{
    QTest::addColumn<PageList>("setupPages");   // direction, title text
    QTest::addColumn<QList<int>>("statusTitles");
    QTest::addColumn<QStringList>("titles");                  // setup pages, then status pages

    const QStringList status{"Physical Status", "Alarms/Errors"};
    QTest::newRow("frame setups of both directions")
        << PageList{{1, 5000}, {1, 4008}, {2, 4008}} << QList<int>{}
        << QStringList{"Tx Signal Setup", "Tx Frame Setup", "Rx Frame Setup"} + status;
    QTest::newRow("different titles stay as registered")
        << PageList{{1, 5000}, {2, 5001}} << QList<int>{5070}
        << QStringList{"Tx Signal Setup", "Rx Signal Setup"} + status + QStringList{"OH Capture"};
    QTest::newRow("same direction twice is numbered")
        << PageList{{1, 4008}, {1, 4008}, {2, 4008}} << QList<int>{}
        << QStringList{"Tx Frame Setup", "Tx Frame Setup (2)", "Rx Frame Setup"} + status;
    QTest::newRow("status pages without direction are numbered")
        << PageList{{1, 4008}} << QList<int>{5070, 5070, 5070}
        << QStringList{"Frame Setup"} + status + QStringList{"OH Capture", "OH Capture (2)", "OH Capture (3)"};
}

void tst_MainWindow::equalTitlesToldApart()
{
    QFETCH(PageList, setupPages);
    QFETCH(QList<int>, statusTitles);
    QFETCH(QStringList, titles);

    const TitleFactory factory(setupPages, statusTitles);
    NavigationList navigation;
    navigation.setup(&factory, m_session->serverManager(), 1);
    const auto shownTitles = [&navigation] {
        QStringList shown;
        for (int pageId : navigation.pageIds())
            shown << navigation.titleOf(pageId);
        return shown;
    };
    QCOMPARE(shownTitles(), titles);
    // The title keys the plug-in registered are untouched.
    for (int i = 0; i < setupPages.size(); ++i)
        QCOMPARE(factory.setupPageProperties().at(i)->titleKey(), UI_Text::buildUIKey(setupPages.at(i).second));
    // A terminology switch titles the list again, still told apart.
    navigation.setTerminology(2);
    QCOMPARE(shownTitles(), titles);
}

void tst_MainWindow::navigatesToEveryRegisteredPage_data()
{
    QTest::addColumn<int>("pageId");
    for (int id : {34, 35, 31, 32, 37, 38, 39, 40, 70})
        QTest::addRow("%d", id) << id;
}

void tst_MainWindow::navigatesToEveryRegisteredPage()
{
    QFETCH(int, pageId);
    if (!creatable(pageId))
        QSKIP("the page's class is not in the plug-in yet");
    QVERIFY(m_window->navigation()->isPageOffered(pageId));
    const WarningCatcher warnings;
    selectEntry(pageId);
    QCOMPARE(m_window->pageArea()->currentPageId(), pageId);
    Page *page = m_window->pageArea()->page(pageId);
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QVERIFY(page->isPageInitialized());
    QVERIFY(!page->objectName().isEmpty());
    QCOMPARE(page->parentWidget(), static_cast<QWidget *>(m_window->pageArea()));
    // Away to the results (the page is hidden) and back: the page is kept, not built again.
    m_window->openResults(26);
    QVERIFY(!page->isVisible());
    QVERIFY(m_window->openPage(pageId));
    QCOMPARE(m_window->pageArea()->page(pageId), page);
    QVERIFY(page->isVisible());
    QCOMPARE(warnings.lines, QStringList());
}

void tst_MainWindow::valueLabelsHoldTheirWidestValue_data()
{
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("port");
    // Port 1 has a single-lane module, port 2 a multi-lane one (more lane rows).
    for (int id : {34, 35, 31, 32, 37, 38, 39, 40, 70}) {
        for (int port : {1, 2})
            QTest::addRow("page %d, port %d", id, port) << id << port;
    }
}

void tst_MainWindow::valueLabelsHoldTheirWidestValue()
{
    QFETCH(int, pageId);
    QFETCH(int, port);
    if (!creatable(pageId))
        QSKIP("the page's class is not in the plug-in yet");
    m_window->resize(1280, 800);
    m_window->setPort(port);
    QVERIFY(m_window->openPage(pageId));
    Page *page = m_window->pageArea()->page(pageId);
    QVERIFY(page);
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

void tst_MainWindow::overviewButtonsOpenTheFrameSetup_data()
{
    QTest::addColumn<bool>("tx");
    QTest::addColumn<int>("pageId");
    QTest::newRow("Tx") << true << 31;
    QTest::newRow("Rx") << false << 32;
}

void tst_MainWindow::overviewButtonsOpenTheFrameSetup()
{
    QFETCH(bool, tx);
    QFETCH(int, pageId);
    const WarningCatcher warnings;
    QTest::mouseClick(tx ? m_window->overview()->txButton() : m_window->overview()->rxButton(), Qt::LeftButton);
    QCOMPARE(m_window->pageArea()->currentPageId(), pageId);
    QCOMPARE(warnings.lines, QStringList());
}

void tst_MainWindow::overviewLabelsFollowTheTester()
{
    QPushButton *tx = m_window->overview()->txButton();
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

void tst_MainWindow::summaryBreaksAfterSeparators_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("room");   // a text as wide as the room for one line; empty: 1 pixel
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("fits one line") << "OTU2 - OPU2" << "OTU2 - OPU2" << QStringList{"OTU2 - OPU2"};
    QTest::newRow("breaks after a dash") << "OTU4 - ODTU4.8 #1 - OPU2" << "OTU4 - ODTU4.8 #1 -"
                                         << QStringList{"OTU4 - ODTU4.8 #1 -", "OPU2"};
    QTest::newRow("one part a line when narrow") << "OTU2 - ODTU2.1 #3 - OPU0" << QString()
                                                 << QStringList{"OTU2 -", "ODTU2.1 #3 -", "OPU0"};
    QTest::newRow("a wide part stays whole") << "ODTU2.1 (PT=21)#1 - OPU0" << "ODTU2.1"
                                             << QStringList{"ODTU2.1 (PT=21)#1 -", "OPU0"};
    QTest::newRow("no separator") << "Frame Setup" << QString() << QStringList{"Frame Setup"};
}

void tst_MainWindow::summaryBreaksAfterSeparators()
{
    QFETCH(QString, text);
    QFETCH(QString, room);
    QFETCH(QStringList, lines);
    const QFontMetrics metrics(QApplication::font());
    QCOMPARE(WrappingButton::wrappedLines(text, metrics, room.isEmpty() ? 1 : metrics.horizontalAdvance(room)), lines);
}

void tst_MainWindow::longSummaryIsShownWhole()
{
    const QString summary = QStringLiteral("OTU3 - ODTU23 (PT=21)#1 - ODTU12 (PT=21)#1 - ODTU01#1 - OPU0");
    auto *button = qobject_cast<WrappingButton *>(m_window->overview()->txButton());
    QVERIFY(button);
    m_window->resize(1280, 800);
    button->setText(summary);
    // The layout follows the new text on the next passes of the event loop.
    QTRY_VERIFY(button->height() >= button->heightForWidth(button->width()));
    // Every part is shown, in order, and no line is wider or lower than the button has room for.
    const QStringList lines = button->lines();
    QVERIFY(lines.size() > 1);
    QCOMPARE(lines.join(QLatin1Char(' ')), summary);
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    for (const QString &line : lines)
        QVERIFY2(button->fontMetrics().horizontalAdvance(line) <= room.width(), qPrintable(line));
    QVERIFY2(lines.size() * button->fontMetrics().lineSpacing() <= room.height(),
             qPrintable(QStringLiteral("%1 lines in %2 pixels").arg(lines.size()).arg(room.height())));
    QVERIFY(m_window->width() <= 1280);
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
    QCOMPARE(ports->count(), 2);
    ports->setCurrentIndex(1);
    QCOMPARE(m_window->controlBar()->currentPort(), 2);
    QCOMPARE(transceiver->port(), 2);
    QCOMPARE(m_window->overview()->txButton()->text(), QStringLiteral("OTU3 - OPU3"));
    for (UiHelper *helper : transceiver->uiHelperList()->helpers())
        QCOMPARE(nsSID::portOf(helper->getSID()), 2);
    // A page opened after the switch starts on the new port, a result view too.
    if (creatable(37)) {
        QVERIFY(m_window->openPage(37));
        QCOMPARE(m_window->pageArea()->page(37)->port(), 2);
    }
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
    QTest::newRow("OTU2e (9)") << 9 << false;
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

void tst_MainWindow::statusLedsShowThePort()
{
    const QList<PortStatusItem *> leds = m_window->navigation()->statusLeds(37);
    QCOMPARE(leds.size(), 3);
    QCOMPARE(leds[0]->state(), PortStatusItem::Ok);     // port mode Normal
    QCOMPARE(leds[1]->state(), PortStatusItem::Ok);     // no LOS
    QCOMPARE(leds[2]->state(), PortStatusItem::Ok);     // a received level
    // The alarms page's LEDs follow what the receiver finds: OOF, then the line's ODU-AIS.
    const QList<PortStatusItem *> alarms = m_window->navigation()->statusLeds(38);
    QCOMPARE(alarms.size(), 3);
    QCOMPARE(alarms[0]->state(), PortStatusItem::Ok);
    QCOMPARE(alarms[1]->state(), PortStatusItem::Ok);
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
}

void tst_MainWindow::summaryLedShowsWhatTheAlarmsPageShows()
{
    NavigationList *navigation = m_window->navigation();
    QVERIFY(!navigation->summaryLed(37));
    QCOMPARE(navigation->summaryLed(38)->state(), PortStatusItem::Ok);

    // A section trace other than the one expected: the page shows SM-TIM, which no item names; of the
    // items only ODU-AIS, the consequent action of the TIM, is raised.
    ClientOptions options = testOptions();
    options.structure = QStringLiteral("otu2-tim");
    start(options);
    navigation = m_window->navigation();
    QTRY_COMPARE(navigation->summaryLed(38)->state(), PortStatusItem::Alarm);
    const QList<PortStatusItem *> items = navigation->statusLeds(38);
    QCOMPARE(items.size(), 3);
    QTRY_COMPARE(items[1]->state(), PortStatusItem::Alarm);
    QVERIFY(items[0]->state() != PortStatusItem::Alarm);
    QCOMPARE(m_session->serverManager()->cachedParameter(nsSID::otnSid(1, PID::Otn::STATUS::SM_TIM))->getEnum(), 1);
}

void tst_MainWindow::accessSwitch()
{
    auto *access = m_window->controlBar()->findChild<QComboBox *>(QStringLiteral("cmbAccess"));
    QVERIFY(access);
    QCOMPARE(access->currentIndex(), 0);
    access->setCurrentIndex(1);
    QCOMPARE(m_session->serverManager()->getGUIAccessState(), int(ControlBar::RestrictedAccess));
    m_session->serverManager()->setGUIAccessState(ControlBar::FullAccess);
    QCOMPARE(access->currentIndex(), 0);
}

void tst_MainWindow::terminologySwitchWritesTheTester()
{
    QVERIFY(m_window->openPage(70));
    Page *transceiver = m_window->pageArea()->page(70);
    const int terminologySid = zelServerManager::terminologySid(1);
    zelServerManager *manager = m_session->serverManager();
    QCOMPARE(manager->GetTerminology(1), 1);
    QCOMPARE(transceiver->uiHelperList()->helpers().first()->terminology(), 1);

    auto *terminology = m_window->controlBar()->findChild<QComboBox *>(QStringLiteral("cmbTerminology"));
    QVERIFY(terminology);
    const int sonet = terminology->findText(QStringLiteral("SONET (ANSI)"));
    QVERIFY(sonet >= 0);
    terminology->setCurrentIndex(sonet);
    QTRY_COMPARE(manager->cachedParameter(terminologySid)->getEnum(), 0);
    QCOMPARE(manager->GetTerminology(1), 2);
    QCOMPARE(transceiver->uiHelperList()->helpers().first()->terminology(), 2);
}

// The running client polls the tester once per interval: the receiver's measured frequency on the Rx
// signal setup page moves without anybody writing.
void tst_MainWindow::intervalValuesAreLive()
{
    ClientOptions options = testOptions();
    options.liveValues = true;
    start(options);
    QVERIFY(m_window->openPage(35));
    auto *page = m_window->findChild<QWidget *>(QStringLiteral("OTN Rx Physical Setup"));
    QVERIFY(page);
    auto *frequency = page->findChild<QLabel *>(QStringLiteral("lblFrequencyValue"));
    QVERIFY(frequency);
    const QString first = frequency->text();
    QVERIFY(!first.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(frequency->text() != first, 10000);
}

void tst_MainWindow::resultsShowThePlugInsPage_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("nameCounter");   // the first row's name, filled by the tester
    QTest::newRow("alarms/errors") << 17 << 10001;
    QTest::newRow("performance") << 26 << 10009;
}

void tst_MainWindow::resultsShowThePlugInsPage()
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
}

void tst_MainWindow::resultsShowTheSessionsEventLog()
{
    QVERIFY(m_window->openResults(ResultsArea::ViewEventLog));
    EventLogPage *log = m_window->resultsArea()->eventLogPage();
    QVERIFY(log->isVisible());
    QCOMPARE(log->filter()->sourceModel(), static_cast<QAbstractItemModel *>(m_session->eventLog()));
    QVERIFY(m_window->openResults(ResultsArea::ViewHistory));
    QVERIFY(m_window->resultsArea()->historyPage()->isVisible());
    QVERIFY(!log->isVisible());
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
