#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

using namespace nsSettings::Otn;
using namespace SimTest;
using namespace PID::Otn;

namespace {

const int txInterface = TX::MAPPING[0];
const int txClient = TX::MAPPING[1];
const int txStage0 = TX::MAPPING[2];
const int txStage1 = TX::MAPPING[3];
const int txStage2 = TX::MAPPING[4];
const int rxInterface = RX::MAPPING[0];
const int rxStage0 = RX::MAPPING[2];

QByteArray ascending(int count, int step, int first = 1)
{
    QByteArray b;
    for (int i = 0; i < count; ++i)
        b.append(char(quint8(first + i * step)));
    return b;
}

// Sets the Tx interface by name and the stage-0 multiplex kind, port 1; false when refused.
bool setTxStructure(TesterFixture &f, const QString &interfaceName, int stage0, int port = 1)
{
    const int iface = valueNamed(f, txInterface, interfaceName);
    return iface >= 0 && f.writeAndWait(port, txInterface, iface) && f.writeAndWait(port, txStage0, stage0);
}

} // namespace

Q_DECLARE_METATYPE(QSharedPointer<QcmaParameter>)

class tst_StructureRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QSharedPointer<QcmaParameter>>(); }
    void interfaceOffersG709Stages_data();
    void interfaceOffersG709Stages();
    void stageSizesSlotParameters_data();
    void stageSizesSlotParameters();
    void missingStageMakesItsParametersUndefined_data();
    void missingStageMakesItsParametersUndefined();
    void clientRestrictsStages();
    void oduFlexTsCountSizesTributaryPorts();
    void mainTsWritesMustNameDistinctSlotsOfTheStage_data();
    void mainTsWritesMustNameDistinctSlotsOfTheStage();
    void payloadTypeFollowsStructureChanges();
    void receiverStageAndExpectedMsi();
};

void tst_StructureRules::interfaceOffersG709Stages_data()
{
    QTest::addColumn<QString>("interfaceName");
    QTest::addColumn<QVector<int>>("stages");

    // Which lower-order ODUs an OTUk's OPU can carry (G.709 multiplexing), plus "no multiplexing".
    QTest::newRow("OTU1") << "OTU1" << QVector<int>{MUX_NONE, MUX_ODU0_ODU1};
    QTest::newRow("OTU2") << "OTU2"
                          << QVector<int>{MUX_NONE, MUX_ODU0_ODU2, MUX_ODU1_ODU2_PT20, MUX_ODU1_ODU2_PT21,
                                          MUX_ODUFLEX_ODU2};
    QTest::newRow("OTU3") << "OTU3"
                          << QVector<int>{MUX_NONE, MUX_ODU1_ODU3_PT20, MUX_ODU1_ODU3_PT21, MUX_ODU2_ODU3_PT20,
                                          MUX_ODU2_ODU3_PT21, MUX_ODU2E_ODU3, MUX_ODU0_ODU3, MUX_ODUFLEX_ODU3};
    QTest::newRow("OTU4") << "OTU4"
                          << QVector<int>{MUX_NONE, MUX_ODU0_ODU4, MUX_ODU1_ODU4, MUX_ODU2_ODU4, MUX_ODU2E_ODU4,
                                          MUX_ODU3_ODU4, MUX_ODUFLEX_ODU4};
}

void tst_StructureRules::interfaceOffersG709Stages()
{
    QFETCH(QString, interfaceName);
    QFETCH(QVector<int>, stages);

    TesterFixture f;
    const int iface = valueNamed(f, txInterface, interfaceName);
    QVERIFY2(iface >= 0, qPrintable(interfaceName));
    QVERIFY(f.writeAndWait(1, txInterface, iface));
    QCOMPARE(f.cached(1, txClient)->getEnum(), valueNamed(f, txClient, QStringLiteral("Bulk")));
    QCOMPARE(activeOf(f.cached(1, txStage0)), stages);
    // The receiver is set on its own.
    QVERIFY(f.writeAndWait(1, rxInterface, iface));
    QCOMPARE(activeOf(f.cached(1, rxStage0)), stages);
}

// The tester sizes and defines a stage's slot parameters by its multiplex; the figures of every kind are
// the structure rules' suite's subject.
void tst_StructureRules::stageSizesSlotParameters_data()
{
    QTest::addColumn<QString>("interfaceName");
    QTest::addColumn<int>("stage0");
    QTest::addColumn<uint>("tpCount");
    QTest::addColumn<QByteArray>("mainTs");
    QTest::addColumn<int>("allocatedTs");

    QTest::newRow("ODU0 in ODU1") << "OTU1" << int(MUX_ODU0_ODU1) << 2u << ascending(2, 1) << 0;
    QTest::newRow("ODU1 in ODU2, 1.25G TS") << "OTU2" << int(MUX_ODU1_ODU2_PT21) << 4u << ascending(4, 2) << 8;
    QTest::newRow("ODU2 in ODU3, 1.25G TS") << "OTU3" << int(MUX_ODU2_ODU3_PT21) << 4u << ascending(4, 8) << 32;
    QTest::newRow("ODU3 in ODU4") << "OTU4" << int(MUX_ODU3_ODU4) << 2u << bytes({1, 32}) << 80;
    QTest::newRow("ODU0 in ODU4") << "OTU4" << int(MUX_ODU0_ODU4) << 80u << ascending(80, 1) << 80;
}

void tst_StructureRules::stageSizesSlotParameters()
{
    QFETCH(QString, interfaceName);
    QFETCH(int, stage0);
    QFETCH(uint, tpCount);
    QFETCH(QByteArray, mainTs);
    QFETCH(int, allocatedTs);

    TesterFixture f;
    QVERIFY(setTxStructure(f, interfaceName, stage0));
    QCOMPARE(f.cached(1, txStage0)->getEnum(), stage0);

    const auto *mainTp = static_cast<const QcmaParameterUInt *>(f.cached(1, TX::MAIN_TP[0]));
    QVERIFY(mainTp->isDefined());
    QCOMPARE(mainTp->maximum(), tpCount);
    QCOMPARE(mainTp->getUInt(), 1u);
    const auto *ts = static_cast<const QcmaParameterByteArray *>(f.cached(1, TX::MAIN_TS[0]));
    QVERIFY(ts->isDefined());
    QCOMPARE(ts->fixedLength(), int(tpCount));
    QCOMPARE(ts->getByteArray(), mainTs);
    const QcmaParameter *alloc = f.cached(1, TX::ALLOC[0]);
    QCOMPARE(alloc->isDefined(), allocatedTs > 0);
    if (allocatedTs > 0) {
        // One bit per TS open to allocation, all alike: every TS starts allocated.
        const QBitArray bits = alloc->getBitArray();
        QCOMPARE(bits.size(), allocatedTs);
        QVERIFY(bits.count(true) == 0 || bits.count(true) == allocatedTs);
    }
    QVERIFY(f.cached(1, TX::TX_COPY[0])->isDefined());

    // The main TP is limited to the stage's tributary ports.
    QVERIFY(f.writeAndWait(1, TX::MAIN_TP[0], tpCount));
    QVERIFY(!f.writeAndWait(1, TX::MAIN_TP[0], tpCount + 1));
    QCOMPARE(f.cached(1, TX::MAIN_TP[0])->getUInt(), tpCount);
}

void tst_StructureRules::missingStageMakesItsParametersUndefined_data()
{
    QTest::addColumn<int>("stage0");
    QTest::addColumn<int>("stages");
    QTest::newRow("no multiplexing") << int(MUX_NONE) << 0;
    QTest::newRow("one stage") << int(MUX_ODU1_ODU2_PT21) << 1;
}

// A stage's parameters, the next stage's multiplex kind and the ODU level's overhead exist only
// when the stage does; a write to a parameter of a missing stage is refused.
void tst_StructureRules::missingStageMakesItsParametersUndefined()
{
    QFETCH(int, stage0);
    QFETCH(int, stages);

    TesterFixture f;
    QVERIFY(setTxStructure(f, QStringLiteral("OTU2"), stage0));
    for (int stage = 0; stage < 3; ++stage) {
        QCOMPARE(f.cached(1, TX::MAIN_TP[stage])->isDefined(), stage < stages);
        QCOMPARE(f.cached(1, TX::MAIN_TS[stage])->isDefined(), stage < stages);
        QCOMPARE(f.cached(1, TX::TX_COPY[stage])->isDefined(), stage < stages);
        QCOMPARE(f.cached(1, TX::ODU_FAS[stage])->isDefined(), stage <= stages);
    }
    QCOMPARE(f.cached(1, txStage1)->isDefined(), stages >= 1);
    QVERIFY(!f.cached(1, txStage2)->isDefined());
    QVERIFY(!f.writeAndWait(1, TX::MAIN_TP[stages], 1u));
}

void tst_StructureRules::clientRestrictsStages()
{
    TesterFixture f;
    QVERIFY(setTxStructure(f, QStringLiteral("OTU4"), MUX_NONE));
    const int gigE = valueNamed(f, txClient, QStringLiteral("1GbE (GFP-T)"));
    QVERIFY(gigE >= 0);
    QVERIFY(activeOf(f.cached(1, txClient)).contains(gigE));
    QVERIFY(f.writeAndWait(1, txClient, gigE));
    // 1GbE travels in an ODU0: the line ODU4 must be multiplexed towards one.
    const QVector<int> stages = activeOf(f.cached(1, txStage0));
    QVERIFY(!stages.contains(MUX_NONE));
    QVERIFY(stages.contains(MUX_ODU0_ODU4));
    QVERIFY(!stages.contains(MUX_ODUFLEX_ODU4));
    // The stage that no longer fits gives way to the first one offered.
    QCOMPARE(f.cached(1, txStage0)->getEnum(), stages.first());
    QVERIFY(f.writeAndWait(1, txStage0, MUX_ODU0_ODU4));
    QCOMPARE(f.cached(1, txStage1)->getEnum(), 0);
    QCOMPARE(activeOf(f.cached(1, txStage1)), QVector<int>({0}));
}

void tst_StructureRules::oduFlexTsCountSizesTributaryPorts()
{
    TesterFixture f;
    QVERIFY(setTxStructure(f, QStringLiteral("OTU2"), MUX_ODUFLEX_ODU2));
    const auto *count = static_cast<const QcmaParameterUInt *>(f.cached(1, TX::NUMBER_OF_TS[0]));
    QVERIFY(count->isDefined());
    QCOMPARE(count->maximum(), 8u);
    QCOMPARE(f.cached(1, TX::MAIN_TS[0])->getByteArray(), ascending(8, 1));

    QVERIFY(f.writeAndWait(1, TX::NUMBER_OF_TS[0], 2u));
    QCOMPARE(f.cached(1, TX::MAIN_TS[0])->getByteArray(), ascending(4, 2));
    QCOMPARE(static_cast<const QcmaParameterUInt *>(f.cached(1, TX::MAIN_TP[0]))->maximum(), 4u);
    QVERIFY(!f.writeAndWait(1, TX::NUMBER_OF_TS[0], 9u));

    QVERIFY(f.writeAndWait(1, txStage0, MUX_ODU0_ODU2));
    QVERIFY(!f.cached(1, TX::NUMBER_OF_TS[0])->isDefined());
}

void tst_StructureRules::mainTsWritesMustNameDistinctSlotsOfTheStage_data()
{
    QTest::addColumn<QByteArray>("mainTs");
    QTest::addColumn<QString>("reason");

    QTest::newRow("any distinct slots") << bytes({8, 2, 5, 3}) << QString();
    QTest::newRow("slot twice") << bytes({1, 3, 3, 7}) << "TS 3 named twice";
    QTest::newRow("slot beyond the stage") << bytes({1, 3, 5, 9}) << "TS 9 outside 1..8";
    QTest::newRow("slot 0") << bytes({0, 3, 5, 7}) << "TS 0 outside 1..8";
    QTest::newRow("one slot short") << bytes({1, 3, 5}) << "byte length 3, expected 4";
}

void tst_StructureRules::mainTsWritesMustNameDistinctSlotsOfTheStage()
{
    QFETCH(QByteArray, mainTs);
    QFETCH(QString, reason);

    TesterFixture f;
    QVERIFY(setTxStructure(f, QStringLiteral("OTU2"), MUX_ODU1_ODU2_PT21));
    const QByteArray before = f.cached(1, TX::MAIN_TS[0])->getByteArray();
    const int sid = nsSID::otnSid(1, TX::MAIN_TS[0]);
    if (!reason.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(refusedLine(sid, reason)));
    QcmaParameterByteArray candidate(sid, mainTs);
    f.manager()->SetQcmaParameter(&candidate);
    QVERIFY(f.settle());
    QCOMPARE(f.cached(1, TX::MAIN_TS[0])->getByteArray(), reason.isEmpty() ? mainTs : before);
}

void tst_StructureRules::payloadTypeFollowsStructureChanges()
{
    TesterFixture f;
    const int pt0 = TX::OPU_PAYLOAD_TYPE[0];
    QVERIFY(setTxStructure(f, QStringLiteral("OTU2"), MUX_NONE));
    QCOMPARE(f.cached(1, pt0)->getByteArray(), bytes({0xFE}));
    QVERIFY(f.writeAndWait(1, pt0, bytes({0x83})));
    QVERIFY(f.writeAndWait(1, TX::ODU_FAS[0], bytes({0xF6, 0xF6, 0xF6, 0x28, 0x28, 0x00})));
    QCOMPARE(f.cached(1, pt0)->getByteArray(), bytes({0x83}));

    QVERIFY(f.writeAndWait(1, txStage0, MUX_ODU1_ODU2_PT21));
    QCOMPARE(f.cached(1, pt0)->getByteArray(), bytes({0x21}));
    QCOMPARE(f.cached(1, TX::OPU_PAYLOAD_TYPE[1])->getByteArray(), bytes({0xFE}));
    QVERIFY(f.writeAndWait(1, txStage0, MUX_ODU1_ODU2_PT20));
    QCOMPARE(f.cached(1, pt0)->getByteArray(), bytes({0x20}));
}

void tst_StructureRules::receiverStageAndExpectedMsi()
{
    TesterFixture f;
    QVERIFY(setTxStructure(f, QStringLiteral("OTU2"), MUX_ODU0_ODU2));
    const int reference = MEASUREMENT::MSIM_REFERENCE_DATA[0];
    QVERIFY(!f.cached(1, reference)->isDefined());
    QVERIFY(!f.cached(1, RX::DET_MODE[0])->isDefined());
    QVERIFY(!f.cached(1, RX::PM_EXPECTED_SAPI[1])->isDefined());

    QVERIFY(f.writeAndWait(1, rxInterface, valueNamed(f, rxInterface, QStringLiteral("OTU2"))));
    QVERIFY(f.writeAndWait(1, rxStage0, MUX_ODU0_ODU2));
    QVERIFY(f.cached(1, RX::DET_MODE[0])->isDefined());
    // The ODU0 the receiver now expects has a path trace to expect; no level below it has.
    QVERIFY(f.cached(1, RX::PM_EXPECTED_DAPI[1])->isDefined());
    QVERIFY(!f.cached(1, RX::PM_EXPECTED_SAPI[2])->isDefined());
    QVERIFY(f.cached(1, MEASUREMENT::MSIM_DETECTION[0])->isDefined());
    QCOMPARE(f.cached(1, RX::MAIN_TS[0])->getByteArray(), ascending(8, 1));
    // OPU2 PT 21: bits 1-2 = 10 (ODTU2.ts), bits 3-8 = tributary port - 1.
    QCOMPARE(f.cached(1, reference)->getByteArray(), ascending(8, 1, 0x80));

    // Moving the main TS of the transmitter moves the ports in the expected MSI.
    QVERIFY(f.writeAndWait(1, TX::MAIN_TS[0], bytes({2, 1, 3, 4, 5, 6, 7, 8})));
    QCOMPARE(f.cached(1, reference)->getByteArray(), bytes({0x81, 0x80, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87}));
    // A TS taken out of the allocation is unallocated: 11, port 0.
    QBitArray allocated = f.cached(1, TX::ALLOC[0])->getBitArray();
    allocated.toggleBit(7);
    QVERIFY(f.writeAndWait(1, TX::ALLOC[0], allocated));
    QCOMPARE(quint8(f.cached(1, reference)->getByteArray().at(7)), quint8(0xC0));
}

QTEST_GUILESS_MAIN(tst_StructureRules)
#include "tst_structurerules.moc"
