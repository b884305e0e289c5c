#include <QtTest>

#include <QtEndian>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/qcmaparameter.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

using namespace nsSettings::Otn;
using namespace PID::Otn;
using SimTest::valueNamed;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The remainder of the bits (first bit first) divided by the generator polynomial of the given degree
// (its terms below x^degree): zero for a codeword with a good CRC.
uint remainder(quint64 bits, int count, int degree, uint terms)
{
    const quint64 generator = (quint64(1) << degree) | terms;
    for (int i = count - 1; i >= degree; --i) {
        if (bits & (quint64(1) << i))
            bits ^= generator << (i - degree);
    }
    return uint(bits);
}

// Where the overhead byte of row r, column c (1-based) sits in a capture record.
constexpr int at(int row, int column)
{
    return 16 * (row - 1) + (column - 1);
}

quint8 overhead(const QByteArray &record, int row, int column)
{
    return quint8(record.at(at(row, column)));
}

// Port 1's interval data as the tester answers a request for the current interval.
class CaptureTest
{
public:
    explicit CaptureTest(TesterFixture &f) : m_f(f)
    {
        QObject::connect(f.link(), &ServerLink::intervalDataArrived, &m_context, [this](QSharedPointer<IntervalData> d) {
            if (auto scan = d.dynamicCast<IntervalDataOtnTributaryScan>()) {
                words = scan->words;
                ++scans;
            } else if (auto block = d.dynamicCast<IntervalDataCounters>()) {
                counters = block->values;
            } else if (auto capture = d.dynamicCast<IntervalDataOtnCapture>()) {
                for (int level = 0; level < IntervalDataOtnCapture::levelCount; ++level)
                    records[level] = capture->records[level];
                ++captures;
            }
        });
    }
    bool request()
    {
        const int before = captures;
        m_f.manager()->Interval_GetAndPost_Ex(1, nsSID::otn, currentIntervalSelector);
        return m_f.settle() && captures == before + 1;
    }
    QVector<quint32> words;
    QByteArray records[IntervalDataOtnCapture::levelCount];
    QHash<int, IntervalDataCounters::Value> counters;
    int scans = 0;
    int captures = 0;

private:
    TesterFixture &m_f;
    QObject m_context;
};

} // namespace

class tst_IntervalData : public QObject
{
    Q_OBJECT
private slots:
    void overheadBytesSitWhereG709PutsThem_data();
    void overheadBytesSitWhereG709PutsThem();
    void tributarySlotBlocks();
    void scanWords_data();
    void scanWords();
    void gmpJustificationControlCarriesTheResultsCm_data();
    void gmpJustificationControlCarriesTheResultsCm();
};

void tst_IntervalData::overheadBytesSitWhereG709PutsThem_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("FAS") << TX::ODU_FAS[0] << QVariant(hex("f6f6f6282801")) << at(1, 1) << hex("f6f6f6282801");
    QTest::newRow("SM TTI byte") << 11016 << QVariant(hex("5a") + QByteArray(15, 'A')) << at(1, 8) << hex("5a");
    QTest::newRow("SM byte 3") << 11019 << QVariant(0x6du) << at(1, 10) << hex("6d");
    QTest::newRow("TCM6 byte 3") << TX::ODU_TCM_BITS[0][5] << QVariant(0x66u) << at(2, 7) << hex("66");
    QTest::newRow("TCM5 byte 3") << TX::ODU_TCM_BITS[0][4] << QVariant(0x55u) << at(2, 10) << hex("55");
    QTest::newRow("TCM1 byte 3") << TX::ODU_TCM_BITS[0][0] << QVariant(0x11u) << at(3, 9) << hex("11");
    QTest::newRow("PM byte 3") << TX::ODU_PM_BITS[0] << QVariant(0xb5u) << at(3, 12) << hex("b5");
    QTest::newRow("GCC1") << TX::ODU_GCC1[0] << QVariant(hex("c1c1")) << at(4, 1) << hex("c1c1");
    QTest::newRow("PSI[0]") << TX::OPU_PAYLOAD_TYPE[0] << QVariant(hex("83")) << at(4, 15) << hex("83");
    // The messages of the multiframe follow the frame's overhead: TTIs of 64 bytes (SM, PM, TCM1-6), then
    // the FTFL's two halves of 128 bytes.
    const QByteArray os(32, 'o'), dapi(16, '3'), fos(118, 'f'), boi("USAOPERA1");
    QTest::newRow("SM DAPI") << 11017 << QVariant(dapi) << 64 + 16 << dapi;
    QTest::newRow("PM SAPI") << TX::ODU_PM_TTI_SAPI[0] << QVariant(dapi) << 128 << dapi;
    QTest::newRow("TCM3 DAPI") << TX::ODU_TCM_TTI_DAPI[2] << QVariant(dapi) << 192 + 2 * 64 + 16 << dapi;
    QTest::newRow("FTFL forward operator specific") << TX::ODU_FTFL_FOS[0] << QVariant(fos) << 576 + 10 << fos;
    QTest::newRow("FTFL backward operator identifier") << TX::ODU_FTFL_BOI[0] << QVariant(boi) << 576 + 129 << boi;
}

void tst_IntervalData::overheadBytesSitWhereG709PutsThem()
{
    QFETCH(int, id);
    QFETCH(QVariant, value);
    QFETCH(int, offset);
    QFETCH(QByteArray, expected);

    TesterFixture f;
    CaptureTest capture(f);
    QVERIFY(f.writeAndWait(1, id, value));
    QVERIFY(capture.request());
    const QByteArray &record = capture.records[0];
    QCOMPARE(record.size(), IntervalDataOtnCapture::recordSize);
    QCOMPARE(record.mid(offset, expected.size()).toHex(), expected.toHex());
    // The frame captured is the one with MFAS 0.
    QCOMPARE(overhead(record, 1, 7), quint8(0));
}

void tst_IntervalData::tributarySlotBlocks()
{
    TesterFixture f;
    CaptureTest capture(f);
    QVERIFY(f.writeAndWait(1, TX::MAPPING[0], valueNamed(f, TX::MAPPING[0], QStringLiteral("OTU2"))));
    QVERIFY(f.writeAndWait(1, TX::MAPPING[2], MUX_ODU1_ODU2_PT21));
    QVERIFY(f.writeAndWait(1, TX::MAIN_TS[0], hex("05010307")));
    QVERIFY(f.writeAndWait(1, TX::MAIN_TP[0], 2u));
    QVERIFY(capture.request());
    // The TS block: one little-endian word per TS from byte 1088.
    const auto words = [&capture](int count) {
        QVector<int> w;
        for (int t = 0; t < count; ++t)
            w.append(qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(capture.records[0].constData() + 1088 + 2 * t)));
        return w;
    };
    // TP 1 starts in TS 5, TP 2 in TS 1, TP 3 in TS 3, TP 4 in TS 7, each taking the next TS as well.
    QCOMPARE(words(8), QVector<int>({2, 2, 3, 3, 1, 1, 4, 4}));
    QCOMPARE(words(80).mid(8), QVector<int>(72, 0x100));
    QCOMPARE(capture.records[0].mid(1248, 5), hex("04000206ff"));
    // The MSI after PT 21 names each TS's tributary port.
    QCOMPARE(capture.records[0].mid(834, 8), hex("0101020200000303"));

    // With dummy TPs unequipped only the main TP keeps its slots.
    QVERIFY(f.writeAndWait(1, TX::TX_COPY[0], int(COPY_OFF)));
    QVERIFY(capture.request());
    QCOMPARE(words(3), QVector<int>({2, 2, 0x100}));
}

// Tx overhead bytes (id, value) that raise alarms.
using TxBytes = QVector<QPair<int, int>>;

void tst_IntervalData::scanWords_data()
{
    QTest::addColumn<int>("portMode");
    QTest::addColumn<TxBytes>("txBytes");
    QTest::addColumn<QVector<quint32>>("first");

    constexpr int bdi = 0x08;
    constexpr int statAis = 0x07;
    // Tx: OTU2 with ODU1 in ODTU12 (PT 21), main TP 3; the receiver follows its TP 1. A clean scan and
    // unequipped TPs are read back by the scan page's test.
    QTest::newRow("port switched off") << 0 << TxBytes{} << QVector<quint32>({0x4000, 0x80, 0x80, 0x80, 0x80, 0});
    QTest::newRow("alarms of the followed tributary")
        << 1 << TxBytes{{TX::ODU_PM_BITS[1], bdi}} << QVector<quint32>({0, 0x08, 0, 0, 0, 0});
    QTest::newRow("ODU-AIS of the line's ODU reaches every tributary")
        << 1 << TxBytes{{TX::ODU_PM_BITS[0], statAis}} << QVector<quint32>({0x40, 0x40, 0x40, 0x40, 0x40, 0});
}

void tst_IntervalData::scanWords()
{
    QFETCH(int, portMode);
    QFETCH(TxBytes, txBytes);
    QFETCH(QVector<quint32>, first);

    TesterFixture f;
    CaptureTest scan(f);
    const int otu2 = valueNamed(f, TX::MAPPING[0], QStringLiteral("OTU2"));
    QVERIFY(f.writeAndWait(1, TX::MAPPING[0], otu2));
    QVERIFY(f.writeAndWait(1, TX::MAPPING[2], MUX_ODU1_ODU2_PT21));
    QVERIFY(f.writeAndWait(1, TX::MAIN_TP[0], 3u));
    QVERIFY(f.writeAndWait(1, RX::MAPPING[0], otu2));
    QVERIFY(f.writeAndWait(1, RX::MAPPING[2], MUX_ODU1_ODU2_PT21));
    QVERIFY(f.writeAndWait(1, 11001, portMode));
    for (const auto &txByte : txBytes)
        QVERIFY(f.writeAndWait(1, txByte.first, uint(txByte.second)));
    QVERIFY(f.writeAndWait(1, SCAN::RUNNING, 1));
    QVERIFY(scan.request());
    QCOMPARE(scan.scans, 1);
    QCOMPARE(scan.words.size(), 83);
    QCOMPARE(scan.words.mid(0, first.size()), first);
    QCOMPARE(scan.words.mid(first.size()), QVector<quint32>(83 - first.size(), 0));
}

void tst_IntervalData::gmpJustificationControlCarriesTheResultsCm_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("payloadOffset");   // ppm of the ODU0 (payload offset of level 2)

    // OTU4 > ODU2 > ODU0, GMP on both stages: the ODU2's Cm has a fraction, the ODU0's is whole at
    // nominal rates and gets one with an offset.
    QTest::newRow("ODU2 in the ODU4") << 0 << 0.0;
    QTest::newRow("ODU0 in the ODU2, +20 ppm") << 1 << 20.0;
}

void tst_IntervalData::gmpJustificationControlCarriesTheResultsCm()
{
    QFETCH(int, level);
    QFETCH(double, payloadOffset);
    using namespace nsIID::Otn::Pointer;
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    CaptureTest capture(f);
    QVERIFY(f.writeAndWait(1, 14014, payloadOffset));
    for (int second = 0; second < 3; ++second) {
        QVERIFY(capture.request());
        const QHash<int, IntervalDataCounters::Value> &results = capture.counters;
        // The Cm of the interval moved only by the steps counted in it.
        const bool moved = results.value(CmtMin[level]).count != results.value(CmtMax[level]).count;
        QCOMPARE(moved, results.value(Inc1[level]).count + results.value(Dec1[level]).count > 0);
    }
    const QByteArray &r = capture.records[level];
    const quint64 jc123 = (quint64(overhead(r, 1, 16)) << 16) | (quint64(overhead(r, 2, 16)) << 8) | overhead(r, 3, 16);
    const quint64 jc456 = (quint64(overhead(r, 1, 15) & 0x1F) << 10) | (quint64(overhead(r, 2, 15) & 0x1F) << 5)
                          | (overhead(r, 3, 15) & 0x1F);
    // JC3 is the CRC-8 (x^8 + x^3 + x^2 + 1) of JC1-JC2, JC6 the CRC-5 (x^5 + x + 1) of the CnD.
    QCOMPARE(remainder(jc123, 24, 8, 0x0D), 0u);
    QCOMPARE(remainder(jc456, 15, 5, 0x03), 0u);
    // II = DI = 0: C1-C14 is the Cm itself, which the results of the interval show.
    QCOMPARE(int(jc123 >> 8) & 0x3, 0);
    const quint64 cm = jc123 >> 10;
    const QHash<int, IntervalDataCounters::Value> &results = capture.counters;
    QVERIFY2(cm >= results.value(CmtMin[level]).count && cm <= results.value(CmtMax[level]).count,
             qPrintable(QStringLiteral("Cm %1 outside %2..%3")
                            .arg(cm).arg(results.value(CmtMin[level]).count).arg(results.value(CmtMax[level]).count)));
    // With one-byte words (the ODU0 takes one TS) nothing is left beyond the whole words.
    if (level == 1)
        QCOMPARE(jc456 >> 5, quint64(0));
}

QTEST_GUILESS_MAIN(tst_IntervalData)
#include "tst_intervaldata.moc"
