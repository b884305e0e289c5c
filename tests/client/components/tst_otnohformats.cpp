#include <QtTest>

#include "client/otn/components/otnftfllayout.h"
#include "client/otn/components/otnohfield.h"
#include "client/otn/components/otnohtext.h"
#include "client/otn/components/otnpayloadtype.h"
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
    void codeTexts_data();
    void codeTexts();
    void payloadTypeTableIsComplete();
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

void tst_OtnOhFormats::codeTexts_data()
{
    QTest::addColumn<bool>("payloadType");   // else a fault indication code
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("PT 0x00 unused") << true << 0x00 << "0x00 Unused";
    QTest::newRow("PT 0x0A STM-1") << true << 0x0A << "0x0A STM-1 mapping into OPU0";
    QTest::newRow("PT 0x12 two blanks") << true << 0x12 << "0x12 IB SDR  mapping into OPUflex";
    QTest::newRow("PT 0x80 own text") << true << 0x80
                                      << "0x80 Reserved codes for proprietary use (non-standard payload mappings)";
    QTest::newRow("PT 0x81 proprietary") << true << 0x81 << "0x81 Reserved codes for proprietary use";
    QTest::newRow("PT 0x90 unused") << true << 0x90 << "0x90 Unused";
    QTest::newRow("PT 0xFD NULL") << true << 0xFD << "0xFD NULL test signal mapping";
    QTest::newRow("PT 0xFF last") << true << 0xFF << "0xFF Not available";
    QTest::newRow("FI no fault") << false << 0x00 << "0x00 No Fault";
    QTest::newRow("FI reserved, upper-case digits") << false << 0x2A << "0x2A Reserved";
}

void tst_OtnOhFormats::codeTexts()
{
    QFETCH(bool, payloadType);
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(payloadType ? ::payloadTypeText(quint8(code)) : ::faultIndicationText(code), text);
}

// Which codes are known is checked here: 36 of them, each listed once and in order.
void tst_OtnOhFormats::payloadTypeTableIsComplete()
{
    const QStringList texts = payloadTypeTexts();
    QCOMPARE(texts.size(), 36);
    // Every known code is listed once, in ascending order (so the list holds nothing else), and its
    // text starts with the code.
    int known = 0;
    int previous = -1;
    for (int code = 0; code < 256; ++code) {
        const QString text = ::payloadTypeText(quint8(code));
        QVERIFY2(text.startsWith(QStringLiteral("0x") + ::hexByte(uint(code)) + QLatin1Char(' ')), qPrintable(text));
        if (!isKnownPayloadType(quint8(code))) {
            QVERIFY2(!texts.contains(text), qPrintable(text));
            continue;
        }
        const int index = texts.indexOf(text);
        QVERIFY2(index > previous, qPrintable(text));
        previous = index;
        ++known;
    }
    QCOMPARE(known, 36);
}

QTEST_GUILESS_MAIN(tst_OtnOhFormats)
#include "tst_otnohformats.moc"
