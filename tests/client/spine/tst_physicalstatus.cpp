#include <memory>

#include <QLabel>
#include <QtTest>

#include "client/otn/interface_setup_status/otnsetuppagefactory.h"
#include "host/pages/physicalstatus.h"
#include "tests/support/simulatorfixture.h"

namespace {

// The transceiver status page as the OTN factory builds it, started and shown on port 1.
std::unique_ptr<PhysicalStatus> shownPage(SimulatorFixture &tester)
{
    OtnSetupPageFactory factory;
    std::unique_ptr<Page> page(factory.createPage(InterfaceSetupIdentifier(70, 0, 0, 5), tester.manager()));
    auto *physical = qobject_cast<PhysicalStatus *>(page.get());
    if (!physical)
        return nullptr;
    page.release();
    physical->initializePage();
    physical->show();
    return std::unique_ptr<PhysicalStatus>(physical);
}

QString textOf(const QWidget &page, const char *name)
{
    const auto *label = page.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

int visibleLanes(const QWidget &page)
{
    int lanes = 0;
    for (int lane = 1; lane <= PhysicalStatus::maxLanes; ++lane) {
        const auto *rx = page.findChild<QLabel *>(QStringLiteral("lblRxPower%1").arg(lane));
        const auto *tx = page.findChild<QLabel *>(QStringLiteral("lblTxPower%1").arg(lane));
        const auto *number = page.findChild<QLabel *>(QStringLiteral("lblLane%1").arg(lane));
        if (rx && tx && number && rx->isVisibleTo(&page) && tx->isVisibleTo(&page) && number->isVisibleTo(&page))
            ++lanes;
    }
    return lanes;
}

} // namespace

class tst_PhysicalStatus : public QObject
{
    Q_OBJECT
private slots:
    void showsTheTransceiver();
    void lanesFollowTheModule_data();
    void lanesFollowTheModule();
    void portChangeRebinds();
};

void tst_PhysicalStatus::showsTheTransceiver()
{
    SimulatorFixture tester(2);
    QVERIFY(tester.writeAndWait(1, PhysicalStatus::WavelengthId, 1550.12));
    const auto page = shownPage(tester);
    QVERIFY(page);
    QCOMPARE(textOf(*page, "lblTransceiverValue"), QStringLiteral("SFP/SFP+"));
    QCOMPARE(textOf(*page, "lblTransceiver"), QStringLiteral("Tx Module"));
    QCOMPARE(textOf(*page, "lblWavelengthValue"), QStringLiteral("1550.12"));
    QCOMPARE(textOf(*page, "lblWavelengthUnit"), QStringLiteral("nm"));
    QCOMPARE(textOf(*page, "lblRxUnit1"), QStringLiteral("dBm"));
    QVERIFY(tester.writeAndWait(1, PhysicalStatus::RxPowerLane1Id, -7.5));
    QCOMPARE(textOf(*page, "lblRxPower1"), QStringLiteral("-7.50"));
    QVERIFY(tester.writeAndWait(1, PhysicalStatus::TxPowerLane1Id, 1.25));
    QCOMPARE(textOf(*page, "lblTxPower1"), QStringLiteral("1.25"));
}

void tst_PhysicalStatus::lanesFollowTheModule_data()
{
    QTest::addColumn<int>("moduleType");
    QTest::addColumn<int>("lanes");
    QTest::addColumn<QString>("name");
    QTest::newRow("SFP/SFP+") << 0 << 1 << "SFP/SFP+";
    QTest::newRow("QSFP+") << 1 << 1 << "QSFP+";
    QTest::newRow("CFP") << 2 << 1 << "CFP";
    QTest::newRow("CFP2") << 3 << 4 << "CFP2";
    QTest::newRow("CFP4") << 4 << 4 << "CFP4";
    QTest::newRow("QSFP28 Adpt.") << 5 << 1 << "QSFP28 Adpt.";
    QTest::newRow("CXP") << 6 << 4 << "CXP";
    QTest::newRow("QSFP28") << 7 << 1 << "QSFP28";
}

void tst_PhysicalStatus::lanesFollowTheModule()
{
    QFETCH(int, moduleType);
    QFETCH(int, lanes);
    QFETCH(QString, name);

    // Built for the module the port starts with.
    SimulatorOptions options = SimulatorFixture::quietOptions(1);
    options.moduleTypes = {moduleType, 0, 0, 0};
    SimulatorFixture equipped(options);
    const auto page = shownPage(equipped);
    QVERIFY(page);
    QCOMPARE(visibleLanes(*page), lanes);

    // Following a module change made on the tester.
    SimulatorFixture tester(1);
    const auto changing = shownPage(tester);
    QVERIFY(changing);
    QCOMPARE(visibleLanes(*changing), 1);
    QVERIFY(tester.write(1, PhysicalStatus::ModuleTypeId, moduleType));
    QTRY_COMPARE(textOf(*changing, "lblTransceiverValue"), name);
    QCOMPARE(visibleLanes(*changing), lanes);
}

void tst_PhysicalStatus::portChangeRebinds()
{
    SimulatorFixture tester(2);
    QVERIFY(tester.writeAndWait(2, PhysicalStatus::WavelengthId, 850.0));
    QVERIFY(tester.writeAndWait(2, PhysicalStatus::ModuleTypeId, 6));
    const auto page = shownPage(tester);
    QVERIFY(page);
    QCOMPARE(textOf(*page, "lblWavelengthValue"), QStringLiteral("1310.00"));
    QCOMPARE(visibleLanes(*page), 1);
    page->setPort(2);
    QCOMPARE(page->port(), 2);
    QCOMPARE(textOf(*page, "lblWavelengthValue"), QStringLiteral("850.00"));
    QCOMPARE(textOf(*page, "lblTransceiverValue"), QStringLiteral("CXP"));
    QCOMPARE(visibleLanes(*page), 4);
}

QTEST_MAIN(tst_PhysicalStatus)
#include "tst_physicalstatus.moc"
