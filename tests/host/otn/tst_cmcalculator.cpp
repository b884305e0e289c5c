#include <QtTest>

#include "host/otn/cmcalculator.h"
#include "host/otn/otnsettings.h"
#include "tests/support/diagnosticsrecorder.h"

using namespace nsSettings::Otn;

Q_DECLARE_METATYPE(OtnMapping)

namespace {

CmCalculator calculatorFor(const OtnMapping &mapping, int flexTs = 1)
{
    CmCalculator calculator;
    calculator.updateConstant(mapping, flexTs);
    calculator.setMapping(mapping);
    return calculator;
}

} // namespace

class tst_CmCalculator : public QObject
{
    Q_OBJECT
private slots:
    void cm_data();
    void cm();
    void levels_data();
    void levels();
    void oduFlexRates_data();
    void oduFlexRates();
    void badLevelIsReported();
};

// Worked GMP cases: cm = f_client x P / (M x f_TS) for ODTUk.ts, f_client x 15296 / (M x f_ODUk) into OPUk.
// The mean Cm follows client and server clocks: an ODU0 at +10 ppm against a nominal ODU2 gives
// 15168.152 words per multiframe, and +-20 ppm against -+20 ppm stays within 15167.393 .. 15168.607.
// Offsets: line, payload level 0, payload level 1.
void tst_CmCalculator::cm_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("flexTs");
    QTest::addColumn<QList<double>>("offsets");
    QTest::addColumn<double>("cm");
    QTest::addColumn<double>("cnd");
    const OtnMapping odu0InOdu2(1, 0, MUX_ODU0_ODU2, 0, 0);
    const QList<double> none{0, 0, 0};
    QTest::newRow("ODU0 in ODTU2.1") << odu0InOdu2 << 0 << 1 << none << 15168.0 << 0.0;
    QTest::newRow("ODU0 in ODTU4.1") << OtnMapping(3, 0, MUX_ODU0_ODU4, 0, 0) << 0 << 1 << none << 14528.0 << 0.0;
    QTest::newRow("ODU2e in ODTU3.9") << OtnMapping(2, 0, MUX_ODU2E_ODU3, 0, 0) << 0 << 1 << none << 14027.709046
                                      << 9 * 0.709046;
    QTest::newRow("ODUflex of 4 TS in ODU2") << OtnMapping(1, 30, MUX_ODUFLEX_ODU2, 0, 0) << 0 << 4 << none
                                             << 15229.166847 << 4 * 0.166847;
    QTest::newRow("STM-1 into OPU0") << OtnMapping(1, 3, MUX_ODU0_ODU2, 0, 0) << 1 << 1 << none << 1912.0 << 0.0;
    QTest::newRow("100GbE into OPU4") << OtnMapping(3, 7, 0, 0, 0) << 0 << 1 << none << 188.154056 << 80 * 0.154056;
    QTest::newRow("ODU0 +10 ppm") << odu0InOdu2 << 0 << 1 << QList<double>{0, 10, 0} << 15168.15168 << 0.0;
    QTest::newRow("line +10 ppm") << odu0InOdu2 << 0 << 1 << QList<double>{10, 0, 0} << 15168.0 / 1.00001 << 0.0;
    QTest::newRow("ODU0 -20, line +20: lowest") << odu0InOdu2 << 0 << 1 << QList<double>{20, -20, 0} << 15167.393292
                                                << 0.0;
    QTest::newRow("the ODU3 offset moves the ODU0 inside it")
        << OtnMapping(3, 0, MUX_ODU3_ODU4, 5, 0) << 1 << 1 << QList<double>{0, 100, 0} << 15104.0 / 1.0001 << 0.0;
}

void tst_CmCalculator::cm()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, level);
    QFETCH(int, flexTs);
    QFETCH(QList<double>, offsets);
    QFETCH(double, cm);
    QFETCH(double, cnd);
    CmCalculator calculator = calculatorFor(mapping, flexTs);
    QVERIFY(calculator.getLevelInfo(level).cm);
    calculator.setOffset(CmCalculator::lineLevel, offsets.at(0));
    calculator.setOffset(0, offsets.at(1));
    calculator.setOffset(1, offsets.at(2));
    const CmResult result = calculator.calcCm(level);
    QVERIFY(result.valid);
    QVERIFY2(qAbs(result.cm - cm) < 1e-5, qPrintable(QString::number(result.cm, 'f', 6)));
    // No fraction left is exactly none.
    QVERIFY2(qAbs(result.cnd - cnd) < (cnd == 0 ? 1e-9 : 1e-4), qPrintable(QString::number(result.cnd, 'f', 6)));
}

void tst_CmCalculator::levels_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("cmFlags");
    QTest::newRow("bulk on the line: nothing to offset") << OtnMapping(1, 0, 0, 0, 0) << QStringList() << "";
    QTest::newRow("STM-64 AMP") << OtnMapping(1, 8, 0, 0, 0) << QStringList{"Client"} << "-";
    QTest::newRow("STM-64 BMP follows the line") << OtnMapping(1, 15, 0, 0, 0) << QStringList() << "";
    QTest::newRow("ODU1 in ODU2, ODU0 in ODU1, STM-4")
        << OtnMapping(1, 4, MUX_ODU1_ODU2_PT20, 1, 0) << QStringList{"ODU1", "ODU0", "Client"} << "--C";
    QTest::newRow("four payload levels")
        << OtnMapping(3, 20, MUX_ODU3_ODU4, 4, 1) << QStringList{"ODU3", "ODU1", "ODU0", "Client"} << "C--C";
    QTest::newRow("GFP-F in ODUflex") << OtnMapping(3, 30, MUX_ODUFLEX_ODU4, 0, 0) << QStringList{"ODUflex"} << "C";
}

void tst_CmCalculator::levels()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(QStringList, names);
    QFETCH(QString, cmFlags);
    const CmCalculator calculator = calculatorFor(mapping);
    for (int level = 0; level < CmCalculator::maxLevels; ++level) {
        const CmLevelInfo info = calculator.getLevelInfo(level);
        QCOMPARE(info.present, level < names.size());
        if (!info.present) {
            QVERIFY(!calculator.calcCm(level).valid);
            continue;
        }
        QCOMPARE(info.name, names.at(level));
        QCOMPARE(info.cm, cmFlags.at(level) == 'C');
        QCOMPARE(calculator.calcCm(level).valid, info.cm);
    }
    QVERIFY(!calculator.getLevelInfo(-1).present);
}

// ODUflex(GFP): n x ODU2.ts up to 8 TS, n x ODU3.ts up to 32, n x ODU4.ts beyond.
void tst_CmCalculator::oduFlexRates_data()
{
    QTest::addColumn<int>("ts");
    QTest::addColumn<double>("rate");
    QTest::newRow("1 TS") << 1 << 1249177.230;
    QTest::newRow("9 TS") << 9 << 9 * 1254470.354;
    QTest::newRow("32 TS, the last of the ODU3.ts rate") << 32 << 32 * 1254470.354;
    QTest::newRow("33 TS") << 33 << 33 * 1301467.133;
    QTest::newRow("0 counts as 1") << 0 << 1249177.230;
}

void tst_CmCalculator::oduFlexRates()
{
    QFETCH(int, ts);
    QFETCH(double, rate);
    QVERIFY(qAbs(CmCalculator::oduFlexRate(ts) - rate) < 1e-6);
}

void tst_CmCalculator::badLevelIsReported()
{
    DiagnosticsRecorder recorder;
    CmCalculator calculator = calculatorFor(OtnMapping(1, 0, MUX_ODU0_ODU2, 0, 0));
    calculator.setOffset(4, 10);
    calculator.setOffset(-2, 10);
    QCOMPARE(recorder.linesStartingWith(QStringLiteral("ZEL_ASSERT_MSG: ")).size(), 2);
    QVERIFY(qAbs(calculator.calcCm(0).cm - 15168.0) < 1e-6);
    QVERIFY(!calculator.calcCm(4).valid);
}

QTEST_GUILESS_MAIN(tst_CmCalculator)
#include "tst_cmcalculator.moc"
