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

QTEST_GUILESS_MAIN(tst_OtnStructureRules)
#include "tst_otnstructurerules.moc"
