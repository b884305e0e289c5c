#include <QtTest>

#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "simulator/otnstructurerules.h"
#include "tests/support/diagnosticsrecorder.h"

using namespace nsSettings::Otn;
using Rules = OtnStructureRules;
using C = OtnSignalCatalogue;

Q_DECLARE_METATYPE(OtnMapping)

class tst_OtnStructureRules : public QObject
{
    Q_OBJECT
private slots:
    void possibleValues_data();
    void possibleValues();
    void resolve_data();
    void resolve();
    void resolvedStructuresAreValid();
    void slotParameterSizes_data();
    void slotParameterSizes();
    void multiLaneModules();
    void tenGigFamilyIsNotMultiplexed();
    void unknownFieldIsReported();
    void tributariesFollowG709_data();
    void tributariesFollowG709();
    void loOduFitsG709_data();
    void loOduFitsG709();
};

void tst_OtnStructureRules::possibleValues_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<QVector<int>>("values");
    QTest::newRow("clients of OTU1: ODU1 or ODU0 in ODTU01")
        << int(OtnMapping::FieldClient) << OtnMapping(0, 0, 0, 0, 0)
        << QVector<int>{0, 1, 2, 3, 4, 12, 13, 14, 18, 20, 22, 28, 29};
    QTest::newRow("clients of an OTL4.10 lane") << int(OtnMapping::FieldClient) << OtnMapping(11, 0, 0, 0, 0)
                                                << QVector<int>{0, 28};
    QTest::newRow("OTU2 GbE: ODU0 directly or in an ODU1")
        << int(OtnMapping::FieldStage0) << OtnMapping(1, 1, 0, 0, 0) << QVector<int>{1, 2, 3};
    QTest::newRow("OTU2 STM-64: no multiplexing") << int(OtnMapping::FieldStage0) << OtnMapping(1, 8, 0, 0, 0)
                                                  << QVector<int>{0};
    QTest::newRow("OTU4 STM-16: an ODU1 somewhere")
        << int(OtnMapping::FieldStage0) << OtnMapping(3, 2, 0, 0, 0) << QVector<int>{15, 16, 19};
    QTest::newRow("OTU4 100GbE") << int(OtnMapping::FieldStage0) << OtnMapping(3, 7, 0, 0, 0) << QVector<int>{0};
    QTest::newRow("ODU3 in ODU4, bulk") << int(OtnMapping::FieldStage1) << OtnMapping(3, 0, MUX_ODU3_ODU4, 0, 0)
                                        << QVector<int>{0, 4, 5};
    QTest::newRow("ODU3 in ODU4, STM-1") << int(OtnMapping::FieldStage1) << OtnMapping(3, 3, MUX_ODU3_ODU4, 0, 0)
                                         << QVector<int>{4, 5};
    QTest::newRow("no stage 0, no stage 1") << int(OtnMapping::FieldStage1) << OtnMapping(3, 0, 0, 0, 0)
                                            << QVector<int>{0};
    QTest::newRow("ODU1 of ODU3 of ODU4, bulk") << int(OtnMapping::FieldStage2)
                                                << OtnMapping(3, 0, MUX_ODU3_ODU4, 4, 0) << QVector<int>{0, 1};
    QTest::newRow("ODU1 of ODU3 of ODU4, STM-1") << int(OtnMapping::FieldStage2)
                                                 << OtnMapping(3, 3, MUX_ODU3_ODU4, 4, 0) << QVector<int>{1};
}

void tst_OtnStructureRules::possibleValues()
{
    QFETCH(int, field);
    QFETCH(OtnMapping, mapping);
    QFETCH(QVector<int>, values);
    QCOMPARE(Rules::possibleValues(field, mapping), values);
    OtnMapping probe = mapping;
    for (int v : values) {
        probe.setValue(field, v);
        QVERIFY(Rules::isPossible(field, probe));
    }
}

void tst_OtnStructureRules::resolve_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("changedField");
    QTest::addColumn<OtnMapping>("resolved");
    QTest::newRow("GbE chosen on OTU2 brings ODTU2.1") << OtnMapping(1, 1, 0, 0, 0) << int(OtnMapping::FieldClient)
                                                      << OtnMapping(1, 1, MUX_ODU0_ODU2, 0, 0);
    QTest::newRow("stage 0 changed: stages behind drop")
        << OtnMapping(3, 0, MUX_ODU2_ODU4, 4, 1) << int(OtnMapping::FieldStage0)
        << OtnMapping(3, 0, MUX_ODU2_ODU4, 0, 0);
    QTest::newRow("OTU3 to OTU4 keeps STM-64 in an ODU2")
        << OtnMapping(3, 8, MUX_ODU2_ODU3_PT20, 0, 0) << int(OtnMapping::FieldInterface)
        << OtnMapping(3, 8, MUX_ODU2_ODU4, 0, 0);
    QTest::newRow("lane signal drops the client") << OtnMapping(11, 7, 0, 0, 0) << int(OtnMapping::FieldInterface)
                                                  << OtnMapping(11, 0, 0, 0, 0);
    QTest::newRow("stage 1 removed: stage 2 follows") << OtnMapping(3, 0, MUX_ODU3_ODU4, 0, 1)
                                                      << int(OtnMapping::FieldStage1)
                                                      << OtnMapping(3, 0, MUX_ODU3_ODU4, 0, 0);
    QTest::newRow("reserved stage value replaced") << OtnMapping(2, 0, MUX_RESERVED_8, 0, 0)
                                                   << int(OtnMapping::FieldClient) << OtnMapping(2, 0, 0, 0, 0);
}

void tst_OtnStructureRules::resolve()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, changedField);
    QFETCH(OtnMapping, resolved);
    QCOMPARE(Rules::resolve(mapping, changedField), resolved);
    QVERIFY(resolved.isValid());
}

void tst_OtnStructureRules::resolvedStructuresAreValid()
{
    for (int i : OtnSignalCatalogue::interfaceValues()) {
        for (int c : OtnSignalCatalogue::clientValues()) {
            const OtnMapping resolved = Rules::resolve(OtnMapping(i, c, MUX_ODU3_ODU4, 4, 1), OtnMapping::FieldInterface);
            QVERIFY2(resolved.isValid(), qPrintable(QString("interface %1 client %2").arg(i).arg(c)));
            QCOMPARE(resolved[OtnMapping::FieldInterface], i);
        }
    }
}

void tst_OtnStructureRules::slotParameterSizes_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("flexTs");
    QTest::addColumn<QByteArray>("mainTs");
    QTest::addColumn<int>("allocation");
    QTest::addColumn<int>("maxFlexTs");
    QTest::newRow("ODTU13 in the ODU3 of an ODU4") << OtnMapping(3, 0, MUX_ODU3_ODU4, 4, 0) << 1 << 0
                                                   << QByteArray::fromHex("01030507090b0d0f11131517191b1d1f")
                                                   << 32 << 0;
    QTest::newRow("ODUflex of 10 TS in ODU4") << OtnMapping(3, 30, MUX_ODUFLEX_ODU4, 0, 0) << 0 << 10
                                              << QByteArray::fromHex("010b151f29333d47") << 80 << 80;
    QTest::newRow("missing stage") << OtnMapping(1, 0, MUX_ODU0_ODU2, 0, 0) << 1 << 0 << QByteArray() << 0 << 0;
}

void tst_OtnStructureRules::slotParameterSizes()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, stage);
    QFETCH(int, flexTs);
    QFETCH(QByteArray, mainTs);
    QFETCH(int, allocation);
    QFETCH(int, maxFlexTs);
    QCOMPARE(Rules::defaultMainTs(stage, mapping, quint32(flexTs)), mainTs);
    QCOMPARE(Rules::mainTsLength(stage, mapping, quint32(flexTs)), mainTs.size());
    QCOMPARE(Rules::allocationLength(stage, mapping), allocation);
    const QBitArray bits = Rules::defaultAllocation(stage, mapping);
    QCOMPARE(bits.size(), allocation);
    QCOMPARE(bits.count(false), allocation);
    QCOMPARE(Rules::maxFlexTsCount(stage, mapping), maxFlexTs);
}

void tst_OtnStructureRules::multiLaneModules()
{
    QList<int> multiLane;
    for (int v : OtnSignalCatalogue::interfaceValues()) {
        if (Rules::needsMultiLaneModule(v))
            multiLane << v;
    }
    // OTL3.4, OTL4.4, OTLC.4, OTL4.10; a single OTL lane fits a one-lane module.
    QCOMPARE(multiLane, (QList<int>{4, 5, 14, 15}));
    QVERIFY(!Rules::needsMultiLaneModule(-5));
}

// The tributary scan is not offered for input signals 8 to 13: none of them carries a multiplex.
// OTUCn multiplexing (PT 22) is not generated by this tester either.
void tst_OtnStructureRules::tenGigFamilyIsNotMultiplexed()
{
    for (int value : C::interfaceValues()) {
        const C::Interface *i = C::interfaceSignal(value);
        const bool tenGigFamily = value >= 8 && value <= 13;
        const QVector<int> stages =
            Rules::possibleValues(OtnMapping::FieldStage0, OtnMapping(value, 0, 0, 0, 0));
        QVERIFY2(stages.contains(0), qPrintable(C::interfaceName(value)));
        QVERIFY2((stages.size() > 1) == (!tenGigFamily && !i->otlc), qPrintable(C::interfaceName(value)));
        // A 10G-class signal, or one lane of a multi-lane 40G/100G signal.
        const double rate = C::odu(i->odu).rateKbps;
        QVERIFY(!tenGigFamily || i->laneOnly || (rate > 10e6 && rate < 11e6));
    }
}

void tst_OtnStructureRules::unknownFieldIsReported()
{
    DiagnosticsRecorder recorder;
    QVERIFY(Rules::possibleValues(OtnMapping::fieldCount, OtnMapping()).isEmpty());
    QVERIFY(!Rules::isPossible(-1, OtnMapping()));
    const QStringList reports = recorder.withLineNumbersMasked();
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.first(),
             QStringLiteral("ZEL_ASSERT_MSG: ..\\..\\simulator\\otnstructurerules: line %d - fieldInRange(field): "
                            "OtnStructureRules: no field 5"));
}

// Expected answers from G.709 (tributary slots of each HO OPU, TS per LO ODU, LO ODUs per HO ODU,
// ODUflex: floor(N / ts) of N TS) and, for which TS are fixed, from docs/mapping-catalogue.md.
void tst_OtnStructureRules::tributariesFollowG709_data()
{
    QTest::addColumn<int>("interfaceSignal");
    QTest::addColumn<int>("client");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("flexTs");
    QTest::addColumn<int>("loOdus");
    QTest::addColumn<int>("tsPerLoOdu");
    QTest::addColumn<int>("serverTs");
    QTest::addColumn<bool>("fixedTs");
    // Interfaces: 0 OTU1, 1 OTU2, 2 OTU3, 3 OTU4, 6 OTU3e1, 7 OTU3e2. Clients carried by one LO ODU:
    // 3 STM-1 (ODU0), 2 STM-16 (ODU1), 8 STM-64 (ODU2), 9 10GbE BMP (ODU2e), 10 STM-256 (ODU3), 30 ODUflex.
    QTest::newRow("ODTU01: 2 ODU0 in OPU1") << 0 << 3 << int(MUX_ODU0_ODU1) << 0 << 2 << 1 << 2 << true;
    QTest::newRow("ODTU2.1: 8 ODU0 in OPU2") << 1 << 3 << int(MUX_ODU0_ODU2) << 0 << 8 << 1 << 8 << false;
    QTest::newRow("ODTU12 on 2.5G TS") << 1 << 2 << int(MUX_ODU1_ODU2_PT20) << 0 << 4 << 1 << 4 << true;
    QTest::newRow("ODTU12 on 1.25G TS") << 1 << 2 << int(MUX_ODU1_ODU2_PT21) << 0 << 4 << 2 << 8 << false;
    QTest::newRow("ODTU13 on 2.5G TS") << 2 << 2 << int(MUX_ODU1_ODU3_PT20) << 0 << 16 << 1 << 16 << true;
    QTest::newRow("ODTU13 on 1.25G TS") << 2 << 2 << int(MUX_ODU1_ODU3_PT21) << 0 << 16 << 2 << 32 << false;
    QTest::newRow("ODTU23 on 2.5G TS") << 2 << 8 << int(MUX_ODU2_ODU3_PT20) << 0 << 4 << 4 << 16 << true;
    QTest::newRow("ODTU23 on 1.25G TS") << 2 << 8 << int(MUX_ODU2_ODU3_PT21) << 0 << 4 << 8 << 32 << false;
    QTest::newRow("ODTU3.9: 3 ODU2e in OPU3") << 2 << 9 << int(MUX_ODU2E_ODU3) << 0 << 3 << 9 << 32 << false;
    QTest::newRow("ODTU3.1: 32 ODU0 in OPU3") << 2 << 3 << int(MUX_ODU0_ODU3) << 0 << 32 << 1 << 32 << false;
    QTest::newRow("ODTU3e1: 4 ODU2e, 2.5G TS") << 6 << 9 << int(MUX_ODU2E_ODU3E1) << 0 << 4 << 4 << 16 << true;
    QTest::newRow("ODTU3e2: 4 ODU2e, 1.25G TS") << 7 << 9 << int(MUX_ODU2E_ODU3E2) << 0 << 4 << 8 << 32 << false;
    QTest::newRow("ODTU4.1: 80 ODU0 in OPU4") << 3 << 3 << int(MUX_ODU0_ODU4) << 0 << 80 << 1 << 80 << false;
    QTest::newRow("ODTU4.2: 40 ODU1 in OPU4") << 3 << 2 << int(MUX_ODU1_ODU4) << 0 << 40 << 2 << 80 << false;
    QTest::newRow("ODTU4.8: 10 ODU2 in OPU4") << 3 << 8 << int(MUX_ODU2_ODU4) << 0 << 10 << 8 << 80 << false;
    QTest::newRow("ODTU4.8: 10 ODU2e in OPU4") << 3 << 9 << int(MUX_ODU2E_ODU4) << 0 << 10 << 8 << 80 << false;
    QTest::newRow("ODTU4.31: 2 ODU3 in OPU4") << 3 << 10 << int(MUX_ODU3_ODU4) << 0 << 2 << 31 << 80 << false;
    QTest::newRow("ODTU2.ts: ODUflex of 3 TS") << 1 << 30 << int(MUX_ODUFLEX_ODU2) << 3 << 2 << 3 << 8 << false;
    QTest::newRow("ODTU3.ts: ODUflex of 5 TS") << 2 << 30 << int(MUX_ODUFLEX_ODU3) << 5 << 6 << 5 << 32 << false;
    QTest::newRow("ODTU4.ts: ODUflex of 33 TS") << 3 << 30 << int(MUX_ODUFLEX_ODU4) << 33 << 2 << 33 << 80 << false;
}

void tst_OtnStructureRules::tributariesFollowG709()
{
    QFETCH(int, interfaceSignal);
    QFETCH(int, client);
    QFETCH(int, kind);
    QFETCH(int, flexTs);
    QFETCH(int, loOdus);
    QFETCH(int, tsPerLoOdu);
    QFETCH(int, serverTs);
    QFETCH(bool, fixedTs);
    QVERIFY2(Rules::possibleValues(OtnMapping::FieldStage0, OtnMapping(interfaceSignal, client, 0, 0, 0)).contains(kind),
             "the LO ODU does not fit the HO ODU");
    const OtnMapping mapping(interfaceSignal, client, kind, 0, 0);
    QVERIFY(mapping.isValid());
    QCOMPARE(Rules::mainTsLength(0, mapping, quint32(flexTs)), loOdus);
    // By default the LO ODUs take the TS one after the other, tsPerLoOdu each.
    const QByteArray mainTs = Rules::defaultMainTs(0, mapping, quint32(flexTs));
    QCOMPARE(mainTs.size(), loOdus);
    for (int tp = 0; tp < mainTs.size(); ++tp)
        QCOMPARE(int(quint8(mainTs.at(tp))), 1 + tp * tsPerLoOdu);
    QVERIFY(loOdus * tsPerLoOdu <= serverTs);
    QCOMPARE(Rules::allocationLength(0, mapping), fixedTs ? 0 : serverTs);
    QCOMPARE(Rules::maxFlexTsCount(0, mapping), flexTs > 0 ? serverTs : 0);
}

void tst_OtnStructureRules::loOduFitsG709_data()
{
    QTest::addColumn<int>("interfaceSignal");
    QTest::addColumn<int>("client");
    QTest::addColumn<QVector<int>>("stage0");   // empty: the client's ODU fits no level of the line
    QTest::newRow("ODU2e in ODU3 only by GMP on 1.25G TS") << 2 << 9 << QVector<int>{MUX_ODU2E_ODU3};
    QTest::newRow("ODU3 in ODU4 only by ODTU4.31") << 3 << 10 << QVector<int>{MUX_ODU3_ODU4};
    QTest::newRow("ODU1 in OPU1 directly") << 0 << 2 << QVector<int>{MUX_NONE};
    QTest::newRow("ODU2e does not fit ODU2") << 1 << 9 << QVector<int>();
    QTest::newRow("ODU2 does not fit ODU1") << 0 << 8 << QVector<int>();
    QTest::newRow("ODU3 does not fit ODU2") << 1 << 10 << QVector<int>();
    QTest::newRow("ODU4 does not fit ODU3") << 2 << 7 << QVector<int>();
}

void tst_OtnStructureRules::loOduFitsG709()
{
    QFETCH(int, interfaceSignal);
    QFETCH(int, client);
    QFETCH(QVector<int>, stage0);
    const bool fits = Rules::possibleValues(OtnMapping::FieldClient, OtnMapping(interfaceSignal, 0, 0, 0, 0)).contains(client);
    QCOMPARE(fits, !stage0.isEmpty());
    if (fits)
        QCOMPARE(Rules::possibleValues(OtnMapping::FieldStage0, OtnMapping(interfaceSignal, client, 0, 0, 0)), stage0);
}

QTEST_GUILESS_MAIN(tst_OtnStructureRules)
#include "tst_otnstructurerules.moc"
