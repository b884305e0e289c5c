#include <QtTest>

#include "apps/shared/sid.h"
#include "tests/support/diagnosticsrecorder.h"

class tst_Sid : public QObject
{
    Q_OBJECT
private slots:
    void build_data();
    void build();
    void setPortKeepsFlagGroupAndId();
    void fieldsOf_data();
    void fieldsOf();
    void violatedPreconditions_data();
    void violatedPreconditions();
};

void tst_Sid::build_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<uint>("expected");
    QTest::newRow("no port") << 127 << 0x0D0000 << 15 << false << 0x7F0D000Fu;
    QTest::newRow("port 1 rx interface") << 1 << 0x0D0000 << 12006 << false << 0x010D2EE6u;
    QTest::newRow("flag set") << 0 << 0x0D0000 << 11008 << true << 0x800D2B00u;
    QTest::newRow("highest port and id") << 4 << 0xFF0000 << 0xFFFF << false << 0x04FFFFFFu;
}

void tst_Sid::build()
{
    QFETCH(int, port);
    QFETCH(int, group);
    QFETCH(int, id);
    QFETCH(bool, flag);
    QFETCH(uint, expected);
    DiagnosticsRecorder recorder;
    QCOMPARE(uint(nsSID::build(port, group, id, flag)), expected);
    QVERIFY2(recorder.lines().isEmpty(), qPrintable(recorder.lines().join('\n')));
}

void tst_Sid::setPortKeepsFlagGroupAndId()
{
    QCOMPARE(uint(nsSID::setPort(int(0x800D2B00u), 2)), 0x820D2B00u);
    QCOMPARE(uint(nsSID::setPort(0x7F0D000F, 3)), 0x030D000Fu);
}

void tst_Sid::fieldsOf_data()
{
    QTest::addColumn<uint>("sid");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("id");
    QTest::newRow("flag does not leak into port") << 0xFF0D0001u << 127 << 0x0D0000 << 1;
    QTest::newRow("group stays shifted") << 0x010D2EE6u << 1 << 0x0D0000 << 12006;
    QTest::newRow("global settings group") << 0x02067531u << 2 << 0x060000 << 30001;
}

void tst_Sid::fieldsOf()
{
    QFETCH(uint, sid);
    QFETCH(int, port);
    QFETCH(int, group);
    QFETCH(int, id);
    QCOMPARE(nsSID::portOf(int(sid)), port);
    QCOMPARE(nsSID::groupOf(int(sid)), group);
    QCOMPARE(nsSID::idOf(int(sid)), id);
}

void tst_Sid::violatedPreconditions_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<uint>("expected");
    QTest::newRow("port 5") << 5 << 0x0D0000 << 1 << "port <= max_number_of_ports || port == noPort" << 0x050D0001u;
    QTest::newRow("id too wide") << 1 << 0x0D0000 << 0x12345 << "(id & sidMask) == id" << 0x010D2345u;
    QTest::newRow("group not shifted") << 1 << 0x0D << 1 << "(grp & groupMask) == grp" << 0x0100000Du;
}

void tst_Sid::violatedPreconditions()
{
    QFETCH(int, port);
    QFETCH(int, group);
    QFETCH(int, id);
    QFETCH(QString, condition);
    QFETCH(uint, expected);
    DiagnosticsRecorder recorder;
    const uint sid = uint(nsSID::build(port, group, id));
    QCOMPARE(sid, expected);   // the value is still computed from the given fields
    const QStringList lines = recorder.withLineNumbersMasked();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith(QStringLiteral("ZEL_ASSERT_MSG: ..\\..\\apps\\shared\\sid: line %d - ") + condition
                                      + QStringLiteral(": ")),
             qPrintable(lines.first()));
}

QTEST_GUILESS_MAIN(tst_Sid)
#include "tst_sid.moc"
