#include <QFrame>
#include <QLabel>
#include <QtTest>

#include "client/otn/stimuli/otnstimuliwidgetfrequency.h"
#include "host/otn/otnpid.h"
#include "tests/support/testerfixture.h"

using Blocks = QList<bool>;

class TestOtnStimuliWidgetFrequency : public QObject
{
    Q_OBJECT

private slots:
    void cmBlocksForGmpLevelsOnly_data();
    void cmBlocksForGmpLevelsOnly();
    void payloadOffsetMovesCm_data();
    void payloadOffsetMovesCm();
};

void TestOtnStimuliWidgetFrequency::cmBlocksForGmpLevelsOnly_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("levels");
    QTest::addColumn<Blocks>("blocks");
    // ODU2 by GMP into the OTU4's ODTU4.8, ODU0 by GMP into ODTU2.1.
    QTest::newRow("OTU4 > ODU2 > ODU0") << "otu4-odu2-odu0" << 2 << Blocks{true, true, false, false};
    // Three AMP stages; only the STM-1 client is GMP-mapped, into the ODU0.
    QTest::newRow("OTU3 > ODU2 > ODU1 > ODU0") << "otu3-odu2-odu1-odu0" << 4 << Blocks{false, false, false, true};
}

void TestOtnStimuliWidgetFrequency::cmBlocksForGmpLevelsOnly()
{
    QFETCH(QString, structure);
    QFETCH(int, levels);
    QFETCH(Blocks, blocks);
    TesterFixture tester(TesterFixture::structureOptions(structure));
    OtnStimuliWidgetFrequency panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(panel.levelCount(), levels);
    Blocks shown;
    for (int level = 1; level <= 4; ++level)
        shown << panel.findChild<QFrame *>(QStringLiteral("framePLevel%1_2").arg(level))->isVisibleTo(&panel);
    QCOMPARE(shown, blocks);
}

void TestOtnStimuliWidgetFrequency::payloadOffsetMovesCm_data()
{
    QTest::addColumn<double>("ppm");
    QTest::addColumn<QString>("cm");
    // ODU0 in ODTU2.1: 15 168 words nominal, M = 1 so no CnD; the offset moves Cm by 15 168 x ppm x 1e-6.
    QTest::newRow("+10 ppm") << 10.0 << "15168.1517";
    QTest::newRow("-20 ppm") << -20.0 << "15167.6966";
}

void TestOtnStimuliWidgetFrequency::payloadOffsetMovesCm()
{
    QFETCH(double, ppm);
    QFETCH(QString, cm);
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    OtnStimuliWidgetFrequency panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(panel.findChild<QLabel *>("lblCmValue2")->text(), QStringLiteral("15168.0000"));
    QVERIFY(tester.writeAndWait(1, PID::Otn::STIMULI::PAYLOAD_OFFSET[1], ppm));
    QCOMPARE(panel.findChild<QLabel *>("lblCmValue2")->text(), cm);
    QCOMPARE(panel.findChild<QLabel *>("lblCnDValue2")->text(), QStringLiteral("0.0000"));
}

QTEST_MAIN(TestOtnStimuliWidgetFrequency)
#include "tst_otnstimuliwidgetfrequency.moc"
