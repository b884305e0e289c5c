#include <QtTest>

#include "client/otn/components/otnpayloadtype.h"

class tst_OtnPayloadType : public QObject
{
    Q_OBJECT
private slots:
    void payloadTypeText_data();
    void payloadTypeText();
    void tableIsComplete();
};

void tst_OtnPayloadType::payloadTypeText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("text");
    QTest::newRow("0x00 unused") << 0x00 << false << "0x00 Unused";
    QTest::newRow("0x1D unused") << 0x1D << false << "0x1D Unused";
    QTest::newRow("0x22 unused") << 0x22 << false << "0x22 Unused";
    QTest::newRow("0x80 own text") << 0x80 << true
                                   << "0x80 Reserved codes for proprietary use (non-standard payload mappings)";
    QTest::newRow("0x81 proprietary") << 0x81 << false << "0x81 Reserved codes for proprietary use";
    QTest::newRow("0x8F proprietary") << 0x8F << false << "0x8F Reserved codes for proprietary use";
    QTest::newRow("0x90 unused") << 0x90 << false << "0x90 Unused";
    QTest::newRow("0x7F unused") << 0x7F << false << "0x7F Unused";
    QTest::newRow("0xFD NULL") << 0xFD << true << "0xFD NULL test signal mapping";
    QTest::newRow("0x01 first") << 0x01 << true << "0x01 Experimental mapping";
    QTest::newRow("0x0A STM-1") << 0x0A << true << "0x0A STM-1 mapping into OPU0";
    QTest::newRow("0x12 two blanks") << 0x12 << true << "0x12 IB SDR  mapping into OPUflex";
    QTest::newRow("0xFF last") << 0xFF << true << "0xFF Not available";
}

void tst_OtnPayloadType::payloadTypeText()
{
    QFETCH(int, code);
    QFETCH(bool, known);
    QFETCH(QString, text);
    QCOMPARE(isKnownPayloadType(quint8(code)), known);
    QCOMPARE(::payloadTypeText(quint8(code)), text);
}

void tst_OtnPayloadType::tableIsComplete()
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

QTEST_MAIN(tst_OtnPayloadType)
#include "tst_otnpayloadtype.moc"
