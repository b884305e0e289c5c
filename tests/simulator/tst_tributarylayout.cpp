#include <QtTest>

#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "simulator/tributarylayout.h"

using namespace nsSettings::Otn;

namespace {

int interfaceNamed(const char *name)
{
    for (int v : OtnSignalCatalogue::interfaceValues()) {
        if (OtnSignalCatalogue::interfaceName(v) == QLatin1String(name))
            return v;
    }
    return -1;
}

// count bytes: first value, then +step per TS; every TS belongs to one TP of perTp TS.
QByteArray msiOf(int count, int base, int perTp)
{
    QByteArray b;
    for (int t = 0; t < count; ++t)
        b.append(char(quint8(base | (t / perTp))));
    return b;
}

} // namespace

class tst_TributaryLayout : public QObject
{
    Q_OBJECT
private slots:
    void msiFollowsG709_data();
    void msiFollowsG709();
    void noStageNoMsi();
};

void tst_TributaryLayout::msiFollowsG709_data()
{
    QTest::addColumn<QString>("interfaceName");
    QTest::addColumn<int>("stage0");
    QTest::addColumn<QByteArray>("msi");

    // OPU1: ODTU01 marked 11, the port is the TS.
    QTest::newRow("ODU0 in OPU1") << "OTU1" << int(MUX_ODU0_ODU1) << msiOf(2, 0xC0, 1);
    // PT 20 on OPU2: ODTU12 (00), ports fixed to the 2.5G TS.
    QTest::newRow("ODU1 in OPU2, PT 20") << "OTU2" << int(MUX_ODU1_ODU2_PT20) << msiOf(4, 0x00, 1);
    // PT 21 on OPU2: ODTU12 (00) over two 1.25G TS per port.
    QTest::newRow("ODU1 in OPU2, PT 21") << "OTU2" << int(MUX_ODU1_ODU2_PT21) << msiOf(8, 0x00, 2);
    // ODTU2.ts (10) for GMP.
    QTest::newRow("ODU0 in OPU2") << "OTU2" << int(MUX_ODU0_ODU2) << msiOf(8, 0x80, 1);
    // ODTU23 is marked 01.
    QTest::newRow("ODU2 in OPU3, PT 20") << "OTU3" << int(MUX_ODU2_ODU3_PT20) << msiOf(16, 0x40, 4);
    QTest::newRow("ODU0 in OPU3") << "OTU3" << int(MUX_ODU0_ODU3) << msiOf(32, 0x80, 1);
    // Three ODU2e use 27 TS; the other 5 are unallocated (11, port 0).
    QTest::newRow("ODU2e in OPU3") << "OTU3" << int(MUX_ODU2E_ODU3)
                                   << msiOf(27, 0x80, 9) + QByteArray(5, char(0xC0));
    // OPU4: bit 1 = occupied, bits 2-8 = port - 1.
    QTest::newRow("ODU0 in OPU4") << "OTU4" << int(MUX_ODU0_ODU4) << msiOf(80, 0x80, 1);
}

void tst_TributaryLayout::msiFollowsG709()
{
    QFETCH(QString, interfaceName);
    QFETCH(int, stage0);
    QFETCH(QByteArray, msi);

    const int iface = interfaceNamed(qPrintable(interfaceName));
    QVERIFY(iface >= 0);
    const TributaryLayout layout(OtnMapping(iface, 0, stage0, 0, 0), 0);
    QVERIFY(layout.exists());
    QCOMPARE(layout.tsCount(), msi.size());
    QCOMPARE(layout.msi().toHex(' '), msi.toHex(' '));
}

void tst_TributaryLayout::noStageNoMsi()
{
    const TributaryLayout layout(OtnMapping(interfaceNamed("OTU2"), 0, 0, 0, 0), 0);
    QVERIFY(!layout.exists());
    QVERIFY(layout.msi().isEmpty());
    QCOMPARE(layout.channels(true), QVector<int>(80, -1));
}

QTEST_GUILESS_MAIN(tst_TributaryLayout)
#include "tst_tributarylayout.moc"
