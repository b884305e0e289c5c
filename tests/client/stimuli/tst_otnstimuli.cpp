#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/stimuli/otnstimuliwidgeterror.h"
#include "client/otn/stimuli/otnstimuliwidgetfec.h"
#include "client/otn/stimuli/otnstimuliwidgetfrequency.h"
#include "client/otn/stimuli/otnstimuliwidgetgfp.h"
#include "client/otn/stimuli/otnstimuliwidgetgmp.h"
#include "client/otn/stimuli/otnstimuliwidgetjustification.h"
#include "client/otn/stimuli/otnstimuliwidgetllderror.h"
#include "client/otn/stimuli/otnstimuliwidgetlldskew.h"
#include "client/otn/stimuli/otnstimuliwidgetotn.h"
#include "client/otn/stimuli/otnstimulicontrol.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "host/widgets/multilanewidget.h"
#include "simulator/poweronstructure.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn;
using namespace PID::Otn::STIMULI;
using Items = QList<int>;
using Blocks = QList<bool>;
// (id, value) pairs the panel is told, in order.
using Settings = QList<QPair<int, int>>;

namespace {

QStringList entries(const QComboBox *combo)
{
    QStringList texts;
    for (int index = 0; index < combo->count(); ++index)
        texts << combo->itemText(index);
    return texts;
}

Items offered(const QWidget &panel)
{
    const auto *combo = panel.findChild<QComboBox *>("cmbItem");
    Items values;
    for (int index = 0; index < combo->count(); ++index)
        values << combo->itemData(index).toInt();
    return values;
}

// The named labels, combo boxes and buttons a user would see with the panel, sorted; lane toggles left out.
QStringList visibleControls(const QWidget *panel)
{
    QStringList names;
    for (const QWidget *widget : panel->findChildren<QWidget *>()) {
        const bool control = qobject_cast<const QLabel *>(widget) || qobject_cast<const QComboBox *>(widget)
                             || qobject_cast<const QAbstractButton *>(widget);
        const QString name = widget->objectName();
        if (control && !name.isEmpty() && !name.startsWith(QLatin1String("pbLane")) && widget->isVisibleTo(panel))
            names << name;
    }
    names.sort();
    return names;
}

bool exposed(QWidget &panel)
{
    panel.show();
    return QTest::qWaitForWindowExposed(&panel);
}

QList<int> observedOn(const zelServerManager *manager, int port)
{
    QList<int> sids;
    for (int sid : manager->observedSids()) {
        if (nsSID::portOf(sid) == port && nsSID::groupOf(sid) == nsSID::otn)
            sids.append(sid);
    }
    return sids;
}

} // namespace

// Every stimuli panel of the OTN client on the simulated tester: what it offers and shows per structure
// and per setting, and what it tells the stimuli area it inserts.
class TestOtnStimuli : public QObject
{
    Q_OBJECT

private slots:
    void registrationAppendsPortPanels_data();
    void registrationAppendsPortPanels();
    void controlsFollowSettings_data();
    void controlsFollowSettings();
    void levelTexts_data();
    void levelTexts();
    void errorItemsFollowConfiguration_data();
    void errorItemsFollowConfiguration();
    void errorSelectorsFollowStructure();
    void errorInsertionText_data();
    void errorInsertionText();
    void frequencyCmBlocksAndValues_data();
    void frequencyCmBlocksAndValues();
    void lldLanesFollowTheApplication_data();
    void lldLanesFollowTheApplication();
    void skewNanoseconds();
    void otnCategoryAndPort();
};

void TestOtnStimuli::registrationAppendsPortPanels_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("moduleType");
    QTest::addColumn<QStringList>("panels");   // by SID id 15, 16, 17, then 19 on a multi-lane module
    const QStringList singleLane{"OtnStimuliWidgetOtn", "OtnStimuliWidgetJustification", "OtnStimuliWidgetFrequency"};
    QTest::newRow("port 1, single lane") << 1 << 0 << singleLane;
    QTest::newRow("port 2, multi-lane") << 2 << 4 << singleLane + QStringList{"OtnStimuliWidgetLldSkew"};
}

void TestOtnStimuli::registrationAppendsPortPanels()
{
    QFETCH(int, port);
    QFETCH(int, moduleType);
    QFETCH(QStringList, panels);
    SimulatorOptions options = TesterFixture::testOptions(2);
    options.moduleTypes = {moduleType, moduleType, 0, 0};
    TesterFixture tester(options);
    QList<OtnStimuliControl::Item> items;
    const OtnStimuliControl::Item earlier{nsSID::build(port, 0x050000, 1), nullptr};
    items.append(earlier);
    DiagnosticsRecorder log;
    OtnStimuliControl::registerStimuli(tester.manager(), port, items);
    QVERIFY(!items.isEmpty());
    QCOMPARE(items.takeFirst().sid, earlier.sid);
    // Every panel of the port, in registration order, under the port's OTN SID.
    const QList<int> ids{15, 16, 17, 19};
    QStringList made;
    for (int index = 0; index < items.size(); ++index) {
        QCOMPARE(items.at(index).sid, nsSID::otnSid(port, ids.value(index)));
        std::unique_ptr<StimuliWidget> panel(items.at(index).widget);
        made << (panel ? QString::fromLatin1(panel->metaObject()->className()) : QString());
    }
    QCOMPARE(made, panels);
    QCOMPARE(log.lines(), QStringList());
}

void TestOtnStimuli::controlsFollowSettings_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<bool>("throughTester");   // else told directly, with values a newer tester may send
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("FEC symbol errors, at a rate")
        << "fec" << Settings{{FEC_ITEM, 1}} << true
        << QStringList{"cmbItem", "lblItem", "cmbMode", "lblMode", "cmbRate", "lblRate", "pbRate", "rbOff", "rbOn"};
    // Header errors count bits.
    QTest::newRow("GFP cHEC uncorrectable, burst")
        << "gfp" << Settings{{GFP_ITEM, 2}, {GFP_MODE, 1}} << false
        << QStringList{"cmbInsertionMode", "cmbItem", "lblInsertionMode", "lblItem", "lblError", "pbError",
                       "lblErrorLength", "pbErrorLength"};
    // The insertion first: the page it picks must hold when the type shows the insertion settings.
    const QStringList lld{"cmbType", "lblType"};
    const QStringList inserting = lld + QStringList{"cmbErrorInsertion", "lblErrorInsertion", "lblLldErrorLane"};
    QTest::newRow("LLD none: the type selector alone")
        << "lld" << Settings{{LLD_INSERTION, 0}, {LLD_TYPE, 0}} << false << lld;
    QTest::newRow("LLD error, alternate")
        << "lld" << Settings{{LLD_INSERTION, 1}, {LLD_TYPE, 2}} << false
        << inserting
               + QStringList{"cmbErrorDestination", "lblErrorDestination", "lblErrorFrame", "lblNormalFrame",
                             "pbErrorFrame", "pbNormalFrame"};
    QTest::newRow("LLD alarm, an insertion of a newer tester")
        << "lld" << Settings{{LLD_INSERTION, 5}, {LLD_TYPE, 1}} << false
        << inserting + QStringList{"cmbAlarmDestination", "lblAlarmDestination"};
}

void TestOtnStimuli::controlsFollowSettings()
{
    QFETCH(QString, panel);
    QFETCH(Settings, settings);
    QFETCH(bool, throughTester);
    QFETCH(QStringList, shown);
    TesterFixture tester;
    const ClientInfo client{1, tester.manager()};
    std::unique_ptr<OtnStimuliWidget> widget;
    if (panel == "fec")
        widget = std::make_unique<OtnStimuliWidgetFec>(client);
    else if (panel == "gfp")
        widget = std::make_unique<OtnStimuliWidgetGfp>(client);
    else
        widget = std::make_unique<OtnStimuliWidgetLldError>(client);
    // Hidden, as a category page the user has not chosen: the settings are followed all the same.
    for (const auto &setting : settings) {
        if (throughTester)
            QVERIFY(tester.writeAndWait(1, setting.first, setting.second));
        else
            widget->qcmaParameterChanged(QcmaParameterEnum(nsSID::otnSid(1, setting.first), setting.second, 0, 7));
    }
    shown.sort();
    QCOMPARE(visibleControls(widget.get()), shown);
}

void TestOtnStimuli::levelTexts_data()
{
    QTest::addColumn<bool>("gmp");
    QTest::addColumn<QString>("structure");
    QTest::addColumn<QStringList>("texts");
    // GMP: named after the server ODU of each GMP stage; a test pattern fills the OPU bit-synchronously.
    // ODU2 into ODTU4.8 and ODU0 into ODTU2.1 by GMP; the test pattern in the OPU0 is not.
    QTest::newRow("GMP, OTU4 > ODU2 > ODU0") << true << "otu4-odu2-odu0" << QStringList{"ODU4", "ODU2", "", ""};
    // ODTU23, ODTU12 and ODTU01 are AMP; only the STM-1 goes into the OPU0 by GMP.
    QTest::newRow("GMP, four levels") << true << "otu3-odu2-odu1-odu0" << QStringList{"", "", "", "ODU0"};
    // Justification: every level's payload, named after its OPU.
    QTest::newRow("justification, OTU4 > ODUflex")
        << false << "otu4-oduflex-gfpf" << QStringList{"OPU4", "OPUflex", "", ""};
}

void TestOtnStimuli::levelTexts()
{
    QFETCH(bool, gmp);
    QFETCH(QString, structure);
    QFETCH(QStringList, texts);
    const auto mapping = PowerOnStructure::find(structure)->mapping();
    QCOMPARE(gmp ? OtnStimuliWidgetGmp::levelTexts(mapping) : OtnStimuliWidgetJustification::levelTexts(mapping),
             texts);
    if (gmp) {
        TesterFixture tester;
        QCOMPARE(OtnStimuliWidgetGmp(ClientInfo{1, tester.manager()}).title(WidgetText()), QStringLiteral("GMP"));
    }
}

void TestOtnStimuli::errorItemsFollowConfiguration_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("changedId");
    QTest::addColumn<int>("changedValue");
    QTest::addColumn<int>("expectedItem");
    QTest::addColumn<Items>("expectedOffered");
    const QString bulk = QStringLiteral("otu4-odu2-odu0");
    const QString stm1 = QStringLiteral("otu3-odu2-odu1-odu0");
    // Through mode leaves only the alarms acting on the whole signal.
    QTest::newRow("LOF invalid in through mode") << bulk << 1 << int(TX::PORT_MODE) << 2 << 2 << Items{2, 22};
    // OPU-CSF belongs to the level carrying the client; an upper level replaces it by its first alarm.
    QTest::newRow("CSF on an upper level") << stm1 << 21 << int(LEVEL) << 1 << 3 << Items{};
    // Errors: a PM error is replaced by the first offered error.
    QTest::newRow("PM-BIP8 invalid in through mode") << bulk << 54 << int(TX::PORT_MODE) << 2 << 64 << Items{64};
}

void TestOtnStimuli::errorItemsFollowConfiguration()
{
    QFETCH(QString, structure);
    QFETCH(int, item);
    QFETCH(int, changedId);
    QFETCH(int, changedValue);
    QFETCH(int, expectedItem);
    QFETCH(Items, expectedOffered);
    TesterFixture tester(TesterFixture::structureOptions(structure));
    OtnStimuliWidgetError panel(ClientInfo{1, tester.manager()});
    QVERIFY(exposed(panel));
    QVERIFY(tester.writeAndWait(1, ITEM, item));
    QVERIFY(tester.settle());
    QVERIFY(offered(panel).contains(item));
    QVERIFY(tester.writeAndWait(1, changedId, changedValue));
    QVERIFY(tester.settle());
    QCOMPARE(tester.cached(1, ITEM)->getInt(), expectedItem);
    QCOMPARE(panel.findChild<QComboBox *>("cmbItem")->currentData().toInt(), expectedItem);
    if (!expectedOffered.isEmpty())
        QCOMPARE(offered(panel), expectedOffered);
}

void TestOtnStimuli::errorSelectorsFollowStructure()
{
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    OtnStimuliWidgetError panel(ClientInfo{1, tester.manager()});
    QVERIFY(exposed(panel));
    QVERIFY(tester.writeAndWait(1, ITEM, 9));
    const auto *level = panel.findChild<QComboBox *>("cmbLevel");
    const auto *item = panel.findChild<QComboBox *>("cmbItem");
    QCOMPARE(entries(level), QStringList{"OTU2/ODU2"});
    // An ODU1 multiplexed into the ODU2: a second level named after it.
    QVERIFY(tester.writeAndWait(1, TX::MAPPING[2], nsSettings::Otn::MUX_ODU1_ODU2_PT21));
    QVERIFY(tester.settle());
    QCOMPARE(entries(level), (QStringList{"OTU2/ODU2", "ODU1"}));
    // The section TIM has no place on the ODU1: the first alarm offered there replaces it.
    QVERIFY(tester.writeAndWait(1, LEVEL, 1));
    QVERIFY(tester.settle());
    QCOMPARE(tester.cached(1, ITEM)->getInt(), 3);
    QCOMPARE(item->currentData().toInt(), 3);
}

void TestOtnStimuli::errorInsertionText_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("burst");
    QTest::addColumn<QString>("text");
    QTest::newRow("one frame") << 10 << 1 << QStringLiteral("ODU-AIS on OTU4/ODU4, Burst of 1 frame");
    QTest::newRow("frames") << 10 << 5 << QStringLiteral("ODU-AIS on OTU4/ODU4, Burst of 5 frames");
}

void TestOtnStimuli::errorInsertionText()
{
    QFETCH(int, item);
    QFETCH(int, burst);
    QFETCH(QString, text);
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    OtnStimuliWidgetError panel(ClientInfo{1, tester.manager()});
    QVERIFY(exposed(panel));
    QVERIFY(tester.writeAndWait(1, ITEM, item));
    QVERIFY(tester.writeAndWait(1, BURST, burst));
    QVERIFY(tester.writeAndWait(1, MODE, 1));
    QCOMPARE(panel.insertionText(), text);
}

void TestOtnStimuli::frequencyCmBlocksAndValues_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("levels");
    QTest::addColumn<Blocks>("blocks");
    QTest::addColumn<QStringList>("cm");   // Cm of the second level, nominal and at +10 ppm
    // ODU0 in ODTU2.1: 15 168 words nominal, M = 1 so no CnD; the offset moves Cm by 15 168 x ppm x 1e-6.
    QTest::newRow("OTU4 > ODU2 > ODU0") << "otu4-odu2-odu0" << 2 << Blocks{true, true, false, false}
                                        << QStringList{"15168.0000", "15168.1517"};
    QTest::newRow("OTU3 > ODU2 > ODU1 > ODU0") << "otu3-odu2-odu1-odu0" << 4 << Blocks{false, false, false, true}
                                               << QStringList{};
}

void TestOtnStimuli::frequencyCmBlocksAndValues()
{
    QFETCH(QString, structure);
    QFETCH(int, levels);
    QFETCH(Blocks, blocks);
    QFETCH(QStringList, cm);
    TesterFixture tester(TesterFixture::structureOptions(structure));
    OtnStimuliWidgetFrequency panel(ClientInfo{1, tester.manager()});
    QVERIFY(exposed(panel));
    QCOMPARE(panel.levelCount(), levels);
    Blocks shown;
    for (int level = 1; level <= 4; ++level)
        shown << panel.findChild<QFrame *>(QStringLiteral("framePLevel%1_2").arg(level))->isVisibleTo(&panel);
    QCOMPARE(shown, blocks);
    if (cm.isEmpty())
        return;
    const auto *label = panel.findChild<QLabel *>("lblCmValue2");
    QCOMPARE(label->text(), cm.at(0));
    QVERIFY(tester.writeAndWait(1, PAYLOAD_OFFSET[1], 10.0));
    QCOMPARE(label->text(), cm.at(1));
    QCOMPARE(panel.findChild<QLabel *>("lblCnDValue2")->text(), QStringLiteral("0.0000"));
}

void TestOtnStimuli::lldLanesFollowTheApplication_data()
{
    QTest::addColumn<int>("application");
    QTest::addColumn<QString>("firstText");
    QTest::newRow("bit 0x1000 set among others: bare toggles") << 0x3001 << "";
    QTest::newRow("bit 0x1000 clear among others: numbered") << 0xefff << "1";
}

void TestOtnStimuli::lldLanesFollowTheApplication()
{
    QFETCH(int, application);
    QFETCH(QString, firstText);
    // OTL4.4: twenty logical lanes.
    SimulatorOptions options = TesterFixture::structureOptions(QStringLiteral("otl4.4"));
    options.applicationType = application;
    TesterFixture tester(options);
    OtnStimuliWidgetLldError panel(ClientInfo{1, tester.manager()});
    QVERIFY(exposed(panel));
    const auto *lanes = panel.findChild<MultiLaneWidget *>();
    QVERIFY(lanes);
    QCOMPARE(lanes->laneCount(), 20);
    QCOMPARE(lanes->laneButton(0)->text(), firstText);
}


void TestOtnStimuli::skewNanoseconds()
{
    const double laneRateKbps = 255.0 / 227 * 99532800 / 20;   // OTL4.4: the OTU4 rate over twenty lanes
    SimulatorOptions options = TesterFixture::testOptions(1);
    options.moduleTypes = {3};
    TesterFixture tester(options);
    const int txInterface = TX::MAPPING[0];
    QVERIFY(tester.writeAndWait(1, txInterface, SimTest::valueNamed(tester, txInterface, QStringLiteral("OTL4.4"))));
    OtnStimuliWidgetLldSkew panel(ClientInfo{1, tester.manager()});
    panel.setId(nsSID::otnSid(1, LANE_SKEW_PANEL));
    QVERIFY(exposed(panel));
    QVERIFY(tester.writeAndWait(1, SKEW_BITS, 1000u));
    const QString text = panel.findChild<QLabel *>(QStringLiteral("lblSkewNs"))->text();
    QVERIFY2(qAbs(text.toDouble() - 1000 * 1e6 / laneRateKbps) < 0.001, qPrintable(text));
    // The lane type picks the lane selector.
    for (int physical : {1, 0}) {
        QVERIFY(tester.writeAndWait(1, SKEW_LANE_TYPE, physical));
        QCOMPARE(panel.findChild<QWidget *>("wgtInsertionLane")->isVisibleTo(&panel), !physical);
        QCOMPARE(panel.findChild<QWidget *>("wgtInsertionLanePhysical")->isVisibleTo(&panel), bool(physical));
    }
}

// The category page follows the tester; a port change moves the panel and every page to the other port.
void TestOtnStimuli::otnCategoryAndPort()
{
    TesterFixture tester;
    OtnStimuliWidgetOtn panel(ClientInfo{1, tester.manager()});
    QVERIFY(exposed(panel));
    QCOMPARE(panel.currentPanel(), panel.categoryPanel(0));
    QVERIFY(tester.writeAndWait(1, CATEGORY, 3));
    QCOMPARE(panel.currentPanel(), panel.categoryPanel(3));
    // A category this client has no panel for keeps the page.
    panel.qcmaParameterChanged(QcmaParameterEnum(nsSID::otnSid(1, CATEGORY), 7, 0, 7));
    QCOMPARE(panel.currentPanel(), panel.categoryPanel(3));

    QVERIFY(observedOn(tester.manager(), 1).contains(nsSID::otnSid(1, CATEGORY)));
    panel.setPort(2);
    QVERIFY(observedOn(tester.manager(), 1).isEmpty());
    QVERIFY(observedOn(tester.manager(), 2).contains(nsSID::otnSid(2, CATEGORY)));
    for (int key = 0; key < 5; ++key)
        QCOMPARE(panel.categoryPanel(key)->port(), 2);
    // A port the tester cannot have is reported and leaves the panel where it is.
    panel.setPort(5);
    QCOMPARE(panel.port(), 2);
    QVERIFY(observedOn(tester.manager(), 2).contains(nsSID::otnSid(2, CATEGORY)));
}

QTEST_MAIN(TestOtnStimuli)
#include "tst_otnstimuli.moc"
