#include <memory>

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/pages/setup/otnsignalsetuppagetx.h"
#include "host/bindings/uihelper.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnmapping.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/dialogrunner.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/clockconfigurationwidget.h"
#include "host/setupwidgets/multilanemappingdialog.h"
#include "host/setupwidgets/multilanemappingdialogmodel.h"
#include "host/setupwidgets/outputsignalsetupwidget.h"
#include "host/setupwidgets/physicalstatusminiwidget.h"
#include "host/texts/widgettext.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/simulatorfixture.h"
#include "tests/support/testserverlink.h"

namespace {
constexpr int portMode = 11001;
constexpr int interfaceSignal = 11008;
constexpr int moduleType = 11143;
constexpr int firstLane = 11145;

const QStringList moduleButtonNames = {"pbSfp", "pbQsfpp", "pbQsfp28", "pbCfp",
                                       "pbCfp2", "pbCfp4", "pbCxp",  "pbQsfp28Adpt"};

int sid(int port, int id)
{
    return nsSID::build(port, nsSID::otn, id);
}

QcmaParameterEnum *enumParameter(int sid, int value, int maximum, const QList<int> &active)
{
    auto *p = new QcmaParameterEnum(sid, value, 0, maximum);
    p->setAllEnumsActive(false);
    for (int v : active)
        p->setEnumActive(v, true);
    return p;
}

QList<int> range(int count)
{
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values.append(i);
    return values;
}

// The first interface value with the given number of logical lanes, or -1.
int interfaceWithLanes(int lanes)
{
    for (int value = 0; value < 64; ++value) {
        if (OtnMapping::numOfLldLane(value) == lanes)
            return value;
    }
    return -1;
}

// A test server holding the page's own parameters on ports 1 and 2.
struct PageServer {
    PageServer(const QList<int> &activeModules = range(8), int lanes = 0, bool lanesDefined = true)
    {
        const int interfaceValue = interfaceWithLanes(lanes);
        for (int port : {1, 2}) {
            link.addParameter(enumParameter(sid(port, moduleType), 0, 7, activeModules));
            link.addParameter(enumParameter(sid(port, portMode), 1, 3, range(4)));
            link.addParameter(enumParameter(sid(port, interfaceSignal), qMax(0, interfaceValue), 63, range(64)));
            auto *lane = new QcmaParameterUInt(sid(port, firstLane), 0, 0, 19);
            lane->setDefined(lanesDefined);
            link.addParameter(lane);
        }
        manager = std::make_unique<zelServerManager>(&link);
    }
    ~PageServer() { manager.reset(); }

    TestServerLink link;
    std::unique_ptr<zelServerManager> manager;
};

std::unique_ptr<OtnSignalSetupPageTx> openPage(zelServerManager *manager)
{
    auto page = std::make_unique<OtnSignalSetupPageTx>(InterfaceSetupIdentifier(34, 1, 1, 5), manager, 1);
    page->initializePage();
    page->show();
    return page;
}

QStringList shownModuleButtons(QWidget *page)
{
    QStringList shown;
    for (const QString &name : moduleButtonNames) {
        auto *button = page->findChild<QPushButton *>(name);
        if (button && !button->isHidden())
            shown.append(name);
    }
    return shown;
}
} // namespace

class tst_OtnSignalSetupPageTx : public QObject
{
    Q_OBJECT
private slots:
    void pageIdentity();
    void callsBeforeInitialisationDoNothing();
    void moduleButtonsByActiveEnumerators_data();
    void moduleButtonsByActiveEnumerators();
    void moduleValueOrder_data();
    void moduleValueOrder();
    void moduleButtonsFollowServer();
    void moduleTypeOfWrongKindIgnored();
    void laneButton_data();
    void laneButton();
    void laneDialog_data();
    void laneDialog();
    void texts();
    void accessState_data();
    void accessState();
    void portChangeReachesEverything();
    void reinitializeRebuildsBindings();
    void laneMappingRoundTrip();
};

void tst_OtnSignalSetupPageTx::pageIdentity()
{
    PageServer server;
    OtnSignalSetupPageTx page(InterfaceSetupIdentifier(34, 1, 1, 5), server.manager.get(), 1);
    QCOMPARE(page.directionIndex(), 0);
    QCOMPARE(page.helpPage(), QStringLiteral("otn_setup_transmitter.html"));
    QCOMPARE(page.identifier().pageId(), 34);
    QCOMPARE(page.flags(), 1);
    page.initializePage();
    QCOMPARE(page.windowTitle(), QStringLiteral("Tx Signal Setup"));
    QCOMPARE(page.contentsMargins(), QMargins(25, 0, 0, 0));
    // The host widgets sit in their group boxes, clock configuration before output.
    auto *clock = page.findChild<ClockConfigurationWidget *>();
    auto *output = page.findChild<OutputSignalSetupWidget *>();
    auto *status = page.findChild<PhysicalStatusMiniWidget *>();
    QVERIFY(clock && output && status);
    auto *clockBox = page.findChild<QGroupBox *>("gbClockConfiguration");
    QCOMPARE(clockBox->layout()->indexOf(clock), 0);
    QCOMPARE(clockBox->layout()->indexOf(output), 1);
    QVERIFY(page.findChild<QGroupBox *>("gbPhysicalStatus")->layout()->indexOf(status) >= 0);
    QCOMPARE(status->group(), nsSID::otn);
    QCOMPARE(page.uiHelperList()->count(), 5);
}

void tst_OtnSignalSetupPageTx::callsBeforeInitialisationDoNothing()
{
    PageServer server;
    OtnSignalSetupPageTx page(InterfaceSetupIdentifier(34, 1, 1, 5), server.manager.get(), 1);
    page.UpdateText();
    page.SetGUIAccessState(1);
    page.reinitialize();
    page.setPort(2);
    QCOMPARE(page.port(), 2);
    QCOMPARE(page.uiHelperList()->count(), 0);
    QVERIFY(!page.findChild<QPushButton *>("pbMultiLane"));
}

void tst_OtnSignalSetupPageTx::moduleButtonsByActiveEnumerators_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("active");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("all active") << 7 << range(8) << moduleButtonNames;
    QTest::newRow("CFP family") << 7 << QList<int>{2, 3, 4} << QStringList{"pbCfp", "pbCfp2", "pbCfp4"};
    QTest::newRow("none active") << 7 << QList<int>{} << QStringList{};
    QTest::newRow("values without a button are skipped")
        << 9 << QList<int>{1, 8, 9} << QStringList{"pbQsfpp"};
}

void tst_OtnSignalSetupPageTx::moduleButtonsByActiveEnumerators()
{
    QFETCH(int, maximum);
    QFETCH(QList<int>, active);
    QFETCH(QStringList, shown);
    PageServer server;
    server.link.addParameter(enumParameter(sid(1, moduleType), active.value(0, 0), maximum, active));
    server.manager = std::make_unique<zelServerManager>(&server.link);

    auto page = openPage(server.manager.get());
    QCOMPARE(shownModuleButtons(page.get()), shown);
}

void tst_OtnSignalSetupPageTx::moduleValueOrder_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("button");
    const QStringList order = {"pbSfp", "pbQsfpp", "pbCfp", "pbCfp2", "pbCfp4", "pbQsfp28Adpt", "pbCxp", "pbQsfp28"};
    for (int value = 0; value < order.size(); ++value)
        QTest::addRow("value %d", value) << value << order.at(value);
}

void tst_OtnSignalSetupPageTx::moduleValueOrder()
{
    QFETCH(int, value);
    QFETCH(QString, button);
    PageServer server({value});
    auto page = openPage(server.manager.get());
    QCOMPARE(shownModuleButtons(page.get()), QStringList{button});

    // Pressing the button writes its value.
    server.link.serverChange(enumParameter(sid(1, moduleType), value == 0 ? 1 : 0, 7, range(8)));
    QTRY_COMPARE(shownModuleButtons(page.get()).size(), moduleButtonNames.size());
    page->findChild<QPushButton *>(button)->click();
    QTRY_COMPARE(server.link.value(sid(1, moduleType))->getEnum(), value);
}

void tst_OtnSignalSetupPageTx::moduleButtonsFollowServer()
{
    PageServer server;
    auto page = openPage(server.manager.get());
    QCOMPARE(shownModuleButtons(page.get()), moduleButtonNames);

    server.link.serverChange(enumParameter(sid(1, moduleType), 7, 7, {0, 7}));
    QTRY_COMPARE(shownModuleButtons(page.get()), (QStringList{"pbSfp", "pbQsfp28"}));
    // Another port's change does not reach the page.
    server.link.serverChange(enumParameter(sid(2, moduleType), 0, 7, {0}));
    server.link.serverChange(enumParameter(sid(1, moduleType), 6, 7, {6}));
    QTRY_COMPARE(shownModuleButtons(page.get()), QStringList{"pbCxp"});
}

void tst_OtnSignalSetupPageTx::moduleTypeOfWrongKindIgnored()
{
    PageServer server({2, 3});
    auto page = openPage(server.manager.get());
    QCOMPARE(shownModuleButtons(page.get()), (QStringList{"pbCfp", "pbCfp2"}));

    DiagnosticsRecorder recorder;
    page->qcmaParameterChanged(QcmaParameterUInt(sid(1, moduleType), 1, 0, 7));
    QCOMPARE(shownModuleButtons(page.get()), (QStringList{"pbCfp", "pbCfp2"}));
    QCOMPARE(recorder.lines(),
             QStringList{"OtnSignalSetupPageTx: module type 0x10d2b87 is no enumeration; ignored."});
}

void tst_OtnSignalSetupPageTx::laneButton_data()
{
    QTest::addColumn<int>("lanes");
    QTest::addColumn<bool>("lanesDefined");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("no lanes") << 0 << false << false << false;
    QTest::newRow("4 lanes") << 4 << true << true << true;
    QTest::newRow("20 lanes") << 20 << true << true << true;
    QTest::newRow("20 lanes, mapping not defined") << 20 << false << true << false;
}

void tst_OtnSignalSetupPageTx::laneButton()
{
    QFETCH(int, lanes);
    QFETCH(bool, lanesDefined);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QVERIFY2(interfaceWithLanes(lanes) >= 0, "no interface with that many logical lanes");
    PageServer server(range(8), lanes, lanesDefined);
    auto page = openPage(server.manager.get());

    auto *button = page->findChild<QPushButton *>("pbMultiLane");
    QCOMPARE(page->laneCount(), lanes);
    QCOMPARE(!button->isHidden(), visible);
    QCOMPARE(button->isEnabled(), enabled);
}

void tst_OtnSignalSetupPageTx::laneDialog_data()
{
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("mode");
    QTest::newRow("no lanes: nothing opens") << 0 << 0 << -1;
    QTest::newRow("4 lanes, one logical lane per physical lane") << 4 << 1 << 0;
    QTest::newRow("20 lanes over 4 physical lanes") << 20 << 1 << 2;
}

void tst_OtnSignalSetupPageTx::laneDialog()
{
    QFETCH(int, lanes);
    QFETCH(int, runs);
    QFETCH(int, mode);
    PageServer server(range(8), lanes, true);
    auto page = openPage(server.manager.get());
    page->setPort(2);

    int seen = 0;
    int seenMode = -1;
    int seenPort = -1;
    int seenGroup = -1;
    QList<int> seenIds;
    int seenCountId = 0;
    ScopedDialogHandler handler([&](QDialog *dialog) {
        ++seen;
        if (auto *lanesDialog = qobject_cast<MultiLaneMappingDialog *>(dialog)) {
            seenMode = lanesDialog->mode();
            seenPort = lanesDialog->port();
            seenGroup = lanesDialog->group();
            seenIds = lanesDialog->model()->laneIds();
            seenCountId = lanesDialog->model()->countId();
        }
        return 0;
    });
    QVERIFY(QMetaObject::invokeMethod(page.get(), "multiLaneClicked"));

    QCOMPARE(seen, runs);
    QCOMPARE(seenMode, mode);
    if (runs == 0)
        return;
    QList<int> ids;
    for (int lane = 0; lane < lanes; ++lane)
        ids.append(firstLane + lane);
    QCOMPARE(seenIds, ids);
    QCOMPARE(seenCountId, 11165);
    QCOMPARE(seenPort, 2);
    QCOMPARE(seenGroup, nsSID::otn);
}

void tst_OtnSignalSetupPageTx::texts()
{
    PageServer server;
    auto page = openPage(server.manager.get());
    const WidgetText *texts = WidgetText::instance();
    QVERIFY(texts->hasUiText(5251) && texts->hasUiText(5096) && texts->hasUiText(9324));
    page->findChild<QPushButton *>("pbMultiLane")->setText(QString());
    page->UpdateText();
    QCOMPARE(page->findChild<QPushButton *>("pbMultiLane")->text(), texts->getUiText(5251));
    QCOMPARE(page->findChild<QGroupBox *>("gbPhysicalStatus")->title(), texts->getUiText(5096));
    QCOMPARE(page->findChild<QGroupBox *>("gbClockConfiguration")->title(), texts->getUiText(9324));
}

void tst_OtnSignalSetupPageTx::accessState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("full access") << 0 << true;
    QTest::newRow("restricted") << 1 << false;
}

void tst_OtnSignalSetupPageTx::accessState()
{
    QFETCH(int, state);
    QFETCH(bool, enabled);
    PageServer server;
    auto page = openPage(server.manager.get());
    page->SetGUIAccessState(1 - state);
    page->SetGUIAccessState(state);
    QCOMPARE(page->findChild<QGroupBox *>("gbClockConfiguration")->isEnabled(), enabled);
    QCOMPARE(page->findChild<OutputSignalSetupWidget *>()->isEnabled(), enabled);
    // The bindings hear it too: the port mode buttons take no input without access.
    QCOMPARE(page->findChild<QPushButton *>("pbThrough")->isEnabled(), enabled);
}

void tst_OtnSignalSetupPageTx::portChangeReachesEverything()
{
    PageServer server({0, 1});
    server.link.addParameter(enumParameter(sid(2, moduleType), 5, 7, {5}));
    server.manager = std::make_unique<zelServerManager>(&server.link);
    auto page = openPage(server.manager.get());
    QCOMPARE(shownModuleButtons(page.get()), (QStringList{"pbSfp", "pbQsfpp"}));

    page->setPort(2);
    QCOMPARE(page->port(), 2);
    QCOMPARE(page->findChild<ClockConfigurationWidget *>()->port(), 2);
    QCOMPARE(page->findChild<OutputSignalSetupWidget *>()->port(), 2);
    QCOMPARE(page->findChild<PhysicalStatusMiniWidget *>()->port(), 2);
    QCOMPARE(shownModuleButtons(page.get()), QStringList{"pbQsfp28Adpt"});
    page->findChild<QPushButton *>("pbThrough")->click();
    QTRY_COMPARE(server.link.value(sid(2, portMode))->getEnum(), 2);
    QCOMPARE(server.link.value(sid(1, portMode))->getEnum(), 1);
}

void tst_OtnSignalSetupPageTx::reinitializeRebuildsBindings()
{
    PageServer server;
    auto page = openPage(server.manager.get());
    QPointer<UiHelper> before = page->uiHelperList()->helpers().value(0);
    QVERIFY(before);

    page->reinitialize();
    QVERIFY(!before);
    QCOMPARE(page->uiHelperList()->count(), 5);
    // The new bindings are connected and report to the page.
    server.link.serverChange(enumParameter(sid(1, moduleType), 3, 7, {3}));
    QTRY_COMPARE(shownModuleButtons(page.get()), QStringList{"pbCfp2"});
}

void tst_OtnSignalSetupPageTx::laneMappingRoundTrip()
{
    // A port with a four-lane module on the simulated tester, switched to the 20-lane interface.
    SimulatorOptions options = SimulatorFixture::quietOptions();
    options.moduleTypes = {4, 0, 0, 0};
    SimulatorFixture fixture(options);
    auto page = openPage(fixture.manager());
    QVERIFY(page->findChild<QPushButton *>("pbMultiLane")->isHidden());

    QVERIFY(fixture.writeAndWait(1, interfaceSignal, interfaceWithLanes(20)));
    auto *button = page->findChild<QPushButton *>("pbMultiLane");
    QVERIFY(!button->isHidden());
    QVERIFY(button->isEnabled());

    int runs = 0;
    ScopedDialogHandler handler([&runs](QDialog *dialog) {
        ++runs;
        auto *lanes = qobject_cast<MultiLaneMappingDialog *>(dialog);
        if (!lanes || !lanes->model()->isComplete())
            return 0;
        lanes->model()->assignLogicalLane(19, 0);
        lanes->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        return lanes->result();
    });
    button->click();
    QCOMPARE(runs, 1);
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.cached(1, firstLane + 19)->getInt(), 0);
    QCOMPARE(fixture.cached(1, firstLane)->getInt(), 19);
}

QTEST_MAIN(tst_OtnSignalSetupPageTx)
#include "tst_otnsignalsetuppagetx.moc"
