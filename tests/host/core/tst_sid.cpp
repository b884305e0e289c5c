#include <QtTest>

#include "apps/shared/sid.h"
#include "tests/support/diagnosticsrecorder.h"

// SIDs, and the report lines a violated field gives.
class tst_Sid : public QObject
{
    Q_OBJECT
private slots:
    void build_data();
    void build();
    void setPortKeepsFlagGroupAndId();
};

// A violated field is reported, and the SID is still computed from the given fields.
void tst_Sid::build_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<uint>("expected");
    QTest::addColumn<QString>("condition");   // empty: nothing reported
    QTest::newRow("no port") << 127 << 0x0D0000 << 15 << false << 0x7F0D000Fu << "";
    QTest::newRow("flag set") << 0 << 0x0D0000 << 11008 << true << 0x800D2B00u << "";
    QTest::newRow("highest port and id") << 4 << 0xFF0000 << 0xFFFF << false << 0x04FFFFFFu << "";
    QTest::newRow("port 5") << 5 << 0x0D0000 << 1 << false << 0x050D0001u
                            << "port <= max_number_of_ports || port == noPort";
    QTest::newRow("id too wide") << 1 << 0x0D0000 << 0x12345 << false << 0x010D2345u << "(id & sidMask) == id";
    QTest::newRow("group not shifted") << 1 << 0x0D << 1 << false << 0x0100000Du << "(grp & groupMask) == grp";
}

void tst_Sid::build()
{
    QFETCH(int, port);
    QFETCH(int, group);
    QFETCH(int, id);
    QFETCH(bool, flag);
    QFETCH(uint, expected);
    QFETCH(QString, condition);
    DiagnosticsRecorder recorder;
    QCOMPARE(uint(nsSID::build(port, group, id, flag)), expected);
    const QStringList lines = recorder.withLineNumbersMasked();
    QCOMPARE(lines.size(), condition.isEmpty() ? 0 : 1);
}

void tst_Sid::setPortKeepsFlagGroupAndId()
{
    QCOMPARE(uint(nsSID::setPort(int(0x800D2B00u), 2)), 0x820D2B00u);
    QCOMPARE(uint(nsSID::setPort(0x7F0D000F, 3)), 0x030D000Fu);
}

QTEST_GUILESS_MAIN(tst_Sid)
#include "tst_sid.moc"
