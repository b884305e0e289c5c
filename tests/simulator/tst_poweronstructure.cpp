#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/qcmaparameter.h"
#include "simulator/alarmmodel.h"
#include "simulator/poweronstructure.h"
#include "simulator/simulatedserverlink.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn;
using namespace SimTest;

namespace {

constexpr int txLineRate = 11141;
constexpr int rxLineRate = 12018;
constexpr int laneCount = 11165;

// G.709 Table 7-1: OTUk bit rates in kbit/s.
constexpr double otu2Rate = 10709225.316;
constexpr double otu3Rate = 43018413.559;
constexpr double otu4Rate = 111809973.568;
// OTUC1: 239/226 x 99 532 800 kbit/s.
constexpr double otuc1Rate = 105258138.053;

} // namespace

class tst_PowerOnStructure : public QObject
{
    Q_OBJECT
private slots:
    void everyStructureIsChecked();
    void bothDirectionsOfEveryPortCarryTheStructure_data();
    void bothDirectionsOfEveryPortCarryTheStructure();
    void structureThatDoesNotFitIsReported_data();
    void structureThatDoesNotFitIsReported();

private:
    static QStringList checkedNames();
};

QStringList tst_PowerOnStructure::checkedNames()
{
    return {"otu4-odu2-odu0", "otu2-bulk", "otu2-odu0", "otu3-odu2-odu1-odu0", "otu4-odu0", "otu4-oduflex-gfpf",
            "otl4.4", "otu2-tim", "otlc.4"};
}

void tst_PowerOnStructure::everyStructureIsChecked()
{
    QStringList names;
    for (const PowerOnStructure &structure : PowerOnStructure::all()) {
        names << structure.name;
        QVERIFY2(!structure.title.isEmpty(), qPrintable(structure.name));
        QString problem;
        QVERIFY2(structure.mapping(&problem).isValid(), qPrintable(structure.name + QLatin1Char(' ') + problem));
        QVERIFY(PowerOnStructure::find(structure.name) == &structure);
    }
    QCOMPARE(names, checkedNames());
    QVERIFY(!PowerOnStructure::find(QStringLiteral("otu5")));
}

void tst_PowerOnStructure::bothDirectionsOfEveryPortCarryTheStructure_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("lineRate");          // kbit/s
    QTest::addColumn<QByteArray>("payloadTypes");  // PT of each level's OPU, line first
    QTest::addColumn<QVector<int>>("tsCounts");    // TS of the higher-order OPU of each stage
    QTest::addColumn<QVector<int>>("tpCounts");    // tributary ports of each stage
    QTest::addColumn<QVector<int>>("allocatable"); // TS open to allocation per stage (0: fixed)
    QTest::addColumn<uint>("lanes");               // logical lanes
    QTest::addColumn<int>("dummyCopy");            // Dummy CH of the stages the structure has

    // PT 21: ODTUk.ts structures, PT 20: ODTUjk only (an OPU1 carrying ODU0), FE: PRBS test signal,
    // 07: PCS codeword transparent Ethernet (1000BASE-X into OPU0, 100GBASE-R into OPU4), 0A: STM-1 into
    // OPU0, 05: GFP.
    QTest::newRow("otu4-odu2-odu0") << "otu4-odu2-odu0" << otu4Rate << bytes({0x21, 0x21, 0xFE})
                                    << QVector<int>{80, 8} << QVector<int>{10, 8} << QVector<int>{80, 8} << 0u
                                    << int(nsSettings::Otn::COPY_MAIN);
    QTest::newRow("otu2-bulk") << "otu2-bulk" << otu2Rate << bytes({0xFE}) << QVector<int>{} << QVector<int>{}
                               << QVector<int>{} << 0u << int(nsSettings::Otn::COPY_MAIN);
    QTest::newRow("otu2-odu0") << "otu2-odu0" << otu2Rate << bytes({0x21, 0x07}) << QVector<int>{8}
                               << QVector<int>{8} << QVector<int>{8} << 0u << int(nsSettings::Otn::COPY_MAIN);
    QTest::newRow("otu3-odu2-odu1-odu0") << "otu3-odu2-odu1-odu0" << otu3Rate << bytes({0x21, 0x21, 0x20, 0x0A})
                                         << QVector<int>{32, 8, 2} << QVector<int>{4, 4, 2} << QVector<int>{32, 8, 0}
                                         << 0u << int(nsSettings::Otn::COPY_MAIN);
    // 80 ODU0 of one TS each; only the main one is equipped.
    QTest::newRow("otu4-odu0") << "otu4-odu0" << otu4Rate << bytes({0x21, 0x07}) << QVector<int>{80}
                               << QVector<int>{80} << QVector<int>{80} << 0u << int(nsSettings::Otn::COPY_OFF);
    // 80 TS / 8 TS per ODUflex.
    QTest::newRow("otu4-oduflex-gfpf") << "otu4-oduflex-gfpf" << otu4Rate << bytes({0x21, 0x05})
                                       << QVector<int>{80} << QVector<int>{10} << QVector<int>{80} << 0u
                                       << int(nsSettings::Otn::COPY_MAIN);
    // OTL4.4: 4 physical lanes of 5 logical lanes.
    QTest::newRow("otl4.4") << "otl4.4" << otu4Rate << bytes({0x07}) << QVector<int>{} << QVector<int>{}
                            << QVector<int>{} << 20u << int(nsSettings::Otn::COPY_MAIN);
    QTest::newRow("otu2-tim") << "otu2-tim" << otu2Rate << bytes({0xFE}) << QVector<int>{} << QVector<int>{}
                              << QVector<int>{} << 0u << int(nsSettings::Otn::COPY_MAIN);
    QTest::newRow("otlc.4") << "otlc.4" << otuc1Rate << bytes({0xFE}) << QVector<int>{} << QVector<int>{}
                            << QVector<int>{} << 20u << int(nsSettings::Otn::COPY_MAIN);
}

void tst_PowerOnStructure::bothDirectionsOfEveryPortCarryTheStructure()
{
    QFETCH(QString, name);
    QFETCH(double, lineRate);
    QFETCH(QByteArray, payloadTypes);
    QFETCH(QVector<int>, tsCounts);
    QFETCH(QVector<int>, tpCounts);
    QFETCH(QVector<int>, allocatable);
    QFETCH(uint, lanes);
    QFETCH(int, dummyCopy);

    const PowerOnStructure *structure = PowerOnStructure::find(name);
    QVERIFY(structure);
    SimulatorOptions options = TesterFixture::testOptions(4);
    options.moduleTypes = QVector<int>(4, structure->moduleType);
    options.structure = name;
    DiagnosticsRecorder log;
    TesterFixture f(options);
    QCOMPARE(log.lines(), QStringList());
    const OtnMapping expected = structure->mapping();

    for (int port = 1; port <= 4; ++port) {
        for (int field = 0; field < OtnMapping::fieldCount; ++field) {
            const QcmaParameter *tx = f.cached(port, TX::MAPPING[field]);
            const QcmaParameter *rx = f.cached(port, RX::MAPPING[field]);
            QCOMPARE(tx->isDefined() ? tx->getEnum() : 0, expected[field]);
            QCOMPARE(rx->isDefined() ? rx->getEnum() : 0, expected[field]);
        }
        QCOMPARE(f.cached(port, txLineRate)->getDouble(), lineRate);
        QCOMPARE(f.cached(port, rxLineRate)->getDouble(), lineRate);
        QCOMPARE(f.cached(port, laneCount)->getUInt(), lanes);
        QCOMPARE(f.manager()->GetPortModuleType(port), structure->moduleType);

        QByteArray types;
        for (int level = 0; level < payloadTypes.size(); ++level)
            types += f.cached(port, TX::OPU_PAYLOAD_TYPE[level])->getByteArray();
        QCOMPARE(types, payloadTypes);
        QVERIFY(payloadTypes.size() == OtnMapping::maxLevels
                || !f.cached(port, TX::OPU_PAYLOAD_TYPE[payloadTypes.size()])->isDefined());

        for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
            const bool present = stage < tsCounts.size();
            QCOMPARE(f.cached(port, TX::MAIN_TS[stage])->isDefined(), present);
            QCOMPARE(f.cached(port, RX::MAIN_TS[stage])->isDefined(), present);
            if (!present)
                continue;
            // One main TS per tributary port, the same on both sides of the loop.
            const QByteArray mainTs = f.cached(port, TX::MAIN_TS[stage])->getByteArray();
            QCOMPARE(mainTs.size(), tpCounts.at(stage));
            QCOMPARE(f.cached(port, RX::MAIN_TS[stage])->getByteArray(), mainTs);
            QCOMPARE(f.cached(port, RX::MAIN_TP[stage])->getUInt(), f.cached(port, TX::MAIN_TP[stage])->getUInt());
            QCOMPARE(f.cached(port, TX::TX_COPY[stage])->getEnum(), dummyCopy);
            for (char ts : mainTs)
                QVERIFY(quint8(ts) >= 1 && quint8(ts) <= tsCounts.at(stage));
            // Every TS open to allocation is allocated (a clear bit).
            if (TX::ALLOC[stage] && allocatable.at(stage) > 0) {
                const QBitArray allocation = f.cached(port, TX::ALLOC[stage])->getBitArray();
                QCOMPARE(allocation.size(), allocatable.at(stage));
                QCOMPARE(allocation.count(true), 0);
            }
            // The receiver expects one MSI byte per TS.
            QCOMPARE(f.cached(port, MEASUREMENT::MSIM_REFERENCE_DATA[stage])->getByteArray().size(),
                     tsCounts.at(stage));
        }
    }
}

void tst_PowerOnStructure::structureThatDoesNotFitIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("moduleType");
    QTest::addColumn<QString>("line");

    QTest::newRow("lanes on an SFP") << "otl4.4" << 0
                                     << "power-on structure otl4.4 on port 1: OTL4.4 needs a multi-lane module, "
                                        "not module type 0";
    QTest::newRow("unknown name") << "otu9" << 0 << "unknown power-on structure 'otu9'";
}

void tst_PowerOnStructure::structureThatDoesNotFitIsReported()
{
    QFETCH(QString, name);
    QFETCH(int, moduleType);
    QFETCH(QString, line);

    SimulatorOptions options = TesterFixture::testOptions(1);
    options.moduleTypes = {moduleType};
    options.structure = name;
    DiagnosticsRecorder log;
    TesterFixture f(options);
    QCOMPARE(log.lines(), QStringList{line});
    // The port keeps the tester's start-up structure: OTU2 carrying a test pattern, both directions.
    for (const int *ids : {TX::MAPPING, RX::MAPPING}) {
        QCOMPARE(f.cached(1, ids[0])->getEnum(), valueNamed(f, ids[0], QStringLiteral("OTU2")));
        QCOMPARE(f.cached(1, ids[1])->getEnum(), valueNamed(f, ids[1], QStringLiteral("Bulk")));
        QCOMPARE(f.cached(1, ids[2])->getEnum(), 0);
    }
}

QTEST_MAIN(tst_PowerOnStructure)
#include "tst_poweronstructure.moc"
