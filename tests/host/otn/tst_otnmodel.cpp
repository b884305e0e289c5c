#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/cmcalculator.h"
#include "host/otn/otnalarmerror.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnmodule.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "tests/support/diagnosticsrecorder.h"

using C = OtnSignalCatalogue;
using namespace nsSettings::Otn;

Q_DECLARE_METATYPE(OtnMapping)

namespace {

enum PortMode { Off = 0, Normal = 1, Through = 2, OhThrough = 3 };

// The tester's catalogue, as the simulated tester loads it.
const ParameterCatalogue &testerCatalogue()
{
    static ParameterCatalogue catalogue;
    if (catalogue.count() == 0) {
        for (const char *file :
             {"parameters.json", "physical.json", "mapping.json", "setupdialogs.json", "setupwidgets.json"})
            catalogue.loadFile(QStringLiteral(ZEL_SOURCE_ROOT "simulator/catalogue/") + QLatin1String(file), nullptr);
    }
    return catalogue;
}

// The first interface signal whose line ODU is the higher-order ODU of a multiplex kind.
int interfaceFor(int kind)
{
    for (int value : OtnSignalCatalogue::interfaceValues()) {
        const OtnSignalCatalogue::Interface *i = OtnSignalCatalogue::interfaceSignal(value);
        if (i && i->odu == OtnSignalCatalogue::multiplex(kind)->ho)
            return value;
    }
    return -1;
}

QVector<int> channelsOf(const OtnMapping &mapping, int stage, int copyStatus, quint32 mainTp,
                        const QVector<int> &mainTs, quint32 flex = 0, const QBitArray *allocated = nullptr)
{
    QVector<int> ts(OtnTpTs::maxTs, 0);
    for (int i = 0; i < mainTs.size(); ++i)
        ts[i] = mainTs[i];
    QVector<int> channels(OtnTpTs::maxTs, 99);
    OtnTpTs::assignCh(stage, mapping, copyStatus, mainTp, mainTs.isEmpty() ? nullptr : ts.constData(), flex,
                      channels.data(), allocated);
    return channels;
}

QVector<int> padded(QVector<int> head)
{
    while (head.size() < OtnTpTs::maxTs)
        head << -1;
    return head;
}

CmCalculator calculatorFor(const OtnMapping &mapping, int flexTs = 1)
{
    CmCalculator calculator;
    calculator.updateConstant(mapping, flexTs);
    calculator.setMapping(mapping);
    return calculator;
}

// Every id a file of host/otn names, read from its table definitions and its single ids (0 marks none).
QList<int> definedIds(const char *file)
{
    static const QRegularExpression table(QStringLiteral("const int \\w+[^=]*=\\s*\\{([^;]*)\\};"));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    static const QRegularExpression single(QStringLiteral("constexpr int \\w+ = (\\d+);"));
    QFile source(QStringLiteral(ZEL_SOURCE_ROOT "host/otn/") + QLatin1String(file));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString text = QString::fromUtf8(source.readAll());
    QList<int> ids;
    auto tables = table.globalMatch(text);
    while (tables.hasNext()) {
        auto numbers = number.globalMatch(tables.next().captured(1));
        while (numbers.hasNext()) {
            if (const int id = numbers.next().captured().toInt())
                ids << id;
        }
    }
    auto singles = single.globalMatch(text);
    while (singles.hasNext())
        ids << singles.next().captured(1).toInt();
    return ids;
}

} // namespace

// The tables of host/otn against the numbers of G.709 and the tester's catalogue.
class tst_OtnModel : public QObject
{
    Q_OBJECT
private slots:
    void structure_data();
    void structure();
    void convertMultiplexes();
    void badInputIsReported();
    void multiplexFigures_data();
    void multiplexFigures();
    void assignCh_data();
    void assignCh();
    void assignChHonoursAllocation();
    void cm_data();
    void cm();
    void levels_data();
    void levels();
    void oduFlexRates_data();
    void oduFlexRates();
    void itemValid_data();
    void itemValid();
    void everyItemIsListed();
    void idsAreUnique();
    void oduRates_data();
    void oduRates();
    void catalogueFileAgrees();
    void transceivers();
};

// interface, client, stage 0, stage 1, stage 2 -> the ODU of every level, line first; per level GMP or
// AMP (G.709 clause 19: ODTUjk are AMP, ODTUk.ts and everything into OPU4 GMP) and the payload type.
// An empty procedure or type list is not checked.
void tst_OtnModel::structure_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("procedures");   // one letter per level: G gmp, A amp, - neither
    QTest::addColumn<QList<quint8>>("types");
    QTest::newRow("OTU2, ODU1 PT20, ODU0, bulk PRBS") << OtnMapping(1, 0, MUX_ODU1_ODU2_PT20, 1, 0)
        << QStringList{"ODU2", "ODU1", "ODU0"} << "AA-" << QList<quint8>{0x20, 0x20, 0xFE};
    QTest::newRow("ODU0 in ODU1, STM-1 GMP, ODTU01 PT20 only") << OtnMapping(0, 3, MUX_ODU0_ODU1, 0, 0)
        << QStringList{"ODU1", "ODU0"} << "AG" << QList<quint8>{0x20, 0x0A};
    QTest::newRow("ODU2 in ODU4, ODU1 AMP, ODU0 AMP") << OtnMapping(3, 0, MUX_ODU2_ODU4, 3, 1)
        << QStringList{"ODU4", "ODU2", "ODU1", "ODU0"} << "GAA-" << QList<quint8>{};
    QTest::newRow("three stages") << OtnMapping(2, 1, MUX_ODU2_ODU3_PT20, 3, 1)
        << QStringList{"ODU3", "ODU2", "ODU1", "ODU0"} << "" << QList<quint8>{0x20, 0x21, 0x20, 0x07};
    QTest::newRow("OPU4 multiplex is PT21, 10GbE BMP") << OtnMapping(3, 9, MUX_ODU2E_ODU4, 0, 0)
        << QStringList{"ODU4", "ODU2e"} << "G-" << QList<quint8>{0x21, 0x03};
    QTest::newRow("OTLC") << OtnMapping(14, 0, 0, 0, 0) << QStringList{"ODUC1"} << "" << QList<quint8>{};
}

void tst_OtnModel::structure()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(QStringList, names);
    QFETCH(QString, procedures);
    QFETCH(QList<quint8>, types);
    QCOMPARE(mapping.getOduNames(), names);
    QCOMPARE(mapping.getHoOduName(), names.first());
    QCOMPARE(mapping.getLoOduName(), names.last());
    for (int level = 0; level < names.size(); ++level)
        QCOMPARE(mapping.getOduName(level), names.at(level));
    QCOMPARE(mapping.getOduName(names.size()), QString());
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage)
        QCOMPARE(mapping.hasOdtu(stage), stage < names.size() - 1);
    for (int level = 0; level < procedures.size(); ++level) {
        const QChar p = procedures.at(level);
        QVERIFY2(mapping.isGmp(level) == (p == 'G'), qPrintable(QString("level %1").arg(level)));
        QVERIFY2(mapping.isAmp(level) == (p == 'A'), qPrintable(QString("level %1").arg(level)));
    }
    QVERIFY(!mapping.isGmp(names.size()));
    QVERIFY(!mapping.isAmp(-1));
    if (!types.isEmpty())
        QCOMPARE(mapping.getPayloadTypes(), types);
}

void tst_OtnModel::convertMultiplexes()
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

// A field or level that does not exist is reported and changes nothing.
void tst_OtnModel::badInputIsReported()
{
    DiagnosticsRecorder recorder;
    OtnMapping mapping(1, 2, 3, 0, 0);
    mapping.setValue(OtnMapping::fieldCount, 7);
    mapping.setValue(-1, 7);
    QCOMPARE(mapping, OtnMapping(1, 2, 3, 0, 0));
    QCOMPARE(recorder.linesStartingWith(QStringLiteral("ZEL_ASSERT_MSG: ")).size(), 2);
    QCOMPARE(mapping.value(OtnMapping::fieldCount), 0);

    CmCalculator calculator = calculatorFor(OtnMapping(1, 0, MUX_ODU0_ODU2, 0, 0));
    calculator.setOffset(4, 10);
    calculator.setOffset(-2, 10);
    QCOMPARE(recorder.linesStartingWith(QStringLiteral("ZEL_ASSERT_MSG: ")).size(), 4);
    QVERIFY(qAbs(calculator.calcCm(0).cm - 15168.0) < 1e-6);
    QVERIFY(!calculator.calcCm(4).valid);
}

// G.709 clause 19: TS of the server OPU, tributaries, TS per tributary and the payload type. PT 21
// structures open every TS to allocation and find the TS automatically; PT 20 ones fix them. An ODUflex
// of n TS: floor(N / n) of them fit; the count is bounded by the server's TS; its TS are found anew.
void tst_OtnModel::multiplexFigures_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("flexTs");
    QTest::addColumn<int>("tsCount");
    QTest::addColumn<int>("tpCount");
    QTest::addColumn<int>("tsPerTp");
    QTest::addColumn<int>("payloadType");
    QTest::addColumn<int>("autoDetection");
    QTest::newRow("ODTU12 on 2.5G TS") << int(MUX_ODU1_ODU2_PT20) << 0 << 4 << 4 << 1 << 0x20 << 0;
    QTest::newRow("ODTU13 on 1.25G TS") << int(MUX_ODU1_ODU3_PT21) << 0 << 32 << 16 << 2 << 0x21 << 1;
    QTest::newRow("ODTU4.31") << int(MUX_ODU3_ODU4) << 0 << 80 << 2 << 31 << 0x21 << 1;
    QTest::newRow("ODUflex in ODU3, 9 TS") << int(MUX_ODUFLEX_ODU3) << 9 << 32 << 3 << 9 << 0x21 << 3;
}

void tst_OtnModel::multiplexFigures()
{
    QFETCH(int, kind);
    QFETCH(int, flexTs);
    QFETCH(int, tsCount);
    QFETCH(int, tpCount);
    QFETCH(int, tsPerTp);
    QFETCH(int, payloadType);
    QFETCH(int, autoDetection);
    const bool flex = OtnSignalCatalogue::multiplex(kind)->lo == OtnSignalCatalogue::OduFlex;
    const OtnMapping mapping(interfaceFor(kind), flex ? 30 : 0, kind, 0, 0);
    QVERIFY(mapping.isValid());
    QCOMPARE(mapping.hasOduFlex(0), flex);
    const TpTsInfo info = OtnTpTs::getTpTsInfo(0, mapping, quint32(flexTs));
    QCOMPARE(int(info.tsCount), tsCount);
    QCOMPARE(int(info.tpCount), tpCount);
    QCOMPARE(int(info.tsPerTp), tsPerTp);
    QCOMPARE(int(info.payloadType), payloadType);
    QCOMPARE(int(info.multiplexFactor), tpCount);
    QCOMPARE(int(info.tsTotal), payloadType == 0x21 ? tsCount : 0);
    QCOMPARE(int(info.autoDetection), autoDetection);
}

void tst_OtnModel::assignCh_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("copyStatus");
    QTest::addColumn<int>("mainTp");
    QTest::addColumn<QVector<int>>("mainTs");
    QTest::addColumn<int>("flexTs");
    QTest::addColumn<QVector<int>>("channels");

    QTest::newRow("2.5G TS are fixed: ODU1 n in TS n")
        << OtnMapping(1, 0, MUX_ODU1_ODU2_PT20, 0, 0) << int(COPY_MAIN) << 1 << QVector<int>{4, 3, 2, 1} << 0
        << padded({0, 1, 2, 3});
    QTest::newRow("ODU2 in four 2.5G TS of OPU3")
        << OtnMapping(2, 0, MUX_ODU2_ODU3_PT20, 0, 0) << int(COPY_MAIN) << 1 << QVector<int>{} << 0
        << padded({0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3});
    QTest::newRow("ODTU2.1 follows the main TS")
        << OtnMapping(1, 0, MUX_ODU0_ODU2, 0, 0) << int(COPY_MAIN) << 1 << QVector<int>{8, 7, 6, 5, 4, 3, 2, 1} << 0
        << padded({7, 6, 5, 4, 3, 2, 1, 0});
    QTest::newRow("growth wraps and skips other starts")
        << OtnMapping(1, 0, MUX_ODU1_ODU2_PT21, 0, 0) << int(COPY_MAIN) << 1 << QVector<int>{8, 1, 3, 5} << 0
        << padded({1, 0, 2, 1, 3, 2, 3, 0});
    QTest::newRow("a taken main TS gives the lowest free one")
        << OtnMapping(1, 0, MUX_ODU1_ODU2_PT21, 0, 0) << int(COPY_MAIN) << 1 << QVector<int>{1, 1, 5, 7} << 0
        << padded({0, 0, 1, 1, 2, 2, 3, 3});
    QTest::newRow("ODUflex of 3 TS in ODU2, main TP 2 alone")
        << OtnMapping(1, 30, MUX_ODUFLEX_ODU2, 0, 0) << int(COPY_OFF) << 2 << QVector<int>{1, 4} << 3
        << padded({-1, -1, -1, 1, 1, 1});
}

void tst_OtnModel::assignCh()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, copyStatus);
    QFETCH(int, mainTp);
    QFETCH(QVector<int>, mainTs);
    QFETCH(int, flexTs);
    QFETCH(QVector<int>, channels);
    QCOMPARE(channelsOf(mapping, 0, copyStatus, quint32(mainTp), mainTs, quint32(flexTs)), channels);
}

void tst_OtnModel::assignChHonoursAllocation()
{
    // Only TS 1-4 of the OPU2 allocated: four ODU0 fit, the other four find no TS.
    QBitArray allocated(8, true);
    for (int t = 0; t < 4; ++t)
        allocated.clearBit(t);
    const OtnMapping mapping(1, 0, MUX_ODU0_ODU2, 0, 0);
    QCOMPARE(channelsOf(mapping, 0, COPY_MAIN, 1, {1, 2, 3, 4, 5, 6, 7, 8}, 0, &allocated), padded({0, 1, 2, 3}));

    // An ODU1 needing two TS is left out whole when only one is free for it.
    QBitArray three(8, true);
    three.clearBit(0);
    three.clearBit(1);
    three.clearBit(4);
    QCOMPARE(channelsOf(OtnMapping(1, 0, MUX_ODU1_ODU2_PT21, 0, 0), 0, COPY_MAIN, 1, {1, 3, 5, 7}, 0, &three),
             padded({0, 0}));
}

// Worked GMP cases: cm = f_client x P / (M x f_TS) for ODTUk.ts, f_client x 15296 / (M x f_ODUk) into OPUk.
// The mean Cm follows client and server clocks: an ODU0 at +10 ppm against a nominal ODU2 gives
// 15168.152 words per multiframe, and +-20 ppm against -+20 ppm stays within 15167.393 .. 15168.607.
// Offsets: line, payload level 0, payload level 1.
void tst_OtnModel::cm_data()
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
    QTest::newRow("ODU2e in ODTU3.9") << OtnMapping(2, 0, MUX_ODU2E_ODU3, 0, 0) << 0 << 1 << none << 14027.709046
                                      << 9 * 0.709046;
    QTest::newRow("ODUflex of 4 TS in ODU2") << OtnMapping(1, 30, MUX_ODUFLEX_ODU2, 0, 0) << 0 << 4 << none
                                             << 15229.166847 << 4 * 0.166847;
    QTest::newRow("100GbE into OPU4") << OtnMapping(3, 7, 0, 0, 0) << 0 << 1 << none << 188.154056 << 80 * 0.154056;
    QTest::newRow("ODU0 -20, line +20: lowest") << odu0InOdu2 << 0 << 1 << QList<double>{20, -20, 0} << 15167.393292
                                                << 0.0;
    QTest::newRow("the ODU3 offset moves the ODU0 inside it")
        << OtnMapping(3, 0, MUX_ODU3_ODU4, 5, 0) << 1 << 1 << QList<double>{0, 100, 0} << 15104.0 / 1.0001 << 0.0;
}

void tst_OtnModel::cm()
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

void tst_OtnModel::levels_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("cmFlags");
    QTest::newRow("STM-64 AMP") << OtnMapping(1, 8, 0, 0, 0) << QStringList{"Client"} << "-";
    QTest::newRow("STM-64 BMP follows the line") << OtnMapping(1, 15, 0, 0, 0) << QStringList() << "";
    QTest::newRow("four payload levels")
        << OtnMapping(3, 20, MUX_ODU3_ODU4, 4, 1) << QStringList{"ODU3", "ODU1", "ODU0", "Client"} << "C--C";
    QTest::newRow("GFP-F in ODUflex") << OtnMapping(3, 30, MUX_ODUFLEX_ODU4, 0, 0) << QStringList{"ODUflex"} << "C";
}

void tst_OtnModel::levels()
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
void tst_OtnModel::oduFlexRates_data()
{
    QTest::addColumn<int>("ts");
    QTest::addColumn<double>("rate");
    QTest::newRow("32 TS, the last of the ODU3.ts rate") << 32 << 32 * 1254470.354;
    QTest::newRow("33 TS") << 33 << 33 * 1301467.133;
    QTest::newRow("0 counts as 1") << 0 << 1249177.230;
}

void tst_OtnModel::oduFlexRates()
{
    QFETCH(int, ts);
    QFETCH(double, rate);
    QVERIFY(qAbs(CmCalculator::oduFlexRate(ts) - rate) < 1e-6);
}

void tst_OtnModel::itemValid_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("portMode");
    QTest::addColumn<int>("slice");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("valid");

    const OtnMapping otu2(1, 0, 0, 0, 0);
    const OtnMapping odu0InOtu2(1, 1, MUX_ODU0_ODU2, 0, 0);
    const OtnMapping otlc(14, 0, 0, 0, 0);
    QTest::newRow("LOS") << otu2 << 0 << int(Normal) << 0 << 0 << 2 << true;
    QTest::newRow("port off inserts nothing") << otu2 << 0 << int(Off) << 0 << 0 << 2 << false;
    QTest::newRow("LOF not in through mode") << otu2 << 0 << int(Through) << 0 << 0 << 1 << false;
    QTest::newRow("block error of GbE in ODU0") << odu0InOtu2 << 1 << int(Normal) << 0 << 0 << 72 << true;
    QTest::newRow("client error not on the server level") << odu0InOtu2 << 0 << int(Normal) << 0 << 0 << 72 << false;
    QTest::newRow("MSIM where a multiplex is") << odu0InOtu2 << 0 << int(Normal) << 0 << 0 << 24 << true;
    QTest::newRow("LOOMFI of an OPU4 multiplex") << OtnMapping(3, 0, MUX_ODU0_ODU4, 0, 0) << 0 << int(Normal) << 0
                                                 << 0 << 17 << true;
    QTest::newRow("ODUCn slice 2: SM-BIP8") << otlc << 0 << int(Normal) << 1 << 0 << 52 << true;
    QTest::newRow("unknown item") << otu2 << 0 << int(Normal) << 0 << 0 << 99 << false;
}

void tst_OtnModel::itemValid()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, level);
    QFETCH(int, portMode);
    QFETCH(int, slice);
    QFETCH(int, pattern);
    QFETCH(int, item);
    QFETCH(bool, valid);
    QCOMPARE(OtnAlarmError::valid(0, level, portMode, mapping, slice, pattern, item), valid);
    // No application type restricts the items.
    QCOMPARE(OtnAlarmError::valid(0x1000, level, portMode, mapping, slice, pattern, item), valid);
}

void tst_OtnModel::everyItemIsListed()
{
    const QList<int> items = OtnAlarmError::allItems();
    QCOMPARE(items.first(), int(OtnAlarmError::itemNone));
    QVERIFY(!OtnAlarmError::isAlarm(0) && !OtnAlarmError::isError(0));
    // The TCM names are made up per TCM: four alarms and two errors each.
    QCOMPARE(OtnAlarmError::itemName(123), QStringLiteral("TCM6-LTC"));
    QVERIFY(OtnAlarmError::isAlarm(123));
    QCOMPARE(OtnAlarmError::itemName(141), QStringLiteral("TCM6-BEI"));
    QVERIFY(OtnAlarmError::isError(141));
    for (int item : items.mid(1)) {
        QVERIFY(OtnAlarmError::isAlarm(item) != OtnAlarmError::isError(item));
        bool listed = false;
        for (int level = 0; level < OtnMapping::maxLevels; ++level) {
            const QList<int> list = OtnAlarmError::isAlarm(item) ? OtnAlarmError::getAlarms(level)
                                                                 : OtnAlarmError::getErrors(level);
            listed = listed || list.contains(item);
        }
        QVERIFY2(listed, qPrintable(QString::number(item)));
    }
}

// Parameters and counters share the OTN group: every id is named once, by one name or one table entry.
void tst_OtnModel::idsAreUnique()
{
    const QList<int> ids = definedIds("otnpid.cpp") + definedIds("otnpid.h") + definedIds("otniid.cpp")
                           + definedIds("otniid.h");
    QVERIFY2(ids.size() > 400, "the tables were not found in their sources");
    QSet<int> seen;
    for (int id : ids) {
        QVERIFY2(id > 0 && id <= 0xFFFF, qPrintable(QString::number(id)));
        QVERIFY2(!seen.contains(id), qPrintable(QStringLiteral("%1 is named twice").arg(id)));
        seen.insert(id);
    }
}

// G.709 Table 7-2 and G.Sup43: ODU = 239/(255-k') x client-derived rate, kbit/s.
void tst_OtnModel::oduRates_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("ODU2") << int(C::Odu2) << 10037273.924 << 20.0;
    QTest::newRow("ODU2e") << int(C::Odu2e) << 10399525.316 << 100.0;
    QTest::newRow("ODU4") << int(C::Odu4) << 104794445.815 << 20.0;
}

void tst_OtnModel::oduRates()
{
    QFETCH(int, type);
    QFETCH(double, rate);
    QFETCH(double, tolerance);
    const C::Odu &odu = C::odu(C::OduType(type));
    QVERIFY2(qAbs(odu.rateKbps - rate) < 0.001, qPrintable(QString::number(odu.rateKbps, 'f', 4)));
    QCOMPARE(odu.tolerancePpm, tolerance);
}

void tst_OtnModel::catalogueFileAgrees()
{
    ParameterCatalogue catalogue;
    QStringList errors;
    QVERIFY(catalogue.loadFile(QStringLiteral(ZEL_SOURCE_ROOT "simulator/catalogue/mapping.json"), &errors));
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));

    struct Expect {
        int txId;
        int rxId;
        QVector<int> values;
        std::function<QString(int, int)> name;
        std::function<bool(int)> active;
    };
    const auto always = [](int) { return true; };
    const QList<Expect> expected = {
        {11008, 12006, C::interfaceValues(), [](int v, int) { return C::interfaceName(v); },
         [](int v) { return C::interfaceSignal(v) != nullptr; }},
        {11009, 12007, C::clientValues(), C::clientName, [](int v) { return C::client(v) != nullptr; }},
        {11010, 12008, C::multiplexKinds(), [](int v, int) { return C::multiplexName(v); },
         [](int v) { return v == 0 || C::multiplex(v); }},
        {11011, 12009, C::stage1Values(), [](int v, int) { return C::stage1Name(v); }, always},
        {11166, 12022, C::stage2Values(), [](int v, int) { return C::stage2Name(v); }, always},
        {14002, 14002, QVector<int>::fromList(OtnAlarmError::allItems()),
         [](int v, int) { return OtnAlarmError::itemName(v); }, always},
    };
    for (const Expect &e : expected) {
        for (int id : {e.txId, e.rxId}) {
            const ParameterDefinition *d = catalogue.find(nsSID::otn, id);
            QVERIFY2(d, qPrintable(QString::number(id)));
            QCOMPARE(d->kind, int(QcmaParameter::TypeEnum));
            QCOMPARE(d->enumerators.size(), e.values.size());
            for (int i = 0; i < e.values.size(); ++i) {
                const ParameterDefinition::Enumerator &en = d->enumerators.at(i);
                QCOMPARE(en.value, e.values.at(i));
                for (int terminology = 0; terminology < 3; ++terminology)
                    QCOMPARE(d->valueName(en.value, terminology), e.name(en.value, terminology));
                QCOMPARE(en.active, e.active(en.value));
            }
        }
    }
}

// Only CFP2 (3), CFP4 (4) and CXP (6) have several physical lanes. The receiver lists the transceivers in
// another order, after "OFF"; the transmitter's "SFP/SFP+" is the receiver's "SFP".
void tst_OtnModel::transceivers()
{
    for (int type = -1; type <= OtnModule::typeCount; ++type) {
        const bool multiLane = type == 3 || type == 4 || type == 6;
        QVERIFY2(OtnModule::isMultiLane(type) == multiLane, qPrintable(QString::number(type)));
        QVERIFY2(OtnModule::isMultiLaneRxValue(OtnModule::rxValueOf(type)) == multiLane,
                 qPrintable(QString::number(type)));
    }
    const ParameterDefinition *tx = testerCatalogue().find(nsSID::otn, 11143);
    const ParameterDefinition *rx = testerCatalogue().find(nsSID::otn, 12001);
    QVERIFY(tx && rx);
    QCOMPARE(tx->enumerators.size(), OtnModule::typeCount);
    for (int type = 0; type < OtnModule::typeCount; ++type) {
        const QString sent = tx->valueName(type, 0);
        const QString received = rx->valueName(OtnModule::rxValueOf(type), 0);
        QVERIFY2(sent == received || sent.startsWith(received + QLatin1Char('/')), qPrintable(sent + " / " + received));
    }
    QVERIFY(!OtnModule::isMultiLaneRxValue(0));
    QCOMPARE(OtnModule::rxValueOf(OtnModule::typeCount), -1);
}

QTEST_GUILESS_MAIN(tst_OtnModel)
#include "tst_otnmodel.moc"
