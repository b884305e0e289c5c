#include <memory>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/pages/status/otnstatuserrorpage.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/pages/physicalstatus.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/portstatusitem.h"
#include "tests/support/factorypage.h"

namespace {

constexpr int pageId = 38;   // the alarms and errors; 37 is the physical values
constexpr int laneLevel = OtnStatusErrorPage::laneLevel;

QPushButton *levelButton(const QWidget &page, int level)
{
    const QString name = level == laneLevel ? QStringLiteral("pbLevelLane") : QStringLiteral("pbLevel%1").arg(level + 1);
    return page.findChild<QPushButton *>(name);
}

// The names on the level buttons the page offers, in the order they stand in the row.
QStringList offeredLevelsInRow(const QWidget &page)
{
    QStringList names;
    const auto *row = page.findChild<QHBoxLayout *>(QStringLiteral("hLayoutLevel"));
    for (int i = 0; row && i < row->count(); ++i) {
        const QWidget *button = row->itemAt(i)->widget();
        if (button && button->isVisibleTo(&page))
            names.append(button->findChild<QLabel *>()->text());
    }
    return names;
}

bool follows(const TesterFixture &tester, int id, int port = 1)
{
    return tester.manager()->observerCount(nsSID::otnSid(port, id)) > 0;
}

// The LED of the status cell whose name is the parameter's name.
PortStatusItem *cellLed(const QWidget &page, const TesterFixture &tester, int id, int port = 1)
{
    const QString name = tester.manager()->texts().getSidName(nsSID::otnSid(port, id), 0);
    for (QTableWidget *table : page.findChildren<QTableWidget *>()) {
        if (!table->isVisibleTo(&page))
            continue;
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const QWidget *cell = table->cellWidget(row, column);
                const auto *label = cell ? cell->findChild<QLabel *>() : nullptr;
                if (label && label->text() == name)
                    return cell->findChild<PortStatusItem *>();
            }
        }
    }
    return nullptr;
}

// Lanes whose number and both powers are shown.
int visibleLanes(const QWidget &page)
{
    int lanes = 0;
    for (int lane = 1; lane <= PhysicalStatus::maxLanes; ++lane) {
        bool shown = true;
        for (const char *name : {"lblRxPower%1", "lblTxPower%1", "lblLane%1"}) {
            const auto *label = page.findChild<QLabel *>(QString::fromLatin1(name).arg(lane));
            shown = shown && label && label->isVisibleTo(&page);
        }
        lanes += shown ? 1 : 0;
    }
    return lanes;
}

} // namespace

class tst_OtnStatusPages : public QObject
{
    Q_OBJECT
private slots:
    void countersOfALevel_data();
    void countersOfALevel();
    void levelButtonsFollowTheReceivedStructure_data();
    void levelButtonsFollowTheReceivedStructure();
    void levelSwitchRebindsOnlyTheChosenLevel();
    void receivedTraceMismatchShowsAsTimThenHistory();
    void portChangeFollowsTheOtherPort();
    void showsTheTransceiverOfItsPort();
    void lanesFollowTheModule_data();
    void lanesFollowTheModule();
};

void tst_OtnStatusPages::countersOfALevel_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("followed");

    using namespace nsIID::Otn;
    // Payload counters: the innermost level only, and only for their mapping.
    QTest::newRow("GFP-F frame errors, innermost ODUflex") << "otu4-oduflex-gfpf" << 1 << 1168 << true;
    QTest::newRow("GFP-F frame errors, GFP-T mapping") << "otu2-odu0" << 1 << 1168 << false;
    QTest::newRow("bit errors, bulk in the innermost ODU0") << "otu4-odu2-odu0" << 2 << 1174 << true;
    // A level's own path counters.
    QTest::newRow("PM-TIM of the third level") << "otu4-odu2-odu0" << 2 << Alarm::PM_TIM[2] << true;
    // Lane counters: the multi-lane level of a multi-lane signal only.
    QTest::newRow("LLD-LOF, multi-lane") << "otl4.4" << laneLevel << 401 << true;
    QTest::newRow("LLD-LOF, single lane") << "otu4-odu2-odu0" << 0 << 401 << false;
}

void tst_OtnStatusPages::countersOfALevel()
{
    QFETCH(QString, structure);
    QFETCH(int, level);
    QFETCH(int, id);
    QFETCH(bool, followed);

    TesterFixture tester(TesterFixture::structureOptions(structure));
    const auto page = shownFactoryPage<OtnStatusErrorPage>(tester, pageId, QSize(1024, 700));
    QVERIFY(page);
    if (level != 0) {
        QPushButton *button = levelButton(*page, level);
        QVERIFY2(button && button->isVisibleTo(page.get()), "the level has no button");
        button->click();
    }
    QCOMPARE(page->currentLevel(), level);
    QCOMPARE(follows(tester, id), followed);
    QCOMPARE(cellLed(*page, tester, id) != nullptr, followed);
}

void tst_OtnStatusPages::levelButtonsFollowTheReceivedStructure_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<QStringList>("levels");

    QTest::newRow("one level: no buttons") << "otu2-bulk" << QStringList{};
    QTest::newRow("four levels") << "otu3-odu2-odu1-odu0" << QStringList{"OTU3/ODU3", "ODU2", "ODU1", "ODU0"};
    QTest::newRow("multi-lane first") << "otl4.4" << QStringList{"Multi-Lane", "OTU4/ODU4"};
}

void tst_OtnStatusPages::levelButtonsFollowTheReceivedStructure()
{
    QFETCH(QString, structure);
    QFETCH(QStringList, levels);

    TesterFixture tester(TesterFixture::structureOptions(structure));
    const auto page = shownFactoryPage<OtnStatusErrorPage>(tester, pageId, QSize(1024, 700));
    QVERIFY(page);
    QCOMPARE(offeredLevelsInRow(*page), levels);
    QCOMPARE(page->currentLevel(), 0);
    if (!levels.isEmpty())
        QVERIFY(levelButton(*page, 0)->isChecked());
}

void tst_OtnStatusPages::levelSwitchRebindsOnlyTheChosenLevel()
{
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    const auto page = shownFactoryPage<OtnStatusErrorPage>(tester, pageId, QSize(1024, 700));
    QVERIFY(page);
    const QList<int> level0Sids = tester.manager()->observedSids();
    const int level0Leds = page->findChildren<PortStatusItem *>().size();
    QVERIFY(follows(tester, PID::Otn::STATUS::LOS));

    levelButton(*page, 1)->click();
    QVERIFY(!follows(tester, PID::Otn::STATUS::LOS));
    QVERIFY(!follows(tester, nsIID::Otn::Alarm::PM_TIM[0]));
    QVERIFY(follows(tester, nsIID::Otn::Alarm::PM_TIM[1]));
    QVERIFY(!follows(tester, nsIID::Otn::Alarm::PM_TIM[2]));
    // Every level's summary stays followed on its button.
    for (int level = 0; level < 3; ++level)
        QVERIFY(follows(tester, nsIID::Otn::Alarm::SUM_ERRALARM[level]));

    levelButton(*page, 0)->click();
    QCOMPARE(tester.manager()->observedSids(), level0Sids);
    // The cells of the level left go with their bindings.
    QTRY_COMPARE(page->findChildren<PortStatusItem *>().size(), level0Leds);
}

void tst_OtnStatusPages::receivedTraceMismatchShowsAsTimThenHistory()
{
    using namespace PID::Otn;
    const int smTim = 113;
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    const auto page = shownFactoryPage<OtnStatusErrorPage>(tester, pageId, QSize(1024, 700));
    QVERIFY(page);
    PortStatusItem *led = cellLed(*page, tester, smTim);
    QVERIFY(led);
    PortStatusItem *lineLed = levelButton(*page, 0)->findChild<PortStatusItem *>();
    QCOMPARE(led->state(), PortStatusItem::Ok);
    QCOMPARE(lineLed->state(), PortStatusItem::Ok);

    const QByteArray sent = tester.cached(1, TX::OTU_SM_TTI_SAPI)->getByteArray();
    QByteArray other = sent;
    other[1] = 'X';
    QVERIFY(tester.writeAndWait(1, RX::SM_TTI_DETECTION, 1));
    QVERIFY(tester.writeAndWait(1, RX::SM_EXPECTED_SAPI, other));
    QTRY_COMPARE(led->state(), PortStatusItem::Alarm);
    QCOMPARE(lineLed->state(), PortStatusItem::Alarm);

    QVERIFY(tester.writeAndWait(1, RX::SM_EXPECTED_SAPI, sent));
    QTRY_COMPARE(led->state(), PortStatusItem::History);
    QCOMPARE(lineLed->state(), PortStatusItem::History);
}

void tst_OtnStatusPages::portChangeFollowsTheOtherPort()
{
    SimulatorOptions options = TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0"));
    options.portCount = 2;
    options.moduleTypes = {options.moduleTypes.first(), options.moduleTypes.first()};
    TesterFixture tester(options);
    // Port 2 carries one level less and a trace its receiver does not expect.
    QVERIFY(tester.writeAndWait(2, PID::Otn::RX::SM_TTI_DETECTION, 1));
    QVERIFY(tester.writeAndWait(2, PID::Otn::RX::SM_EXPECTED_SAPI, QByteArray("\0ANOTHER SITE  ", 16)));
    QVERIFY(tester.writeAndWait(2, PID::Otn::TX::MAPPING[3], 0));
    QVERIFY(tester.writeAndWait(2, PID::Otn::RX::MAPPING[3], 0));
    const auto page = shownFactoryPage<OtnStatusErrorPage>(tester, pageId, QSize(1024, 700));
    QVERIFY(page);
    levelButton(*page, 2)->click();
    QCOMPARE(page->currentLevel(), 2);

    page->setPort(2);
    QCOMPARE(offeredLevelsInRow(*page), (QStringList{"OTU4/ODU4", "ODU2"}));
    QCOMPARE(page->currentLevel(), 0);
    QVERIFY(!follows(tester, PID::Otn::STATUS::LOS, 1));
    QVERIFY(follows(tester, PID::Otn::STATUS::LOS, 2));
    PortStatusItem *led = cellLed(*page, tester, PID::Otn::STATUS::SM_TIM, 2);
    QVERIFY(led);
    QCOMPARE(led->state(), PortStatusItem::Alarm);
}

void tst_OtnStatusPages::showsTheTransceiverOfItsPort()
{
    TesterFixture tester(2);
    QVERIFY(tester.writeAndWait(1, PID::Otn::PHYSICAL::MODULE_WAVELENGTH, 1550.12));
    QVERIFY(tester.writeAndWait(2, PID::Otn::PHYSICAL::MODULE_WAVELENGTH, 850.0));
    QVERIFY(tester.writeAndWait(2, PID::Otn::TX::MODULE, 6));
    const auto page = shownFactoryPage<PhysicalStatus>(tester, 70);
    QVERIFY(page);
    QCOMPARE(labelText(*page, "lblTransceiverValue"), QStringLiteral("SFP/SFP+"));
    QCOMPARE(labelText(*page, "lblWavelengthValue"), QStringLiteral("1550.12"));
    QCOMPARE(visibleLanes(*page), 1);
    QVERIFY(tester.writeAndWait(1, PID::Otn::PHYSICAL::RX_POWER_LANE1, -7.5));
    QCOMPARE(labelText(*page, "lblRxPower1"), QStringLiteral("-7.50"));

    page->setPort(2);
    QCOMPARE(labelText(*page, "lblWavelengthValue"), QStringLiteral("850.00"));
    QCOMPARE(labelText(*page, "lblTransceiverValue"), QStringLiteral("CXP"));
    QCOMPARE(visibleLanes(*page), 4);
}

void tst_OtnStatusPages::lanesFollowTheModule_data()
{
    QTest::addColumn<int>("moduleType");
    QTest::addColumn<int>("lanes");
    // The row name is the module's name on the page.
    QTest::newRow("CFP") << 2 << 1;
    QTest::newRow("CFP2") << 3 << 4;
}

void tst_OtnStatusPages::lanesFollowTheModule()
{
    QFETCH(int, moduleType);
    QFETCH(int, lanes);

    // Following a module change made on the tester; the module a port starts with is shown above.
    TesterFixture tester(1);
    const auto changing = shownFactoryPage<PhysicalStatus>(tester, 70);
    QVERIFY(changing);
    QCOMPARE(visibleLanes(*changing), 1);
    QVERIFY(tester.write(1, PID::Otn::TX::MODULE, moduleType));
    QTRY_COMPARE(labelText(*changing, "lblTransceiverValue"), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(visibleLanes(*changing), lanes);
}

QTEST_MAIN(tst_OtnStatusPages)
#include "tst_otnstatuspages.moc"
