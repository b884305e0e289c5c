#include <QSet>
#include <QtTest>

#include "client/otn/components/otngfpupi.h"

using OtnGfpUpi::Table;
Q_DECLARE_METATYPE(OtnGfpUpi::Table)

namespace {
const QString reserved = QStringLiteral("Reserved codes for proprietary use");
const QString unused = QStringLiteral("Unused");
} // namespace

class tst_OtnGfpUpi : public QObject
{
    Q_OBJECT
private slots:
    void tableOfPti_data();
    void tableOfPti();
    void upiText_data();
    void upiText();
    void tablesHoldTheirCodesOnce_data();
    void tablesHoldTheirCodesOnce();
};

void tst_OtnGfpUpi::tableOfPti_data()
{
    QTest::addColumn<QString>("ptiText");
    QTest::addColumn<Table>("table");

    QTest::newRow("client data") << "000: Client Data" << Table::ClientData;
    QTest::newRow("client management") << "100: Client Management" << Table::ClientManagement;
    QTest::newRow("reserved prefix") << "101: Reserved" << Table::None;
    QTest::newRow("prefix not at the start") << " 000 Client Data" << Table::None;
    QTest::newRow("too short") << "10" << Table::None;
    QTest::newRow("empty") << "" << Table::None;
}

void tst_OtnGfpUpi::tableOfPti()
{
    QFETCH(QString, ptiText);
    QFETCH(Table, table);
    QCOMPARE(OtnGfpUpi::tableOfPti(ptiText), table);
}

void tst_OtnGfpUpi::upiText_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("data 1") << Table::ClientData << 1 << "Frame-mapped Ethernet";
    QTest::newRow("data 10") << Table::ClientData << 10 << "Framed-mapped RPR";
    QTest::newRow("data 15") << Table::ClientData << 15 << "Frame-mapped IS-IS, ES-IS, CLNP";
    QTest::newRow("data 21, last entry") << Table::ClientData << 21 << "Transparent transcoded FC-1200";
    QTest::newRow("data 0 reserved") << Table::ClientData << 0 << reserved;
    QTest::newRow("data 7 reserved") << Table::ClientData << 7 << reserved;
    QTest::newRow("data 14 unused") << Table::ClientData << 14 << unused;
    QTest::newRow("data 22 reserved") << Table::ClientData << 22 << reserved;
    QTest::newRow("data 200 reserved") << Table::ClientData << 200 << reserved;
    QTest::newRow("management 1") << Table::ClientManagement << 1 << "CSF (loss of client signal)";
    QTest::newRow("management 5") << Table::ClientManagement << 5 << "Client reverse defect indication (RDI)";
    QTest::newRow("management 0 reserved") << Table::ClientManagement << 0 << reserved;
    QTest::newRow("management 6 reserved") << Table::ClientManagement << 6 << reserved;
    QTest::newRow("management 14 reserved, not unused") << Table::ClientManagement << 14 << reserved;
    QTest::newRow("no table") << Table::None << 1 << "";
}

void tst_OtnGfpUpi::upiText()
{
    QFETCH(Table, table);
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(OtnGfpUpi::upiText(table, code), text);
}

void tst_OtnGfpUpi::tablesHoldTheirCodesOnce_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<QList<int>>("codes");

    QTest::newRow("client data")
        << Table::ClientData << QList<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21};
    QTest::newRow("client management") << Table::ClientManagement << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("none") << Table::None << QList<int>{};
}

void tst_OtnGfpUpi::tablesHoldTheirCodesOnce()
{
    QFETCH(Table, table);
    QFETCH(QList<int>, codes);

    QList<int> listed;
    QSet<QString> texts;
    for (const OtnGfpUpi::Entry &e : OtnGfpUpi::entries(table)) {
        listed << e.code;
        texts.insert(QString::fromLatin1(e.text));
        QVERIFY2(OtnGfpUpi::contains(table, e.code), qPrintable(QString::number(e.code)));
    }
    QCOMPARE(listed, codes);
    QCOMPARE(texts.size(), codes.size());
    for (int code = 0; code < 256; ++code)
        QCOMPARE(OtnGfpUpi::contains(table, code), codes.contains(code));
}

QTEST_APPLESS_MAIN(tst_OtnGfpUpi)
#include "tst_otngfpupi.moc"
