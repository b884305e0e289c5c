#include <QtTest>

#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/otn/otntpts.h"
#include "tests/support/diagnosticsrecorder.h"

using namespace nsSettings::Otn;

Q_DECLARE_METATYPE(OtnMapping)

namespace {

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

} // namespace

class tst_OtnTpTs : public QObject
{
    Q_OBJECT
private slots:
    void multiplexFigures_data();
    void multiplexFigures();
    void assignCh_data();
    void assignCh();
    void assignChHonoursAllocation();
};

// G.709 clause 19: TS of the server OPU, tributaries, TS per tributary and the payload type. PT 21
// structures open every TS to allocation and find the TS automatically; PT 20 ones fix them. An ODUflex
// of n TS: floor(N / n) of them fit; the count is bounded by the server's TS; its TS are found anew.
void tst_OtnTpTs::multiplexFigures_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("flexTs");
    QTest::addColumn<int>("tsCount");
    QTest::addColumn<int>("tpCount");
    QTest::addColumn<int>("tsPerTp");
    QTest::addColumn<int>("payloadType");
    QTest::addColumn<int>("autoDetection");
    QTest::newRow("ODTU2.1") << int(MUX_ODU0_ODU2) << 0 << 8 << 8 << 1 << 0x21 << 1;
    QTest::newRow("ODTU12 on 2.5G TS") << int(MUX_ODU1_ODU2_PT20) << 0 << 4 << 4 << 1 << 0x20 << 0;
    QTest::newRow("ODTU12 on 1.25G TS") << int(MUX_ODU1_ODU2_PT21) << 0 << 8 << 4 << 2 << 0x21 << 1;
    QTest::newRow("ODTU13 on 1.25G TS") << int(MUX_ODU1_ODU3_PT21) << 0 << 32 << 16 << 2 << 0x21 << 1;
    QTest::newRow("ODTU23 on 1.25G TS") << int(MUX_ODU2_ODU3_PT21) << 0 << 32 << 4 << 8 << 0x21 << 1;
    QTest::newRow("ODTU3.9") << int(MUX_ODU2E_ODU3) << 0 << 32 << 3 << 9 << 0x21 << 1;
    QTest::newRow("ODTU4.1") << int(MUX_ODU0_ODU4) << 0 << 80 << 80 << 1 << 0x21 << 1;
    QTest::newRow("ODTU4.8 ODU2") << int(MUX_ODU2_ODU4) << 0 << 80 << 10 << 8 << 0x21 << 1;
    QTest::newRow("ODTU4.31") << int(MUX_ODU3_ODU4) << 0 << 80 << 2 << 31 << 0x21 << 1;
    QTest::newRow("ODUflex in ODU2, default") << int(MUX_ODUFLEX_ODU2) << 0 << 8 << 8 << 1 << 0x21 << 3;
    QTest::newRow("ODUflex in ODU2, 3 TS") << int(MUX_ODUFLEX_ODU2) << 3 << 8 << 2 << 3 << 0x21 << 3;
    QTest::newRow("ODUflex in ODU3, 9 TS") << int(MUX_ODUFLEX_ODU3) << 9 << 32 << 3 << 9 << 0x21 << 3;
    QTest::newRow("ODUflex in ODU4, 10 TS") << int(MUX_ODUFLEX_ODU4) << 10 << 80 << 8 << 10 << 0x21 << 3;
}

void tst_OtnTpTs::multiplexFigures()
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

void tst_OtnTpTs::assignCh_data()
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
    QTest::newRow("dummy TPs off: only the main TP")
        << OtnMapping(1, 0, MUX_ODU0_ODU2, 0, 0) << int(COPY_OFF) << 2 << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8} << 0
        << padded({-1, 1});
    QTest::newRow("a TP grows from its main TS")
        << OtnMapping(1, 0, MUX_ODU1_ODU2_PT21, 0, 0) << int(COPY_MAIN) << 1 << QVector<int>{1, 3, 5, 7} << 0
        << padded({0, 0, 1, 1, 2, 2, 3, 3});
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

void tst_OtnTpTs::assignCh()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, copyStatus);
    QFETCH(int, mainTp);
    QFETCH(QVector<int>, mainTs);
    QFETCH(int, flexTs);
    QFETCH(QVector<int>, channels);
    QCOMPARE(channelsOf(mapping, 0, copyStatus, quint32(mainTp), mainTs, quint32(flexTs)), channels);
}

void tst_OtnTpTs::assignChHonoursAllocation()
{
    // A caller without a channel array gets nothing written and no crash.
    const int startTs[2] = {1, 2};
    OtnTpTs::assignCh(0, OtnMapping(1, 0, MUX_ODU0_ODU2, 0, 0), COPY_MAIN, 1, startTs, 0, nullptr);

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

QTEST_GUILESS_MAIN(tst_OtnTpTs)
#include "tst_otntpts.moc"
