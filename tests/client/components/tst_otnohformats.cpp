#include <QtTest>

#include "client/otn/components/otnftfllayout.h"
#include "client/otn/components/otnohfield.h"
#include "client/otn/components/otnohtext.h"
#include "client/otn/components/otnttilayout.h"
#include "tests/support/bitpattern.h"

namespace {

// 0, 1, 2, ... as many bytes as asked, starting at first.
QByteArray counting(int count, int first = 0)
{
    QByteArray array;
    for (int i = 0; i < count; ++i)
        array.append(char(first + i));
    return array;
}

} // namespace

class tst_OtnOhFormats : public QObject
{
    Q_OBJECT
private slots:
    void ttiFromParameters_data();
    void ttiFromParameters();
    void ftflHalfFromParameters_data();
    void ftflHalfFromParameters();
    void faultIndicationText_data();
    void faultIndicationText();
};

void tst_OtnOhFormats::ttiFromParameters_data()
{
    QTest::addColumn<QByteArray>("sapi");
    QTest::addColumn<QByteArray>("dapi");
    QTest::addColumn<QByteArray>("operatorSpecific");
    QTest::addColumn<QByteArray>("message");
    const QByteArray all = counting(64, 0xC0);
    QTest::newRow("64 raw bytes") << all.mid(0, 16) << all.mid(16, 16) << all.mid(32, 32) << all;
    // A SAPI of fewer than 15 characters (and no SAPI[0] of its own) must not shift the DAPI.
    QTest::newRow("short SAPI") << QByteArray("\x05JPNABC") << QByteArray(1, '\x06') + "DEUXYZ" << QByteArray("op")
                                << QByteArray("\x05JPNABC").leftJustified(16, '\0')
                                       + (QByteArray(1, '\x06') + "DEUXYZ").leftJustified(16, '\0')
                                       + QByteArray("op").leftJustified(32, '\0');
    QTest::newRow("long parts cut") << QByteArray(20, 'S') << QByteArray(20, 'D') << QByteArray(40, 'O')
                                    << QByteArray(16, 'S') + QByteArray(16, 'D') + QByteArray(32, 'O');
}

void tst_OtnOhFormats::ttiFromParameters()
{
    QFETCH(QByteArray, sapi);
    QFETCH(QByteArray, dapi);
    QFETCH(QByteArray, operatorSpecific);
    QFETCH(QByteArray, message);
    const QByteArray tti = OtnTti::message(sapi, dapi, operatorSpecific);
    QCOMPARE(tti, message);
    // And back to the three parameters, each of its exact length.
    const QByteArray parts = fieldBytes(tti, OtnTti::sapi) + fieldBytes(tti, OtnTti::dapi)
                             + fieldBytes(tti, OtnTti::operatorSpecific);
    QCOMPARE(parts, message);
    // The text fields sit behind SAPI[0] and DAPI[0].
    QCOMPARE(fieldBytes(tti, OtnTti::sapiIs) + fieldBytes(tti, OtnTti::sapiNs), message.mid(1, 15));
    QCOMPARE(fieldBytes(tti, OtnTti::dapiIs) + fieldBytes(tti, OtnTti::dapiNs), message.mid(17, 15));
}

void tst_OtnOhFormats::ftflHalfFromParameters_data()
{
    QTest::addColumn<QByteArray>("fif");
    QTest::addColumn<QByteArray>("oif");
    QTest::addColumn<QByteArray>("operatorSpecific");
    QTest::addColumn<QByteArray>("cc");
    QTest::addColumn<QByteArray>("nsc");
    QTest::newRow("operator identifier of 9 characters")
        << bytes({0x01}) << QByteArray("USAOPERA1") << counting(118, 1) << QByteArray("USA") << QByteArray("OPERA1");
    QTest::newRow("short identifier zero-filled") << bytes({0x02}) << QByteArray("DE") << QByteArray()
                                                  << QByteArray("DE\0", 3) << QByteArray(6, '\0');
}

void tst_OtnOhFormats::ftflHalfFromParameters()
{
    QFETCH(QByteArray, fif);
    QFETCH(QByteArray, oif);
    QFETCH(QByteArray, operatorSpecific);
    QFETCH(QByteArray, cc);
    QFETCH(QByteArray, nsc);
    const QByteArray half = OtnFtfl::half(fif, oif, operatorSpecific);
    QCOMPARE(half.size(), 128);
    QCOMPARE(half.at(0), fif.at(0));
    QCOMPARE(fieldBytes(half, OtnFtfl::oifCc), cc);
    QCOMPARE(fieldBytes(half, OtnFtfl::oifNsc), nsc);
    QCOMPARE(half.mid(10), operatorSpecific.leftJustified(118, '\0'));
    // The parameters again, FFI 1 byte, FOI 9, FOS 118.
    QCOMPARE(fieldBytes(half, OtnFtfl::fif) + fieldBytes(half, OtnFtfl::oif) + fieldBytes(half, OtnFtfl::operatorSpecific),
             half);
}

void tst_OtnOhFormats::faultIndicationText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("no fault") << 0x00 << "0x00 No Fault";
    QTest::newRow("signal fail") << 0x01 << "0x01 Signal Fail";
    QTest::newRow("reserved, upper-case digits") << 0x2A << "0x2A Reserved";
}

void tst_OtnOhFormats::faultIndicationText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(::faultIndicationText(code), text);
}

QTEST_GUILESS_MAIN(tst_OtnOhFormats)
#include "tst_otnohformats.moc"
