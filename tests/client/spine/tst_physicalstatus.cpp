#include <memory>

#include <QLabel>
#include <QtTest>

#include "client/otn/interface_setup_status/otnsetuppagefactory.h"
#include "host/otn/otnpid.h"
#include "host/pages/physicalstatus.h"
#include "tests/support/factorypage.h"

namespace {

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

class tst_PhysicalStatus : public QObject
{
    Q_OBJECT
private slots:
    void showsTheTransceiverOfItsPort();
    void lanesFollowTheModule_data();
    void lanesFollowTheModule();
};

void tst_PhysicalStatus::showsTheTransceiverOfItsPort()
{
    TesterFixture tester(2);
    QVERIFY(tester.writeAndWait(1, PID::Otn::PHYSICAL::MODULE_WAVELENGTH, 1550.12));
    QVERIFY(tester.writeAndWait(2, PID::Otn::PHYSICAL::MODULE_WAVELENGTH, 850.0));
    QVERIFY(tester.writeAndWait(2, PID::Otn::TX::MODULE, 6));
    const auto page = shownFactoryPage<PhysicalStatus>(tester, 70);
    QVERIFY(page);
    QCOMPARE(labelText(*page, "lblTransceiverValue"), QStringLiteral("SFP/SFP+"));
    QCOMPARE(labelText(*page, "lblTransceiver"), QStringLiteral("Tx Module"));
    QCOMPARE(labelText(*page, "lblWavelengthValue"), QStringLiteral("1550.12"));
    QCOMPARE(labelText(*page, "lblWavelengthUnit"), QStringLiteral("nm"));
    QCOMPARE(labelText(*page, "lblRxUnit1"), QStringLiteral("dBm"));
    QCOMPARE(visibleLanes(*page), 1);
    QVERIFY(tester.writeAndWait(1, PID::Otn::PHYSICAL::RX_POWER_LANE1, -7.5));
    QCOMPARE(labelText(*page, "lblRxPower1"), QStringLiteral("-7.50"));
    QVERIFY(tester.writeAndWait(1, PID::Otn::PHYSICAL::TX_POWER_LANE1, 1.25));
    QCOMPARE(labelText(*page, "lblTxPower1"), QStringLiteral("1.25"));

    page->setPort(2);
    QCOMPARE(page->port(), 2);
    QCOMPARE(labelText(*page, "lblWavelengthValue"), QStringLiteral("850.00"));
    QCOMPARE(labelText(*page, "lblTransceiverValue"), QStringLiteral("CXP"));
    QCOMPARE(visibleLanes(*page), 4);
}

void tst_PhysicalStatus::lanesFollowTheModule_data()
{
    QTest::addColumn<int>("moduleType");
    QTest::addColumn<int>("lanes");
    // The row name is the module's name on the page.
    QTest::newRow("SFP/SFP+") << 0 << 1;
    QTest::newRow("CFP") << 2 << 1;
    QTest::newRow("CFP2") << 3 << 4;
    QTest::newRow("CXP") << 6 << 4;
    QTest::newRow("QSFP28") << 7 << 1;
}

void tst_PhysicalStatus::lanesFollowTheModule()
{
    QFETCH(int, moduleType);
    QFETCH(int, lanes);

    // Built for the module the port starts with.
    SimulatorOptions options = TesterFixture::testOptions(1);
    options.moduleTypes = {moduleType, 0, 0, 0};
    TesterFixture equipped(options);
    const auto page = shownFactoryPage<PhysicalStatus>(equipped, 70);
    QVERIFY(page);
    QCOMPARE(visibleLanes(*page), lanes);

    // Following a module change made on the tester.
    TesterFixture tester(1);
    const auto changing = shownFactoryPage<PhysicalStatus>(tester, 70);
    QVERIFY(changing);
    QCOMPARE(visibleLanes(*changing), 1);
    QVERIFY(tester.write(1, PID::Otn::TX::MODULE, moduleType));
    QTRY_COMPARE(labelText(*changing, "lblTransceiverValue"), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(visibleLanes(*changing), lanes);
}

QTEST_MAIN(tst_PhysicalStatus)
#include "tst_physicalstatus.moc"
