#include <QtTest>

#include "client/otn/components/otngfpupi.h"

namespace {
const QString reserved = QStringLiteral("Reserved codes for proprietary use");
const QString unused = QStringLiteral("Unused");
} // namespace

class tst_OtnGfpUpi : public QObject
{
    Q_OBJECT
private slots:
    void upiTextByPti_data();
    void upiTextByPti();
};

void tst_OtnGfpUpi::upiTextByPti_data()
{
    QTest::addColumn<QString>("ptiText");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    const QString data = QStringLiteral("000: Client Data");
    const QString management = QStringLiteral("100: Client Management");
    QTest::newRow("data 1") << data << 1 << "Frame-mapped Ethernet";
    QTest::newRow("data 10") << data << 10 << "Framed-mapped RPR";
    QTest::newRow("data 21, last entry") << data << 21 << "Transparent transcoded FC-1200";
    QTest::newRow("data 0 reserved") << data << 0 << reserved;
    QTest::newRow("data 7 reserved") << data << 7 << reserved;
    QTest::newRow("data 14 unused") << data << 14 << unused;
    QTest::newRow("management 1") << management << 1 << "CSF (loss of client signal)";
    QTest::newRow("management 0 reserved") << management << 0 << reserved;
    QTest::newRow("management 14 reserved, not unused") << management << 14 << reserved;
    QTest::newRow("reserved prefix") << "101: Reserved" << 1 << "";
    QTest::newRow("empty") << "" << 1 << "";
}

void tst_OtnGfpUpi::upiTextByPti()
{
    QFETCH(QString, ptiText);
    QFETCH(int, code);
    QFETCH(QString, text);

    const OtnGfpUpi::Table table = OtnGfpUpi::tableOfPti(ptiText);
    QCOMPARE(OtnGfpUpi::upiText(table, code), text);
    // A code is in the table exactly when it has a text of its own.
    QCOMPARE(OtnGfpUpi::contains(table, code), !text.isEmpty() && text != reserved && text != unused);
}

QTEST_APPLESS_MAIN(tst_OtnGfpUpi)
#include "tst_otngfpupi.moc"
