#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "simulator/poweronstructure.h"
#include "simulator/simulatedserverlink.h"
#include "simulator/tributarylayout.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

using namespace nsSettings::Otn;
using namespace SimTest;
using namespace PID::Otn;
using C = OtnSignalCatalogue;

namespace {

const int txInterface = TX::MAPPING[0];
const int txClient = TX::MAPPING[1];
const int txStage0 = TX::MAPPING[2];
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
bool setTxStructure(TesterFixture &f, const QString &interfaceName, int stage0)
{
    const int iface = valueNamed(f, txInterface, interfaceName);
    return iface >= 0 && f.writeAndWait(1, txInterface, iface) && f.writeAndWait(1, txStage0, stage0);
}

int interfaceNamed(const QString &name)
{
    for (int v : C::interfaceValues()) {
        if (C::interfaceName(v) == name)
            return v;
    }
    return -1;
}

// The MSI of count TS, each TS of one TP of perTp TS: the type bits, then the port.
QByteArray msiOf(int count, int base, int perTp)
{
    QByteArray b;
    for (int t = 0; t < count; ++t)
        b.append(char(quint8(base | (t / perTp))));
    return b;
}

// G.709 Table 7-1: OTUk bit rates in kbit/s; OTUC1: 239/226 x 99 532 800.
constexpr double otu3Rate = 43018413.559;
constexpr double otu4Rate = 111809973.568;
constexpr double otuc1Rate = 105258138.053;

} // namespace

class tst_StructureRules : public QObject
{
    Q_OBJECT
private slots:
    void interfaceOffersG709Stages_data();
    void interfaceOffersG709Stages();
    void clientFitsTheLine_data();
    void clientFitsTheLine();
    void stageSizesSlotParameters_data();
    void stageSizesSlotParameters();
    void oduFlexTsCountSizesTributaryPorts();
    void mainTsWritesMustNameDistinctSlotsOfTheStage_data();
    void mainTsWritesMustNameDistinctSlotsOfTheStage();
    void msiFollowsG709_data();
    void msiFollowsG709();
    void payloadTypeFollowsStructureChanges();
    void receiverStageAndExpectedMsi();
    void powerOnStructureOnEveryPort_data();
    void powerOnStructureOnEveryPort();
    void powerOnStructureThatDoesNotFitIsReported();
};

void tst_StructureRules::interfaceOffersG709Stages_data()
{
    QTest::addColumn<QString>("interfaceName");
    QTest::addColumn<QVector<int>>("stages");

    // Which lower-order ODUs an OTUk's OPU can carry (G.709 multiplexing), plus "no multiplexing".
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
    QVERIFY(f.writeAndWait(1, txInterface, iface));
    QCOMPARE(f.cached(1, txClient)->getEnum(), valueNamed(f, txClient, QStringLiteral("Bulk")));
    QCOMPARE(activeOf(f.cached(1, txStage0)), stages);
    // The receiver is set on its own.
    QVERIFY(f.writeAndWait(1, rxInterface, iface));
    QCOMPARE(activeOf(f.cached(1, rxStage0)), stages);
}

void tst_StructureRules::clientFitsTheLine_data()
{
    QTest::addColumn<QString>("interfaceName");
    QTest::addColumn<QString>("client");
    QTest::addColumn<QVector<int>>("stage0");   // empty: the client's ODU fits no level of the line
    QTest::newRow("ODU2e in ODU3 only by GMP on 1.25G TS") << "OTU3" << "10GbE (BMP)" << QVector<int>{MUX_ODU2E_ODU3};
    QTest::newRow("ODU3 in ODU4 only by ODTU4.31") << "OTU4" << "STM-256 (AMP)" << QVector<int>{MUX_ODU3_ODU4};
    QTest::newRow("ODU2e does not fit ODU2") << "OTU2" << "10GbE (BMP)" << QVector<int>();
}

void tst_StructureRules::clientFitsTheLine()
{
    QFETCH(QString, interfaceName);
    QFETCH(QString, client);
    QFETCH(QVector<int>, stage0);

    TesterFixture f;
    QVERIFY(setTxStructure(f, interfaceName, MUX_NONE));
    const int value = valueNamed(f, txClient, client);
    QVERIFY(value >= 0);
    QCOMPARE(activeOf(f.cached(1, txClient)).contains(value), !stage0.isEmpty());
    if (stage0.isEmpty())
        return;
    QVERIFY(f.writeAndWait(1, txClient, value));
    QCOMPARE(activeOf(f.cached(1, txStage0)), stage0);
    // The stage that no longer fits gives way to the first one offered.
    QCOMPARE(f.cached(1, txStage0)->getEnum(), stage0.first());
}

// The tester sizes a stage's slot parameters by G.709: TS of the higher-order OPU, LO ODUs it carries
// and TS each; on fixed TS (ODTU01, ODTU23 on 2.5G TS) nothing is open to allocation.
void tst_StructureRules::stageSizesSlotParameters_data()
{
    QTest::addColumn<QString>("interfaceName");
    QTest::addColumn<int>("stage0");
    QTest::addColumn<uint>("tpCount");
    QTest::addColumn<int>("tsPerTp");
    QTest::addColumn<int>("allocatedTs");

    QTest::newRow("ODTU01: 2 ODU0 in OPU1") << "OTU1" << int(MUX_ODU0_ODU1) << 2u << 1 << 0;
    QTest::newRow("ODTU12 on 1.25G TS") << "OTU2" << int(MUX_ODU1_ODU2_PT21) << 4u << 2 << 8;
}

void tst_StructureRules::stageSizesSlotParameters()
{
    QFETCH(QString, interfaceName);
    QFETCH(int, stage0);
    QFETCH(uint, tpCount);
    QFETCH(int, tsPerTp);
    QFETCH(int, allocatedTs);

    TesterFixture f;
    QVERIFY(setTxStructure(f, interfaceName, stage0));
    QCOMPARE(f.cached(1, txStage0)->getEnum(), stage0);
    const auto *mainTp = static_cast<const QcmaParameterUInt *>(f.cached(1, TX::MAIN_TP[0]));
    QCOMPARE(mainTp->maximum(), tpCount);
    // By default the LO ODUs take the TS one after the other.
    const auto *ts = static_cast<const QcmaParameterByteArray *>(f.cached(1, TX::MAIN_TS[0]));
    QCOMPARE(ts->fixedLength(), int(tpCount));
    QCOMPARE(ts->getByteArray(), ascending(int(tpCount), tsPerTp));
    const QcmaParameter *alloc = f.cached(1, TX::ALLOC[0]);
    QCOMPARE(alloc->isDefined(), allocatedTs > 0);
    if (allocatedTs > 0)
        QCOMPARE(alloc->getBitArray(), QBitArray(allocatedTs));
    QVERIFY(f.cached(1, TX::TX_COPY[0])->isDefined());

    // The main TP is limited to the stage's tributary ports.
    QVERIFY(f.writeAndWait(1, TX::MAIN_TP[0], tpCount));
    QVERIFY(!f.writeAndWait(1, TX::MAIN_TP[0], tpCount + 1));
    QCOMPARE(f.cached(1, TX::MAIN_TP[0])->getUInt(), tpCount);
}

void tst_StructureRules::oduFlexTsCountSizesTributaryPorts()
{
    TesterFixture f;
    QVERIFY(setTxStructure(f, QStringLiteral("OTU2"), MUX_ODUFLEX_ODU2));
    const auto *count = static_cast<const QcmaParameterUInt *>(f.cached(1, TX::NUMBER_OF_TS[0]));
    QVERIFY(count->isDefined());
    QCOMPARE(count->maximum(), 8u);
    QCOMPARE(f.cached(1, TX::MAIN_TS[0])->getByteArray(), ascending(8, 1));
    // floor(8 / 2) ODUflex of 2 TS.
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

void tst_StructureRules::msiFollowsG709_data()
{
    QTest::addColumn<QString>("interfaceName");
    QTest::addColumn<int>("stage0");
    QTest::addColumn<QByteArray>("msi");

    // ODTU01 (11, the port is the TS) is read back by the MSIM table's test.
    // ODTU23 is marked 01.
    QTest::newRow("ODU2 in OPU3, PT 20") << "OTU3" << int(MUX_ODU2_ODU3_PT20) << msiOf(16, 0x40, 4);
    // ODTU3.ts (10): three ODU2e use 27 TS; the other 5 are unallocated (11, port 0).
    QTest::newRow("ODU2e in OPU3") << "OTU3" << int(MUX_ODU2E_ODU3) << msiOf(27, 0x80, 9) + QByteArray(5, char(0xC0));
    // OPU4: bit 1 = occupied, bits 2-8 = port - 1.
    QTest::newRow("ODU0 in OPU4") << "OTU4" << int(MUX_ODU0_ODU4) << msiOf(80, 0x80, 1);
}

void tst_StructureRules::msiFollowsG709()
{
    QFETCH(QString, interfaceName);
    QFETCH(int, stage0);
    QFETCH(QByteArray, msi);

    const TributaryLayout layout(OtnMapping(interfaceNamed(interfaceName), 0, stage0, 0, 0), 0);
    QVERIFY(layout.exists());
    QCOMPARE(layout.tsCount(), msi.size());
    QCOMPARE(layout.msi().toHex(' '), msi.toHex(' '));
}

void tst_StructureRules::payloadTypeFollowsStructureChanges()
{
    TesterFixture f;
    const int pt0 = TX::OPU_PAYLOAD_TYPE[0];
    QVERIFY(setTxStructure(f, QStringLiteral("OTU2"), MUX_NONE));
    QCOMPARE(f.cached(1, pt0)->getByteArray(), bytes({0xFE}));
    // A payload type set by hand stays until the structure changes.
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

    QVERIFY(f.writeAndWait(1, rxInterface, valueNamed(f, rxInterface, QStringLiteral("OTU2"))));
    QVERIFY(f.writeAndWait(1, rxStage0, MUX_ODU0_ODU2));
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

// The sizes of the stages follow the rules above; a power-on structure is set on both directions of every
// port, with the Dummy CH it names.
void tst_StructureRules::powerOnStructureOnEveryPort_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("lineRate");          // kbit/s
    QTest::addColumn<QByteArray>("payloadTypes");  // PT of each level's OPU, line first
    QTest::addColumn<uint>("lanes");               // logical lanes
    QTest::addColumn<int>("dummyCopy");            // Dummy CH of the stages the structure has

    // PT 21: ODTUk.ts structures, PT 20: ODTUjk only (an OPU1 carrying ODU0), FE: PRBS test signal,
    // 07: PCS codeword transparent Ethernet, 0A: STM-1 into OPU0, 05: GFP.
    QTest::newRow("otu3-odu2-odu1-odu0") << "otu3-odu2-odu1-odu0" << otu3Rate << bytes({0x21, 0x21, 0x20, 0x0A}) << 0u
                                         << int(COPY_MAIN);
    // 80 ODU0 of one TS each; only the main one is equipped.
    QTest::newRow("otu4-odu0") << "otu4-odu0" << otu4Rate << bytes({0x21, 0x07}) << 0u << int(COPY_OFF);
    QTest::newRow("otlc.4") << "otlc.4" << otuc1Rate << bytes({0xFE}) << 20u << int(COPY_MAIN);
}

void tst_StructureRules::powerOnStructureOnEveryPort()
{
    QFETCH(QString, name);
    QFETCH(double, lineRate);
    QFETCH(QByteArray, payloadTypes);
    QFETCH(uint, lanes);
    QFETCH(int, dummyCopy);

    const PowerOnStructure *structure = PowerOnStructure::find(name);
    QVERIFY(structure);
    DiagnosticsRecorder log;
    TesterFixture f(TesterFixture::structureOptions(name, 4));
    QCOMPARE(log.lines(), QStringList());
    const OtnMapping expected = structure->mapping();

    for (int port = 1; port <= 4; ++port) {
        for (int field = 0; field < OtnMapping::fieldCount; ++field) {
            const QcmaParameter *tx = f.cached(port, TX::MAPPING[field]);
            const QcmaParameter *rx = f.cached(port, RX::MAPPING[field]);
            QCOMPARE(tx->isDefined() ? tx->getEnum() : 0, expected[field]);
            QCOMPARE(rx->isDefined() ? rx->getEnum() : 0, expected[field]);
        }
        QCOMPARE(f.cached(port, TX::LINE_RATE)->getDouble(), lineRate);
        QCOMPARE(f.cached(port, RX::LINE_RATE)->getDouble(), lineRate);
        QCOMPARE(f.cached(port, TX::LANE_COUNT)->getUInt(), lanes);
        QCOMPARE(f.manager()->GetPortModuleType(port), structure->moduleType);

        QByteArray types;
        for (int level = 0; level < payloadTypes.size(); ++level)
            types += f.cached(port, TX::OPU_PAYLOAD_TYPE[level])->getByteArray();
        QCOMPARE(types, payloadTypes);
        QVERIFY(payloadTypes.size() == OtnMapping::maxLevels
                || !f.cached(port, TX::OPU_PAYLOAD_TYPE[payloadTypes.size()])->isDefined());

        // A stage under each level but the last, the same on both sides of the loop.
        for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
            const bool present = stage < payloadTypes.size() - 1;
            QCOMPARE(f.cached(port, TX::MAIN_TS[stage])->isDefined(), present);
            QCOMPARE(f.cached(port, RX::MAIN_TS[stage])->isDefined(), present);
            QCOMPARE(f.cached(port, MEASUREMENT::MSIM_REFERENCE_DATA[stage])->isDefined(), present);
            if (!present)
                continue;
            QCOMPARE(f.cached(port, RX::MAIN_TS[stage])->getByteArray(), f.cached(port, TX::MAIN_TS[stage])->getByteArray());
            QCOMPARE(f.cached(port, RX::MAIN_TP[stage])->getUInt(), f.cached(port, TX::MAIN_TP[stage])->getUInt());
            QCOMPARE(f.cached(port, TX::TX_COPY[stage])->getEnum(), dummyCopy);
        }
    }
}

void tst_StructureRules::powerOnStructureThatDoesNotFitIsReported()
{
    for (const PowerOnStructure &structure : PowerOnStructure::all()) {
        QString problem;
        QVERIFY2(structure.mapping(&problem).isValid(), qPrintable(structure.name + QLatin1Char(' ') + problem));
    }
    SimulatorOptions options = TesterFixture::testOptions(1);
    options.moduleTypes = {0};
    options.structure = QStringLiteral("otl4.4");
    DiagnosticsRecorder log;
    TesterFixture f(options);
    QCOMPARE(log.lines(), QStringList{QStringLiteral(
        "power-on structure otl4.4 on port 1: OTL4.4 needs a multi-lane module, not module type 0")});
    // The port keeps the tester's start-up structure: OTU2 carrying a test pattern, both directions.
    for (const int *ids : {TX::MAPPING, RX::MAPPING}) {
        QCOMPARE(f.cached(1, ids[0])->getEnum(), valueNamed(f, ids[0], QStringLiteral("OTU2")));
        QCOMPARE(f.cached(1, ids[1])->getEnum(), valueNamed(f, ids[1], QStringLiteral("Bulk")));
        QCOMPARE(f.cached(1, ids[2])->getEnum(), 0);
    }
}

QTEST_GUILESS_MAIN(tst_StructureRules)
#include "tst_structurerules.moc"
