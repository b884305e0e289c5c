#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otntxgfpfdialog.h"
#include "client/otn/test_setup/otnmsimdetectiondialog.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "tests/support/testerfixture.h"

Q_DECLARE_METATYPE(OtnMapping)

// The setup dialogs on the simulated tester: its parameter names, rules and reference data.
namespace {
constexpr int port = 1;
constexpr int idPti = 11134;
constexpr int idUpi = 11137;

// Writes the mapping parameters of one direction in structure order; a stage the structure leaves out
// (undefined on the tester) counts as 0. False when a write is refused.
bool setMapping(TesterFixture &f, const int (&ids)[5], const OtnMapping &mapping)
{
    for (int field = 0; field < OtnMapping::fieldCount; ++field) {
        const QcmaParameter *held = f.cached(port, ids[field]);
        const int current = held && held->isDefined() ? held->getEnum() : 0;
        if (current != mapping.value(field) && !f.writeAndWait(port, ids[field], mapping.value(field)))
            return false;
    }
    return true;
}
} // namespace

class tst_OtnSetupDialogsRoad : public QObject
{
    Q_OBJECT
private slots:
    void gfpfUpiOnTheTester_data();
    void gfpfUpiOnTheTester();
    void msiFromTheTransmitter_data();
    void msiFromTheTransmitter();
};

void tst_OtnSetupDialogsRoad::gfpfUpiOnTheTester_data()
{
    QTest::addColumn<int>("upi");
    QTest::addColumn<QString>("dataText");
    QTest::addColumn<QString>("managementText");

    QTest::newRow("14") << 14 << "Unused" << "Reserved codes for proprietary use";
    QTest::newRow("200") << 200 << "Reserved codes for proprietary use" << "Reserved codes for proprietary use";
    QTest::newRow("4") << 4 << "Transparent FICON" << "Client forward defect indication (FDI)";
}

void tst_OtnSetupDialogsRoad::gfpfUpiOnTheTester()
{
    QFETCH(int, upi);
    QFETCH(QString, dataText);
    QFETCH(QString, managementText);

    TesterFixture fixture;
    // 10GbE through GFP-F in an ODU2: the tester defines the GFP-F header fields only then.
    QVERIFY(setMapping(fixture, PID::Otn::TX::MAPPING, OtnMapping(1, 5, 0, 0, 0)));
    QVERIFY(fixture.cached(port, idPti)->isDefined());
    QVERIFY(fixture.writeAndWait(port, idPti, 0));
    QVERIFY(fixture.writeAndWait(port, idUpi, upi));

    OtnTxGfpFDialog dialog(fixture.manager(), port);
    auto *cmbPti = dialog.findChild<QComboBox *>("cmbPti");
    auto *cmbUpi = dialog.findChild<QComboBox *>("cmbUpi");
    QCOMPARE(cmbUpi->currentText(), dataText);
    QCOMPARE(dialog.findChild<QPushButton *>("pbUpi")->text(), QStringLiteral("%1").arg(upi, 8, 2, QLatin1Char('0')));

    // The tester's management PTI name leads to the management table; OK sends it.
    int management = -1;
    for (int i = 0; i < cmbPti->count(); ++i) {
        if (cmbPti->itemText(i).startsWith(QLatin1String("100")))
            management = i;
    }
    QVERIFY2(management >= 0, "the tester offers client management frames");
    cmbPti->setCurrentIndex(management);
    QCOMPARE(cmbUpi->currentText(), managementText);
    dialog.findChild<QDialogButtonBox *>("bbTxGfpF")->button(QDialogButtonBox::Ok)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.cached(port, idPti)->getEnum(), 4);
    QCOMPARE(fixture.cached(port, idUpi)->getUInt(), uint(upi));
}

void tst_OtnSetupDialogsRoad::msiFromTheTransmitter_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("firstCells");

    // ODU0s in an OTU1: ODTU01 type (11) and the TS as port, in both TS.
    QTest::newRow("OTU1, 2 TS") << OtnMapping(0, 0, 4, 0, 0) << 1
                                << QStringList{"C0", "C1", "--", "--", "--", "--", "--", "--"};
    // ODU0s in an OTU4: TS occupied (bit 1) and the port in bits 2-8.
    QTest::newRow("OTU4, 80 TS") << OtnMapping(3, 0, 14, 0, 0) << 10
                                 << QStringList{"80", "81", "82", "83", "84", "85", "86", "87"};
}

void tst_OtnSetupDialogsRoad::msiFromTheTransmitter()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, rows);
    QFETCH(QStringList, firstCells);

    TesterFixture fixture;
    QVERIFY(setMapping(fixture, PID::Otn::TX::MAPPING, mapping));
    QVERIFY(setMapping(fixture, PID::Otn::RX::MAPPING, mapping));

    OtnMsimDetectionDialog dialog(fixture.manager(), port, nullptr, 0, mapping);
    auto *table = dialog.findChild<QTableWidget *>("tblMsiValue");
    QCOMPARE(table->rowCount(), rows);
    dialog.show();
    QStringList cells;
    for (int column = 0; column < 8; ++column)
        cells << table->item(0, column)->text();
    QCOMPARE(cells, firstCells);
    QCOMPARE(table->item(rows - 1, 7)->text() == QLatin1String("--"), rows == 1);
}

QTEST_MAIN(tst_OtnSetupDialogsRoad)
#include "tst_otnsetupdialogsroad.moc"
