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
    void maskNonPrintable_data();
    void maskNonPrintable();
    void bytesToPrintable_data();
    void bytesToPrintable();
    void enteredText_data();
    void enteredText();
    void fieldBytesKeepTheirLength_data();
    void fieldBytesKeepTheirLength();
    void ttiFromParameters_data();
    void ttiFromParameters();
    void ftflHalfFromParameters_data();
    void ftflHalfFromParameters();
    void faultIndicationText_data();
    void faultIndicationText();
};

void tst_OtnOhFormats::maskNonPrintable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("space to tilde kept") << " A~z0&" << " A~z0&";
    QTest::newRow("control characters") << "A\tB\nC" << "A.B.C";
    QTest::newRow("DEL") << QString(QChar(0x7F)) << ".";
    QTest::newRow("Latin-1 letter") << QString(QChar(0xE9)) + "t" + QString(QChar(0xE9)) << ".t.";
    QTest::newRow("beyond Latin-1") << QString(QChar(0x20AC)) << ".";
    QTest::newRow("empty") << "" << "";
}

void tst_OtnOhFormats::maskNonPrintable()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(::maskNonPrintable(text), shown);
}

void tst_OtnOhFormats::bytesToPrintable_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero, letter, DEL") << bytes({0x00, 0x41, 0x7F}) << 3 << ".A.";
    QTest::newRow("count shorter than the bytes") << QByteArray("ABCD") << 2 << "AB";
    QTest::newRow("count longer than the bytes") << QByteArray("AB") << 5 << "AB";
    QTest::newRow("zero in the middle does not end the text") << bytes({'A', 0, 'B'}) << 3 << "A.B";
    QTest::newRow("negative count") << QByteArray("AB") << -1 << "";
}

void tst_OtnOhFormats::bytesToPrintable()
{
    QFETCH(QByteArray, input);
    QFETCH(int, count);
    QFETCH(QString, shown);
    QCOMPARE(::bytesToPrintable(input, count), shown);
}

// What the keyboard returns becomes the field; what the field holds becomes the keyboard's start text and
// the button's text.
void tst_OtnOhFormats::enteredText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("buttonText");
    QTest::newRow("nothing into IS") << "" << 3 << QByteArray("   ") << "   ";
    QTest::newRow("ampersand") << "A&B" << 3 << QByteArray("A&B") << "A&&B";
    QTest::newRow("too long is cut") << "ABCDEFGHIJKLM" << 12 << QByteArray("ABCDEFGHIJKL") << "ABCDEFGHIJKL";
    QTest::newRow("Latin-1 kept as its byte") << QString(QChar(0xC4)) << 3 << bytes({0xC4, ' ', ' '}) << ".  ";
}

void tst_OtnOhFormats::enteredText()
{
    QFETCH(QString, typed);
    QFETCH(int, length);
    QFETCH(QByteArray, stored);
    QFETCH(QString, buttonText);
    const QByteArray field = paddedFieldText(typed, length);
    QCOMPARE(field, stored);
    QCOMPARE(escapeMnemonic(::bytesToPrintable(field, length)), buttonText);
    // Entering it again starts from what is stored.
    QCOMPARE(paddedFieldText(textBeforeZero(field), length), stored);
}

void tst_OtnOhFormats::fieldBytesKeepTheirLength_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("exact") << QByteArray("abcdef") << 1 << 3 << QByteArray("XYZ") << QByteArray("aXYZef");
    QTest::newRow("short bytes zero-filled") << QByteArray("abcdef") << 1 << 3 << QByteArray("X")
                                             << QByteArray("aX\0\0ef", 6);
    QTest::newRow("long bytes cut") << QByteArray("abcdef") << 4 << 2 << QByteArray("XYZ") << QByteArray("abcdXY");
    QTest::newRow("short message grows to the field") << QByteArray("ab") << 3 << 2 << QByteArray("XY")
                                                      << QByteArray("ab\0XY", 5);
}

void tst_OtnOhFormats::fieldBytesKeepTheirLength()
{
    QFETCH(QByteArray, message);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, after);
    const OtnOhField field{start, length};
    setFieldBytes(message, field, written);
    QCOMPARE(message, after);
    QCOMPARE(fieldBytes(message, field).size(), length);
    QCOMPARE(fieldBytes(message, field), after.mid(start, length));
    // Reading past the end of a message gives zeros, never a shorter field.
    QCOMPARE(fieldBytes(QByteArray("ab"), field), QByteArray("ab").mid(start, length).leftJustified(length, '\0'));
}

void tst_OtnOhFormats::ttiFromParameters_data()
{
    QTest::addColumn<QByteArray>("sapi");
    QTest::addColumn<QByteArray>("dapi");
    QTest::addColumn<QByteArray>("operatorSpecific");
    QTest::addColumn<QByteArray>("message");
    const QByteArray all = counting(64, 0xC0);
    QTest::newRow("64 raw bytes") << all.mid(0, 16) << all.mid(16, 16) << all.mid(32, 32) << all;
    QTest::newRow("tester default") << QByteArray(1, '\0') + "JPNTAMBRIK ZEL " << QByteArray(1, '\0') + "JPNTAMBRIK ZEL "
                                    << QByteArray(32, '\0')
                                    << QByteArray(1, '\0') + "JPNTAMBRIK ZEL " + QByteArray(1, '\0')
                                           + "JPNTAMBRIK ZEL " + QByteArray(32, '\0');
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
    QTest::newRow("tester default") << bytes({0x00}) << QByteArray("JPNZEL   ") << QByteArray(118, '\0')
                                    << QByteArray("JPN") << QByteArray("ZEL   ");
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
    QTest::newRow("signal degrade") << 0x02 << "0x02 Signal Degrade";
    QTest::newRow("first reserved") << 0x03 << "0x03 Reserved";
    QTest::newRow("reserved, upper-case digits") << 0x2A << "0x2A Reserved";
    QTest::newRow("last") << 0xFF << "0xFF Reserved";
}

void tst_OtnOhFormats::faultIndicationText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(::faultIndicationText(code), text);
}

QTEST_GUILESS_MAIN(tst_OtnOhFormats)
#include "tst_otnohformats.moc"
