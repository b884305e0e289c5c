#include <QtTest>

#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "tests/support/diagnosticsrecorder.h"

using namespace nsSettings::Otn;

Q_DECLARE_METATYPE(OtnMapping)

class tst_OtnMapping : public QObject
{
    Q_OBJECT
private slots:
    void oduNames_data();
    void oduNames();
    void mappingProcedures_data();
    void mappingProcedures();
    void payloadTypes_data();
    void payloadTypes();
    void convertMultiplexes();
    void setValueOutsideFieldsIsReported();
};

// interface, client, stage 0, stage 1, stage 2 -> the ODU of every level, line first.
void tst_OtnMapping::oduNames_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("OTU1 bulk") << OtnMapping(0, 0, 0, 0, 0) << QStringList{"ODU1"};
    QTest::newRow("OTU2 ODU1 ODU0") << OtnMapping(1, 0, MUX_ODU1_ODU2_PT20, 1, 0)
                                    << QStringList{"ODU2", "ODU1", "ODU0"};
    QTest::newRow("OTU3 ODU2 ODU1 ODU0") << OtnMapping(2, 0, MUX_ODU2_ODU3_PT21, 3, 1)
                                         << QStringList{"ODU3", "ODU2", "ODU1", "ODU0"};
    QTest::newRow("OTU4 ODU3 ODU1 ODU0") << OtnMapping(3, 0, MUX_ODU3_ODU4, 4, 1)
                                         << QStringList{"ODU4", "ODU3", "ODU1", "ODU0"};
    QTest::newRow("OTU4 ODU2e") << OtnMapping(3, 0, MUX_ODU2E_ODU4, 0, 0) << QStringList{"ODU4", "ODU2e"};
    QTest::newRow("OTU3 ODUflex") << OtnMapping(2, 0, MUX_ODUFLEX_ODU3, 0, 0) << QStringList{"ODU3", "ODUflex"};
    QTest::newRow("OTU3e2 ODU2e") << OtnMapping(7, 0, MUX_ODU2E_ODU3E2, 0, 0) << QStringList{"ODU3e2", "ODU2e"};
    QTest::newRow("OTL4.4") << OtnMapping(5, 0, 0, 0, 0) << QStringList{"ODU4"};
    QTest::newRow("OTU2e") << OtnMapping(9, 9, 0, 0, 0) << QStringList{"ODU2e"};
    QTest::newRow("OTLC") << OtnMapping(14, 0, 0, 0, 0) << QStringList{"ODUC1"};
}

void tst_OtnMapping::oduNames()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(QStringList, names);
    QCOMPARE(mapping.getOduNames(), names);
    QCOMPARE(mapping.getOduCount(), names.size());
    QCOMPARE(mapping.getHoOduName(), names.first());
    QCOMPARE(mapping.getLoOduName(), names.last());
    for (int level = 0; level < names.size(); ++level)
        QCOMPARE(mapping.getOduName(level), names.at(level));
    QCOMPARE(mapping.getOduName(names.size()), QString());
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage)
        QCOMPARE(mapping.hasOdtu(stage), stage < names.size() - 1);
}

// GMP or AMP per level, G.709 clause 19: ODTUjk are AMP, ODTUk.ts and everything into OPU4 GMP.
void tst_OtnMapping::mappingProcedures_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<QString>("procedures");   // one letter per level: G gmp, A amp, - neither
    QTest::newRow("ODU0 in ODU1, STM-1 GMP") << OtnMapping(0, 3, MUX_ODU0_ODU1, 0, 0) << "AG";
    QTest::newRow("ODU1 in ODU2 PT21, STM-16 AMP") << OtnMapping(1, 2, MUX_ODU1_ODU2_PT21, 0, 0) << "AA";
    QTest::newRow("ODU2 in ODU3 PT20") << OtnMapping(2, 0, MUX_ODU2_ODU3_PT20, 0, 0) << "A-";
    QTest::newRow("ODU2e in ODU3") << OtnMapping(2, 0, MUX_ODU2E_ODU3, 0, 0) << "G-";
    QTest::newRow("ODU2e in ODU3e1") << OtnMapping(6, 0, MUX_ODU2E_ODU3E1, 0, 0) << "A-";
    QTest::newRow("ODU3 in ODU4, ODU0 in ODU3") << OtnMapping(3, 0, MUX_ODU3_ODU4, 5, 0) << "GG-";
    QTest::newRow("ODU2 in ODU4, ODU1 AMP, ODU0 AMP") << OtnMapping(3, 0, MUX_ODU2_ODU4, 3, 1) << "GAA-";
    QTest::newRow("ODUflex in ODU4") << OtnMapping(3, 30, MUX_ODUFLEX_ODU4, 0, 0) << "G-";
    QTest::newRow("100GbE into OPU4") << OtnMapping(3, 7, 0, 0, 0) << "G";
    QTest::newRow("STM-64 AMP into OPU2") << OtnMapping(1, 8, 0, 0, 0) << "A";
    QTest::newRow("STM-64 BMP into OPU2") << OtnMapping(1, 15, 0, 0, 0) << "-";
    QTest::newRow("10GbE GFP-F into OPU2") << OtnMapping(1, 5, 0, 0, 0) << "-";
}

void tst_OtnMapping::mappingProcedures()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(QString, procedures);
    QCOMPARE(mapping.getOduCount(), procedures.size());
    for (int level = 0; level < procedures.size(); ++level) {
        const QChar p = procedures.at(level);
        QVERIFY2(mapping.isGmp(level) == (p == 'G'), qPrintable(QString("level %1").arg(level)));
        QVERIFY2(mapping.isAmp(level) == (p == 'A'), qPrintable(QString("level %1").arg(level)));
    }
    QVERIFY(!mapping.isGmp(procedures.size()));
    QVERIFY(!mapping.isAmp(-1));
}

void tst_OtnMapping::payloadTypes_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<QList<quint8>>("types");
    QTest::newRow("bulk PRBS in OPU2") << OtnMapping(1, 0, 0, 0, 0) << QList<quint8>{0xFE};
    QTest::newRow("ODTU12 PT20, STM-16 async") << OtnMapping(1, 2, MUX_ODU1_ODU2_PT20, 0, 0)
                                              << QList<quint8>{0x20, 0x02};
    QTest::newRow("ODTU01 is PT20 only") << OtnMapping(0, 4, MUX_ODU0_ODU1, 0, 0) << QList<quint8>{0x20, 0x0B};
    QTest::newRow("ODTU2.1, STM-1 into OPU0") << OtnMapping(1, 3, MUX_ODU0_ODU2, 0, 0)
                                             << QList<quint8>{0x21, 0x0A};
    QTest::newRow("OPU4 multiplex is PT21, 10GbE BMP") << OtnMapping(3, 9, MUX_ODU2E_ODU4, 0, 0)
                                                      << QList<quint8>{0x21, 0x03};
    QTest::newRow("three stages") << OtnMapping(2, 1, MUX_ODU2_ODU3_PT20, 3, 1)
                                  << QList<quint8>{0x20, 0x21, 0x20, 0x07};
    QTest::newRow("FC-1200 into OPU2e") << OtnMapping(9, 17, 0, 0, 0) << QList<quint8>{0x08};
}

void tst_OtnMapping::payloadTypes()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(QList<quint8>, types);
    QCOMPARE(mapping.getPayloadTypes(), types);
}

void tst_OtnMapping::convertMultiplexes()
{
    const OtnMapping mapping(1, 0, 0, 3, 1);
    QCOMPARE(mapping.getOduCount(), 1);
    QVERIFY(!mapping.hasOdtu(1));
    QVERIFY(mapping.convertMultiplexes().isEmpty());
    QVERIFY(mapping.isValid());

    const OtnMapping threeStages(2, 0, MUX_ODU2_ODU3_PT21, 3, 1);
    QCOMPARE(threeStages.convertMultiplexes(),
             (QVector<int>{MUX_ODU2_ODU3_PT21, MUX_ODU1_ODU2_PT21, MUX_ODU0_ODU1}));
    // Stage values beyond the tables convert to no multiplexing.
    QCOMPARE(OtnMapping::convertMux2ToMux(6), int(MUX_NONE));
    QCOMPARE(OtnMapping::convertMux3ToMux(2), int(MUX_NONE));
}

void tst_OtnMapping::setValueOutsideFieldsIsReported()
{
    DiagnosticsRecorder recorder;
    OtnMapping mapping(1, 2, 3, 0, 0);
    mapping.setValue(OtnMapping::fieldCount, 7);
    mapping.setValue(-1, 7);
    QCOMPARE(mapping, OtnMapping(1, 2, 3, 0, 0));
    const QStringList reports = recorder.linesStartingWith(QStringLiteral("ZEL_ASSERT_MSG: "));
    QCOMPARE(reports.size(), 2);
    QVERIFY2(reports.first().contains(QStringLiteral("OtnMapping::setValue: no field 5")), qPrintable(reports.first()));
    QCOMPARE(mapping.value(OtnMapping::fieldCount), 0);
}

QTEST_GUILESS_MAIN(tst_OtnMapping)
#include "tst_otnmapping.moc"
