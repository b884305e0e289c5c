#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/pages/status/tributaryscan/otntesttscandetaildialog.h"
#include "client/otn/interface_setup_status/pages/status/tributaryscan/otntesttscanpage.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "simulator/poweronstructure.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

namespace {

constexpr int port = 1;

// Received structures by the values of 12006 to 12009.
struct Structure {
    int interfaceSignal, client, stage0, stage1;
};
const Structure otu2Bulk{1, 0, 0, 0};
const Structure otu4Odu0{3, 1, 14, 0};        // 80 ODU0
const Structure otu2Odu1Odu0{1, 0, 3, 1};     // 4 ODU1, 2 ODU0 in each
const Structure otu4OduFlex{3, 30, 22, 0};    // an ODUflex: no tributaries to walk

// A button press of the scan: level (0-2) and channel.
using Press = QPair<int, int>;
using Presses = QList<Press>;
using Words = QMap<int, quint32>;

struct Colour {
    int level;
    int channel;
    QColor colour;   // invalid = never coloured
};
using Colours = QList<Colour>;

const QColor lime(Qt::green);
const QColor red(Qt::red);
const QColor grey(105, 105, 105);

// The colour a channel button is drawn with, as its style gives it; invalid when the button keeps the
// colour of an uncoloured one or was never made.
QColor shownColour(QPushButton *button)
{
    if (!button)
        return QColor();
    button->ensurePolished();
    const QColor colour = button->palette().color(QPalette::Button);
    QPushButton plain(button->parentWidget());
    plain.ensurePolished();
    return colour == plain.palette().color(QPalette::Button) ? QColor() : colour;
}

// A scan page on the simulated tester whose received structure and running state the test sets as the
// tester's notifications would.
class ScanPage
{
public:
    explicit ScanPage(const Structure &structure)
        : page(InterfaceSetupIdentifier(40, 0, 0, 0), tester.manager(), 1)
    {
        page.initializePage();
        receive(12006, structure.interfaceSignal);
        receive(12007, structure.client);
        receive(12008, structure.stage0);
        receive(12009, structure.stage1);
    }

    void receive(int id, int value)
    {
        QcmaParameterEnum parameter(nsSID::otnSid(port, id), value, 0, 100);
        page.qcmaParameterChanged(parameter);
    }
    void setRunning(int value)
    {
        QcmaParameterInt parameter(nsSID::otnSid(port, PID::Otn::SCAN::RUNNING), value, 0, 1);
        page.qcmaParameterChanged(parameter);
    }
    void press(int level, int channel) { button(level, channel)->click(); }
    void deliver(const Words &words)
    {
        IntervalDataOtnTributaryScan data(nsSID::otnSid(port, 7101), currentIntervalSelector);
        for (auto it = words.cbegin(); it != words.cend(); ++it)
            data.words[it.key()] = it.value();
        page.intervalDataChanged(data);
    }
    QPushButton *button(int level, int channel) const
    {
        return page.findChild<QPushButton *>(QStringLiteral("pbLevel%1Channel%2").arg(level + 1).arg(channel));
    }
    uint testerValue(int id) const { return tester.link()->value(nsSID::otnSid(port, id))->getUInt(); }

    TesterFixture tester{1};
    OtnTestTScanPage page;
};

} // namespace

Q_DECLARE_METATYPE(Structure)
Q_DECLARE_METATYPE(Colours)

class tst_OtnTestTScanPage : public QObject
{
    Q_OBJECT
private slots:
    void rowsFollowTheStructure_data();
    void rowsFollowTheStructure();
    void colouring_data();
    void colouring();
    void descendingWritesTheSelection();
    void scanOnTheSimulatedTester();
};

void tst_OtnTestTScanPage::rowsFollowTheStructure_data()
{
    QTest::addColumn<Structure>("structure");
    QTest::addColumn<QString>("lineLabel");
    QTest::addColumn<int>("firstLevel");    // channels laid out on the first level
    QTest::addColumn<int>("secondLevel");

    QTest::newRow("OTU4 with 80 ODU0") << otu4Odu0 << "OTU4/ODU4" << 80 << 0;
    QTest::newRow("ODU1s carrying ODU0s") << otu2Odu1Odu0 << "OTU2/ODU2" << 4 << 2;
    QTest::newRow("ODUflex: nothing below the line") << otu4OduFlex << "OTU4/ODU4" << 0 << 0;
}

void tst_OtnTestTScanPage::rowsFollowTheStructure()
{
    QFETCH(Structure, structure);
    QFETCH(QString, lineLabel);
    QFETCH(int, firstLevel);
    QFETCH(int, secondLevel);
    ScanPage scan(structure);
    QCOMPARE(scan.page.findChild<QLabel *>("lblLevel1")->text(), lineLabel);
    const auto laidOut = [&scan](int level) {
        const auto *grid = scan.page.findChild<QGridLayout *>(QStringLiteral("gLayoutLevel%1").arg(level + 1));
        int count = 0;
        for (int channel = 1; channel <= OtnTScanLevels::maxChannels[level]; ++channel)
            count += grid->indexOf(scan.button(level, channel)) >= 0 ? 1 : 0;
        return count;
    };
    QCOMPARE(laidOut(0), 1);
    QCOMPARE(laidOut(1), firstLevel);
    QCOMPARE(laidOut(2), secondLevel);
    if (firstLevel > 0)
        QCOMPARE(scan.button(1, 1)->text(), QStringLiteral("#1"));
    // Stopped, no row shows; running, the line row does.
    QVERIFY(!scan.button(0, 1)->isVisibleTo(&scan.page));
    scan.setRunning(1);
    QVERIFY(scan.button(0, 1)->isVisibleTo(&scan.page));
    QCOMPARE(scan.page.depth(), 1);
}

void tst_OtnTestTScanPage::colouring_data()
{
    QTest::addColumn<Structure>("structure");
    QTest::addColumn<Presses>("presses");
    QTest::addColumn<Words>("words");
    QTest::addColumn<Colours>("colours");

    QTest::newRow("line alarm") << otu2Bulk << Presses{} << Words{{0, 0x4000}} << Colours{{0, 1, red}};
    QTest::newRow("line clear") << otu2Bulk << Presses{} << Words{{5, 0x0040}} << Colours{{0, 1, lime}};
    QTest::newRow("first level: the tributaries' own words")
        << otu4Odu0 << Presses{{0, 1}} << Words{{5, 0x0040}, {80, 0x0020}}
        << Colours{{0, 1, lime}, {1, 4, lime}, {1, 5, red}, {1, 6, lime}, {1, 80, red}};
    QTest::newRow("first level: the chosen tributary alone keeps its colour")
        << otu2Odu1Odu0 << Presses{{0, 1}, {1, 3}} << Words{{2, 0x0020}, {3, 0x0080}}
        << Colours{{1, 2, grey}, {1, 3, red}, {1, 4, grey}};
    QTest::newRow("second level: the words after the first level's")
        << otu2Odu1Odu0 << Presses{{0, 1}, {1, 3}} << Words{{82, 0x0004}}
        << Colours{{1, 3, lime}, {2, 1, lime}, {2, 2, red}};
    QTest::newRow("ODUflex: below the line nothing is coloured")
        << otu4OduFlex << Presses{{0, 1}} << Words{{1, 0x0040}} << Colours{{0, 1, lime}, {1, 1, QColor()}};
}

void tst_OtnTestTScanPage::colouring()
{
    QFETCH(Structure, structure);
    QFETCH(Presses, presses);
    QFETCH(Words, words);
    QFETCH(Colours, colours);
    ScanPage scan(structure);
    scan.setRunning(1);
    for (const Press &press : presses)
        scan.press(press.first, press.second);
    scan.deliver(words);
    for (const Colour &colour : colours) {
        const QColor shown = shownColour(scan.button(colour.level, colour.channel));
        QVERIFY2(shown == colour.colour, qPrintable(QStringLiteral("level %1 #%2: %3").arg(colour.level)
                                                        .arg(colour.channel).arg(shown.name())));
    }
}

void tst_OtnTestTScanPage::descendingWritesTheSelection()
{
    ScanPage scan(otu2Odu1Odu0);
    scan.setRunning(1);
    QVERIFY(scan.tester.settle());
    const int before = scan.tester.link()->writeRequests();
    scan.press(0, 1);
    QVERIFY(scan.tester.settle());
    QCOMPARE(scan.testerValue(16002), 1u);
    QCOMPARE(scan.testerValue(16003), 0u);
    QCOMPARE(scan.page.depth(), 2);

    scan.press(1, 3);
    QVERIFY(scan.tester.settle());
    // One request for the tributary and the level below it.
    QCOMPARE(scan.tester.link()->writeRequests(), before + 2);
    QCOMPARE(scan.testerValue(16003), 3u);
    QCOMPARE(scan.testerValue(16004), 0u);
    QCOMPARE(scan.page.selectedChannel(1), 3);
    QVERIFY(scan.button(2, 2)->isVisibleTo(&scan.page));

    // The second level is as deep as the scan goes: its press narrows nothing.
    scan.press(2, 1);
    QCOMPARE(scan.tester.link()->writeRequests(), before + 2);
    QCOMPARE(scan.page.selectedChannel(2), 0);
}

void tst_OtnTestTScanPage::scanOnTheSimulatedTester()
{
    // 80 ODU0 of which only the first is equipped.
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu0")));
    IntervalPoller poller(tester.manager());
    OtnTestTScanPage page(InterfaceSetupIdentifier(40, 0, 0, 0), tester.manager(), 1);
    page.initializePage();
    page.show();
    const auto button = [&page](int level, int channel) {
        return page.findChild<QPushButton *>(QStringLiteral("pbLevel%1Channel%2").arg(level + 1).arg(channel));
    };

    page.findChild<QPushButton *>("pbStartStop")->click();
    QTRY_VERIFY(page.isRunning());
    QCOMPARE(tester.cached(1, PID::Otn::SCAN::RUNNING)->getInt(), 1);
    button(0, 1)->click();
    QTRY_COMPARE(tester.cached(1, PID::Otn::SCAN::FIRST_MAIN_TP)->getUInt(), 1u);
    // The host asks once per interval for what the page follows.
    QVERIFY(poller.poll() > 0);
    QTRY_COMPARE(shownColour(button(1, 2)), red);
    QCOMPARE(shownColour(button(1, 80)), red);

    QStringList alarms;
    ScopedDialogHandler handler(tester.dialogRunner(), [&alarms](QDialog *dialog) {
        alarms << qobject_cast<OtnTestTScanDetailDialog *>(dialog)->alarmsText();
        return 0;
    });
    page.findChild<QPushButton *>("pbDetail")->click();
    button(1, 2)->click();
    QCOMPARE(alarms, QStringList{"ODU-OCI"});
}

QTEST_MAIN(tst_OtnTestTScanPage)
#include "tst_otntesttscanpage.moc"
