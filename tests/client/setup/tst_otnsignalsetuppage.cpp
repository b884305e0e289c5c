#include <memory>

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/pages/setup/otnsignalsetuppagerx.h"
#include "client/otn/interface_setup_status/pages/setup/otnsignalsetuppagetx.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnmapping.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/clockconfigurationwidget.h"
#include "host/setupwidgets/multilanemappingdialog.h"
#include "host/setupwidgets/multilanemappingdialogmodel.h"
#include "host/setupwidgets/outputsignalsetupwidget.h"
#include "host/setupwidgets/physicalstatusminiwidget.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {
constexpr int Tx = 0;
constexpr int Rx = 1;
constexpr int portMode = 11001;
constexpr int interfaceSignal = 11008;
constexpr int firstLane = 11145;
constexpr int moduleTypeIds[2] = {11143, 12001};
constexpr int helperCount[2] = {5, 2};
// The module buttons by module type value: the two directions order the values differently.
const QStringList moduleButtonNames[2] = {
    {"pbSfp", "pbQsfpp", "pbCfp", "pbCfp2", "pbCfp4", "pbQsfp28Adpt", "pbCxp", "pbQsfp28"},
    {"pbOff", "pbSfp", "pbQsfpp", "pbCfp", "pbCxp", "pbCfp2", "pbQsfp28Adpt", "pbCfp4", "pbQsfp28"}};

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

// A test server with the signal setup pages' parameters on ports 1 and 2, and the page of one direction.
struct PageServer : TesterFixture {
    explicit PageServer(int direction, int lanes = 0, bool lanesDefined = true)
        : TesterFixture(QByteArray()), direction(direction)
    {
        for (int port : {1, 2}) {
            setModules(port, 0, range(moduleButtonNames[direction].size()));
            fake()->addParameter(enumParameter(nsSID::otnSid(port, portMode), 1, 3, range(4)));
            fake()->addParameter(
                enumParameter(nsSID::otnSid(port, interfaceSignal), qMax(0, interfaceWithLanes(lanes)), 63, range(64)));
            auto *lane = new QcmaParameterUInt(nsSID::otnSid(port, firstLane), 0, 0, 19);
            lane->setDefined(lanesDefined);
            fake()->addParameter(lane);
        }
    }
    // The server changes the module type by itself (before open(): the value it starts with).
    void setModules(int port, int value, const QList<int> &active, int maximum = -1)
    {
        fake()->serverChange(enumParameter(nsSID::otnSid(port, moduleTypeIds[direction]), value,
                                           maximum < 0 ? moduleButtonNames[direction].size() - 1 : maximum, active));
    }
    OtnSetupPage *open(bool initialise = true)
    {
        const InterfaceSetupIdentifier id(34 + direction, direction + 1, 1, 5);
        if (direction == Tx)
            page = std::make_unique<OtnSignalSetupPageTx>(id, manager(), 1);
        else
            page = std::make_unique<OtnSignalSetupPageRx>(id, manager(), 1);
        if (initialise) {
            page->initializePage();
            page->show();
        }
        return page.get();
    }
    // The shown module buttons in value order.
    QStringList shownModules() const
    {
        QStringList shown;
        for (const QString &name : moduleButtonNames[direction]) {
            auto *button = page->findChild<QPushButton *>(name);
            if (button && !button->isHidden())
                shown.append(name);
        }
        return shown;
    }
    int value(int port, int id) const { return fake()->value(nsSID::otnSid(port, id))->getEnum(); }

    const int direction;
    std::unique_ptr<OtnSetupPage> page;
};
} // namespace

class tst_OtnSignalSetupPage : public QObject
{
    Q_OBJECT
private slots:
    void moduleButtons_data();
    void moduleButtons();
    void followsServerPortAndRebuild_data();
    void followsServerPortAndRebuild();
    void laneButtonAndDialog_data();
    void laneButtonAndDialog();
    void laneMappingRoundTrip();
};

void tst_OtnSignalSetupPage::moduleButtons_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("active");
    QTest::addColumn<QStringList>("shown");
    // One active value at a time: the two directions order the values differently.
    for (int direction : {Tx, Rx}) {
        for (int value = 0; value < moduleButtonNames[direction].size(); ++value) {
            QTest::addRow("%s, value %d", direction == Tx ? "Tx" : "Rx", value)
                << direction << -1 << QList<int>{value} << QStringList{moduleButtonNames[direction].at(value)};
        }
    }
    QTest::newRow("Tx, CFP family") << Tx << 7 << QList<int>{2, 3, 4} << QStringList{"pbCfp", "pbCfp2", "pbCfp4"};
    QTest::newRow("Tx, values without a button are skipped") << Tx << 9 << QList<int>{1, 8, 9} << QStringList{"pbQsfpp"};
}

void tst_OtnSignalSetupPage::moduleButtons()
{
    QFETCH(int, direction);
    QFETCH(int, maximum);
    QFETCH(QList<int>, active);
    QFETCH(QStringList, shown);
    PageServer server(direction);
    server.setModules(1, active.value(0, 0), active, maximum);
    server.open();
    QCOMPARE(server.shownModules(), shown);
    if (shown.isEmpty())
        return;
    auto *first = server.page->findChild<QPushButton *>(shown.first());
    QVERIFY(first->isChecked());

    // Pressing a button writes its value.
    const int value = moduleButtonNames[direction].indexOf(shown.first());
    server.setModules(1, value == 0 ? 1 : 0, range(moduleButtonNames[direction].size()));
    QTRY_VERIFY(!first->isChecked());
    QCOMPARE(server.shownModules(), moduleButtonNames[direction]);
    first->click();
    QTRY_COMPARE(server.value(1, moduleTypeIds[direction]), value);
}

void tst_OtnSignalSetupPage::followsServerPortAndRebuild_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("Tx") << Tx;
    QTest::newRow("Rx") << Rx;
}

void tst_OtnSignalSetupPage::followsServerPortAndRebuild()
{
    QFETCH(int, direction);
    const QStringList &b = moduleButtonNames[direction];
    PageServer server(direction);
    server.setModules(1, 1, {1, 2});
    server.setModules(2, 3, {3});
    OtnSetupPage *page = server.open();
    QCOMPARE(server.shownModules(), (QStringList{b[1], b[2]}));
    // Another kind of module type, or another id, changes nothing; the Tx page says so for the former.
    DiagnosticsRecorder recorder;
    page->qcmaParameterChanged(QcmaParameterUInt(nsSID::otnSid(1, moduleTypeIds[direction]), 4, 0, 8));
    page->qcmaParameterChanged(*std::unique_ptr<QcmaParameterEnum>(enumParameter(nsSID::otnSid(1, 12006), 4, 8, {4})));
    QCOMPARE(server.shownModules(), (QStringList{b[1], b[2]}));
    QCOMPARE(recorder.lines().size(), direction == Rx ? 0 : 1);
    server.setModules(1, 0, {0, 4});
    QTRY_COMPARE(server.shownModules(), (QStringList{b[0], b[4]}));

    page->setPort(2);
    QCOMPARE(page->findChild<PhysicalStatusMiniWidget *>()->port(), 2);
    if (direction == Tx) {
        QCOMPARE(page->findChild<ClockConfigurationWidget *>()->port(), 2);
        QCOMPARE(page->findChild<OutputSignalSetupWidget *>()->port(), 2);
    }
    QCOMPARE(server.shownModules(), QStringList{b[3]});
    // Port 1 no longer reaches the page.
    server.setModules(1, 5, {5});
    server.setModules(2, 6, {6});
    QTRY_COMPARE(server.shownModules(), QStringList{b[6]});

    // Rebuilt bindings replace the old ones and report to the page.
    page->reinitialize();
    QCOMPARE(page->uiHelperList()->count(), helperCount[direction]);
    server.setModules(2, 7, {2, 7});
    QTRY_COMPARE(server.shownModules(), (QStringList{b[2], b[7]}));
    if (direction == Tx) {
        page->findChild<QPushButton *>("pbThrough")->click();
        QTRY_COMPARE(server.value(2, portMode), 2);
        QCOMPARE(server.value(1, portMode), 1);
    }
}

void tst_OtnSignalSetupPage::laneButtonAndDialog_data()
{
    QTest::addColumn<int>("lanes");
    QTest::addColumn<bool>("lanesDefined");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("mode");   // -1: nothing opens
    QTest::newRow("no lanes: nothing opens") << 0 << false << false << false << -1;
    // Shown and enabled with a defined mapping: the round trip below.
    QTest::newRow("20 lanes, mapping not defined") << 20 << false << true << false << 2;
}

void tst_OtnSignalSetupPage::laneButtonAndDialog()
{
    QFETCH(int, lanes);
    QFETCH(bool, lanesDefined);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(int, mode);
    QVERIFY2(interfaceWithLanes(lanes) >= 0, "no interface with that many logical lanes");
    PageServer server(Tx, lanes, lanesDefined);
    auto *page = static_cast<OtnSignalSetupPageTx *>(server.open());
    auto *button = page->findChild<QPushButton *>("pbMultiLane");
    QCOMPARE(page->laneCount(), lanes);
    QCOMPARE(!button->isHidden(), visible);
    QCOMPARE(button->isEnabled(), enabled);

    page->setPort(2);
    int runs = 0;
    QList<int> seen;   // mode, port, group, count id, lane ids
    ScopedDialogHandler handler(server.dialogRunner(), [&](QDialog *dialog) {
        ++runs;
        if (auto *d = qobject_cast<MultiLaneMappingDialog *>(dialog))
            seen = QList<int>{d->mode(), d->port(), d->group(), d->model()->countId()} + d->model()->laneIds();
        return 0;
    });
    QVERIFY(QMetaObject::invokeMethod(page, "multiLaneClicked"));
    QCOMPARE(runs, mode < 0 ? 0 : 1);
    QList<int> expected;
    if (mode >= 0)
        expected = {mode, 2, nsSID::otn, 11165};
    for (int lane = 0; mode >= 0 && lane < lanes; ++lane)
        expected.append(firstLane + lane);
    QCOMPARE(seen, expected);
}

void tst_OtnSignalSetupPage::laneMappingRoundTrip()
{
    // A port with a four-lane module on the simulated tester, switched to the 20-lane interface.
    SimulatorOptions options = TesterFixture::testOptions();
    options.moduleTypes = {4, 0, 0, 0};
    TesterFixture fixture(options);
    OtnSignalSetupPageTx page(InterfaceSetupIdentifier(34, 1, 1, 5), fixture.manager(), 1);
    page.initializePage();
    page.show();
    auto *button = page.findChild<QPushButton *>("pbMultiLane");
    QVERIFY(button->isHidden());
    QVERIFY(fixture.writeAndWait(1, interfaceSignal, interfaceWithLanes(20)));
    QVERIFY(!button->isHidden());
    QVERIFY(button->isEnabled());

    int runs = 0;
    ScopedDialogHandler handler(fixture.dialogRunner(), [&runs](QDialog *dialog) {
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

QTEST_MAIN(tst_OtnSignalSetupPage)
#include "tst_otnsignalsetuppage.moc"
