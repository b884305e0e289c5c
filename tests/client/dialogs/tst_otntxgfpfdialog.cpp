#include <QComboBox>
#include <QGroupBox>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otntxgfpfdialog.h"
#include "dialogframe.h"
#include "host/parameters/qcmaparameter.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {
constexpr int idPti = 11134;
constexpr int idExi = 11136;
constexpr int idUpi = 11137;
constexpr int ptiData = 0;
constexpr int ptiManagement = 4;
constexpr int ptiReserved = 5;

const QString reserved = QStringLiteral("Reserved codes for proprietary use");

QString binary(int code)
{
    return QStringLiteral("%1").arg(code, 8, 2, QLatin1Char('0'));
}

const QByteArray gfpCatalogue = R"({"parameters": [
    {"id": 11134, "group": "0x0D0000", "kind": "enum", "name": "PTI", "default": 0,
     "values": [{"value": 0, "name": "000: Client Data"}, {"value": 4, "name": "100: Client Management"},
                {"value": 5, "name": "101: Reserved"}]},
    {"id": 11135, "group": "0x0D0000", "kind": "enum", "name": "PFI", "default": 0,
     "values": [{"value": 0, "name": "0: No Payload FCS"}, {"value": 1, "name": "1: Payload FCS"}]},
    {"id": 11136, "group": "0x0D0000", "kind": "enum", "name": "EXI", "default": 0,
     "values": [{"value": 0, "name": "0000: Null Extension Header"}, {"value": 1, "name": "0001: Linear Frame"},
                {"value": 2, "name": "0010: Ring Frame"}]},
    {"id": 11137, "group": "0x0D0000", "kind": "uint", "name": "UPI", "min": 0, "max": 255, "default": 1},
    {"id": 11138, "group": "0x0D0000", "kind": "uint", "name": "CID", "min": 0, "max": 255, "default": 0},
    {"id": 11139, "group": "0x0D0000", "kind": "uint", "name": "Spare", "min": 0, "max": 255, "default": 0},
    {"id": 11140, "group": "0x0D0000", "kind": "uint", "name": "cHEC Presync Times", "min": 1, "max": 255,
     "default": 1}
]})";

QHash<int, QVariant> gfpValues(int pti, int upi, int exi = 0, int port = 1)
{
    return {{nsSID::otnSid(port, idPti), pti}, {nsSID::otnSid(port, idUpi), upi}, {nsSID::otnSid(port, idExi), exi}};
}
} // namespace

class tst_OtnTxGfpFDialog : public QObject
{
    Q_OBJECT
private slots:
    void upiChoicesFollowPti_data();
    void upiChoicesFollowPti();
    void chosenUpiIsSentOnlyOnOk_data();
    void chosenUpiIsSentOnlyOnOk();
    void extensionHeaderFollowsExi();
};

void tst_OtnTxGfpFDialog::upiChoicesFollowPti_data()
{
    QTest::addColumn<int>("pti");
    QTest::addColumn<int>("upi");
    QTest::addColumn<int>("newPti");   // -1: as opened
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("currentText");

    const QString ethernet = QStringLiteral("Frame-mapped Ethernet");
    const QString csf = QStringLiteral("CSF (loss of client signal)");
    QTest::newRow("opened on data 200: extra item") << ptiData << 200 << -1 << false << 20 << ethernet << reserved;
    QTest::newRow("opened on an unknown PTI") << ptiReserved << 1 << -1 << false << 0 << "" << "";
    QTest::newRow("data to management, server") << ptiData << 2 << ptiManagement << false << 5 << csf
                                                << "CSF (loss of character synchronization)";
    QTest::newRow("management to data, user") << ptiManagement << 2 << ptiData << true << 19 << ethernet
                                              << "Frame-mapped PPP";
    QTest::newRow("data to management, code only in data table")
        << ptiData << 16 << ptiManagement << false << 6 << csf << reserved;
    QTest::newRow("unknown to data, server") << ptiReserved << 14 << ptiData << false << 20 << ethernet << "Unused";
}

void tst_OtnTxGfpFDialog::upiChoicesFollowPti()
{
    QFETCH(int, pti);
    QFETCH(int, upi);
    QFETCH(int, newPti);
    QFETCH(bool, byUser);
    QFETCH(int, items);
    QFETCH(QString, firstText);
    QFETCH(QString, currentText);

    // Port 1 keeps the defaults (data frames, UPI 1): the dialog must read its own port.
    TesterFixture server(gfpCatalogue, {1, 2}, gfpValues(pti, upi, 0, 2));
    OtnTxGfpFDialog dialog(server.manager(), 2);
    auto *cmbPti = dialog.findChild<QComboBox *>("cmbPti");
    auto *cmbUpi = dialog.findChild<QComboBox *>("cmbUpi");
    auto *pbUpi = dialog.findChild<QPushButton *>("pbUpi");
    QVERIFY(cmbPti && cmbUpi && pbUpi);

    if (newPti >= 0 && byUser) {
        const QString name = dialog.texts().getValueName(nsSID::otnSid(2, idPti), newPti, 0);
        QVERIFY2(cmbPti->findText(name) >= 0, qPrintable(name));
        cmbPti->setCurrentIndex(cmbPti->findText(name));
    } else if (newPti >= 0) {
        server.fake()->serverChange(nsSID::otnSid(2, idPti), newPti);
        QTRY_COMPARE(server.cachedSid(nsSID::otnSid(2, idPti))->getEnum(), newPti);
    }
    QCOMPARE(cmbUpi->count(), items);
    QCOMPARE(cmbUpi->itemText(0), firstText);
    QCOMPARE(cmbUpi->currentText(), currentText);
    QCOMPARE(cmbUpi->isEnabled(), items > 0);
    if (items > 0)
        QCOMPARE(cmbUpi->currentData().toInt(), upi);
    // Opening and refilling are display changes: the UPI itself is not written.
    QCOMPARE(pbUpi->text(), binary(upi));
    QCOMPARE(server.fake()->writeRequests(), 0);
    QCOMPARE(server.fake()->value(nsSID::otnSid(2, idUpi))->getUInt(), uint(upi));
}

void tst_OtnTxGfpFDialog::chosenUpiIsSentOnlyOnOk_data()
{
    QTest::addColumn<int>("pti");
    QTest::addColumn<int>("startUpi");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("chosenCode");
    QTest::addColumn<int>("itemsAfterChoice");
    QTest::addColumn<bool>("accept");

    QTest::newRow("reserved code replaced, OK") << ptiData << 200 << "Frame-mapped IPv4" << 16 << 19 << true;
    QTest::newRow("management choice, OK") << ptiManagement << 1 << "Client forward defect indication (FDI)"
                                           << 4 << 5 << true;
    QTest::newRow("unused code replaced, Cancel") << ptiData << 14 << "Frame-mapped MPLS" << 13 << 19 << false;
}

void tst_OtnTxGfpFDialog::chosenUpiIsSentOnlyOnOk()
{
    QFETCH(int, pti);
    QFETCH(int, startUpi);
    QFETCH(QString, chosen);
    QFETCH(int, chosenCode);
    QFETCH(int, itemsAfterChoice);
    QFETCH(bool, accept);

    TesterFixture server(gfpCatalogue, {1}, gfpValues(pti, startUpi));
    OtnTxGfpFDialog dialog(server.manager(), 1);
    auto *cmbUpi = dialog.findChild<QComboBox *>("cmbUpi");
    auto *pbUpi = dialog.findChild<QPushButton *>("pbUpi");
    QVERIFY2(cmbUpi->findText(chosen) >= 0, qPrintable(chosen));
    cmbUpi->setCurrentIndex(cmbUpi->findText(chosen));
    // The choice shows at once; a code outside the table disappears from the list once another is chosen.
    QCOMPARE(pbUpi->text(), binary(chosenCode));
    QCOMPARE(cmbUpi->count(), itemsAfterChoice);
    QCOMPARE(cmbUpi->currentText(), chosen);
    QCOMPARE(server.fake()->writeRequests(), 0);

    dialog.findChild<QDialogButtonBox *>("bbTxGfpF")->button(accept ? QDialogButtonBox::Ok
                                                                    : QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(server.fake()->writeRequests(), accept ? 1 : 0);
    if (accept) {
        QTRY_COMPARE(server.cachedSid(nsSID::otnSid(1, idUpi))->getUInt(), uint(chosenCode));
        QCOMPARE(server.fake()->value(nsSID::otnSid(1, idUpi))->getType(), int(QcmaParameter::TypeUInt));
    } else {
        QCOMPARE(server.fake()->value(nsSID::otnSid(1, idUpi))->getUInt(), uint(startUpi));
        // The dropped choice gives way to the server's value again.
        QCOMPARE(cmbUpi->currentData().toInt(), startUpi);
        QCOMPARE(pbUpi->text(), binary(startUpi));
    }
}

void tst_OtnTxGfpFDialog::extensionHeaderFollowsExi()
{
    TesterFixture server(gfpCatalogue, {1}, gfpValues(ptiData, 1, 0));
    OtnTxGfpFDialog dialog(server.manager(), 1);
    QList<QWidget *> header;
    for (const char *name : {"gbExtentionHeader", "lblCid", "pbCid", "lblSpare", "pbSpare"})
        header << dialog.findChild<QWidget *>(name);
    QVERIFY(!header.contains(nullptr));
    // Only a linear extension header (EXI 1) has a CID and a spare byte: null, then linear, then ring.
    for (int exi : {0, 1, 2}) {
        if (exi > 0) {
            server.fake()->serverChange(nsSID::otnSid(1, idExi), exi);
            QTRY_COMPARE(header.first()->isHidden(), exi != 1);
        }
        for (QWidget *w : header)
            QVERIFY2(w->isHidden() == (exi != 1), qPrintable(w->objectName()));
    }
    QVERIFY(!dialog.findChild<QWidget *>("gbRx")->isHidden());
}

QTEST_MAIN(tst_OtnTxGfpFDialog)
#include "tst_otntxgfpfdialog.moc"
