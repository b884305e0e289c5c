#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otntxgfpfdialog.h"
#include "host/parameters/qcmaparameter.h"
#include "host/texts/widgettext.h"
#include "setupdialogserver.h"

namespace {
constexpr int idPti = 11134;
constexpr int idExi = 11136;
constexpr int idUpi = 11137;
constexpr int ptiData = 0;
constexpr int ptiManagement = 4;
constexpr int ptiReserved = 5;

const QString reserved = QStringLiteral("Reserved codes for proprietary use");

int sid(int id, int port = 1)
{
    return nsSID::build(port, nsSID::otn, id);
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
    return {{sid(idPti, port), pti}, {sid(idUpi, port), upi}, {sid(idExi, port), exi}};
}

QString ptiName(int pti)
{
    return WidgetText::instance()->getValueName(sid(idPti), pti, 0);
}
} // namespace

class tst_OtnTxGfpFDialog : public QObject
{
    Q_OBJECT
private slots:
    void formAndTexts();
    void upiOnOpening_data();
    void upiOnOpening();
    void ptiSwitchRefillsUpiChoices_data();
    void ptiSwitchRefillsUpiChoices();
    void chosenUpiIsSentOnlyOnOk_data();
    void chosenUpiIsSentOnlyOnOk();
    void extensionHeaderFollowsExi_data();
    void extensionHeaderFollowsExi();
};

void tst_OtnTxGfpFDialog::formAndTexts()
{
    SetupDialogServer server(gfpCatalogue);
    OtnTxGfpFDialog dialog(server.manager(), 1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("GFP-F Setup"));
    QCOMPARE(dialog.helpPage(), QStringLiteral("otn_tx_gfpf_dialog.html"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    auto *box = dialog.findChild<QDialogButtonBox *>("bbTxGfpF");
    QVERIFY(box);
    QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), WidgetText::instance()->getCommonText(2005));
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), WidgetText::instance()->getCommonText(2006));
    QCOMPARE(dialog.findChild<QGroupBox *>("gbExtentionHeader")->title(), QStringLiteral("Extention Header"));
    // Every bound combo holds the server's choices.
    QCOMPARE(dialog.findChild<QComboBox *>("cmbPti")->currentText(), QStringLiteral("000: Client Data"));
    QCOMPARE(dialog.findChild<QComboBox *>("cmbPfi")->count(), 2);
    QCOMPARE(dialog.findChild<QComboBox *>("cmbExi")->count(), 3);
}

void tst_OtnTxGfpFDialog::upiOnOpening_data()
{
    QTest::addColumn<int>("pti");
    QTest::addColumn<int>("upi");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("binary");

    QTest::newRow("data entry") << ptiData << 1 << "Frame-mapped Ethernet" << 19 << "00000001";
    QTest::newRow("data last entry") << ptiData << 21 << "Transparent transcoded FC-1200" << 19 << "00010101";
    QTest::newRow("data 14 unused") << ptiData << 14 << "Unused" << 20 << "00001110";
    QTest::newRow("data 200 reserved") << ptiData << 200 << reserved << 20 << "11001000";
    QTest::newRow("data 7 reserved") << ptiData << 7 << reserved << 20 << "00000111";
    QTest::newRow("management entry") << ptiManagement << 3 << "Client defect clear indication (DCI)" << 5
                                      << "00000011";
    QTest::newRow("management 6 reserved") << ptiManagement << 6 << reserved << 6 << "00000110";
    QTest::newRow("management 14 reserved") << ptiManagement << 14 << reserved << 6 << "00001110";
    QTest::newRow("unknown pti") << ptiReserved << 1 << "" << 0 << "00000001";
}

void tst_OtnTxGfpFDialog::upiOnOpening()
{
    QFETCH(int, pti);
    QFETCH(int, upi);
    QFETCH(QString, text);
    QFETCH(int, items);
    QFETCH(QString, binary);

    // Port 1 keeps the defaults (data frames, UPI 1): the dialog must read its own port.
    SetupDialogServer server(gfpCatalogue, {1, 2}, gfpValues(pti, upi, 0, 2));
    OtnTxGfpFDialog dialog(server.manager(), 2);
    auto *cmbUpi = dialog.findChild<QComboBox *>("cmbUpi");
    auto *pbUpi = dialog.findChild<QPushButton *>("pbUpi");
    QVERIFY(cmbUpi && pbUpi);

    QCOMPARE(cmbUpi->count(), items);
    QCOMPARE(cmbUpi->currentText(), text);
    QCOMPARE(cmbUpi->isEnabled(), items > 0);
    if (items > 0)
        QCOMPARE(cmbUpi->currentData().toInt(), upi);
    QCOMPARE(pbUpi->text(), binary);
    // Opening writes nothing.
    QCOMPARE(server.link().writeRequests(), 0);
}

void tst_OtnTxGfpFDialog::ptiSwitchRefillsUpiChoices_data()
{
    QTest::addColumn<int>("fromPti");
    QTest::addColumn<int>("toPti");
    QTest::addColumn<int>("upi");
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("currentText");

    QTest::newRow("data to management, server") << ptiData << ptiManagement << 2 << false << 5
                                                << "CSF (loss of client signal)"
                                                << "CSF (loss of character synchronization)";
    QTest::newRow("data to management, user") << ptiData << ptiManagement << 2 << true << 5
                                              << "CSF (loss of client signal)"
                                              << "CSF (loss of character synchronization)";
    QTest::newRow("management to data, user") << ptiManagement << ptiData << 2 << true << 19
                                              << "Frame-mapped Ethernet" << "Frame-mapped PPP";
    QTest::newRow("data to management, code only in data table")
        << ptiData << ptiManagement << 16 << false << 6 << "CSF (loss of client signal)" << reserved;
    QTest::newRow("data to unknown, user") << ptiData << ptiReserved << 1 << true << 0 << "" << "";
    QTest::newRow("unknown to data, server") << ptiReserved << ptiData << 14 << false << 20
                                             << "Frame-mapped Ethernet" << "Unused";
}

void tst_OtnTxGfpFDialog::ptiSwitchRefillsUpiChoices()
{
    QFETCH(int, fromPti);
    QFETCH(int, toPti);
    QFETCH(int, upi);
    QFETCH(bool, byUser);
    QFETCH(int, items);
    QFETCH(QString, firstText);
    QFETCH(QString, currentText);

    SetupDialogServer server(gfpCatalogue, {1}, gfpValues(fromPti, upi));
    OtnTxGfpFDialog dialog(server.manager(), 1);
    auto *cmbPti = dialog.findChild<QComboBox *>("cmbPti");
    auto *cmbUpi = dialog.findChild<QComboBox *>("cmbUpi");
    auto *pbUpi = dialog.findChild<QPushButton *>("pbUpi");
    QVERIFY(cmbPti && cmbUpi && pbUpi);

    if (byUser) {
        const int index = cmbPti->findText(ptiName(toPti));
        QVERIFY2(index >= 0, qPrintable(ptiName(toPti)));
        cmbPti->setCurrentIndex(index);
        QCOMPARE(cmbUpi->count(), items);
    } else {
        server.serverChange(sid(idPti), toPti);
        QTRY_COMPARE(cmbUpi->count(), items);
    }
    QCOMPARE(cmbUpi->itemText(0), firstText);
    QCOMPARE(cmbUpi->currentText(), currentText);
    QCOMPARE(cmbUpi->isEnabled(), items > 0);
    if (items > 0)
        QCOMPARE(cmbUpi->currentData().toInt(), upi);
    // The refill is a display change: the UPI itself is not written.
    QCOMPARE(pbUpi->text(), QStringLiteral("%1").arg(upi, 8, 2, QLatin1Char('0')));
    QCOMPARE(server.link().writeRequests(), 0);
    QCOMPARE(server.value(sid(idUpi))->getUInt(), uint(upi));
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
    QTest::newRow("unused code replaced, OK") << ptiData << 14 << "Frame-mapped MPLS" << 13 << 19 << true;
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

    SetupDialogServer server(gfpCatalogue, {1}, gfpValues(pti, startUpi));
    OtnTxGfpFDialog dialog(server.manager(), 1);
    auto *cmbUpi = dialog.findChild<QComboBox *>("cmbUpi");
    auto *pbUpi = dialog.findChild<QPushButton *>("pbUpi");
    auto *box = dialog.findChild<QDialogButtonBox *>("bbTxGfpF");

    const int index = cmbUpi->findText(chosen);
    QVERIFY2(index >= 0, qPrintable(chosen));
    cmbUpi->setCurrentIndex(index);
    // The choice shows at once; a code outside the table disappears from the list once another is chosen.
    QCOMPARE(pbUpi->text(), QStringLiteral("%1").arg(chosenCode, 8, 2, QLatin1Char('0')));
    QCOMPARE(cmbUpi->count(), itemsAfterChoice);
    QCOMPARE(cmbUpi->currentText(), chosen);
    QCOMPARE(server.link().writeRequests(), 0);

    box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
    if (accept) {
        QCOMPARE(server.link().writeRequests(), 1);
        QTRY_COMPARE(server.manager()->cachedParameter(sid(idUpi))->getUInt(), uint(chosenCode));
        QCOMPARE(server.value(sid(idUpi))->getType(), int(QcmaParameter::TypeUInt));
    } else {
        QCOMPARE(server.link().writeRequests(), 0);
        QCOMPARE(server.value(sid(idUpi))->getUInt(), uint(startUpi));
        // The dropped choice gives way to the server's value again.
        QCOMPARE(cmbUpi->currentData().toInt(), startUpi);
        QCOMPARE(pbUpi->text(), QStringLiteral("%1").arg(startUpi, 8, 2, QLatin1Char('0')));
    }
}

void tst_OtnTxGfpFDialog::extensionHeaderFollowsExi_data()
{
    QTest::addColumn<int>("startExi");
    QTest::addColumn<int>("newExi");
    QTest::addColumn<bool>("shownBefore");
    QTest::addColumn<bool>("shownAfter");

    QTest::newRow("null to linear") << 0 << 1 << false << true;
    QTest::newRow("linear to null") << 1 << 0 << true << false;
    QTest::newRow("linear to ring") << 1 << 2 << true << false;
    QTest::newRow("ring to linear") << 2 << 1 << false << true;
}

void tst_OtnTxGfpFDialog::extensionHeaderFollowsExi()
{
    QFETCH(int, startExi);
    QFETCH(int, newExi);
    QFETCH(bool, shownBefore);
    QFETCH(bool, shownAfter);

    SetupDialogServer server(gfpCatalogue, {1}, gfpValues(ptiData, 1, startExi));
    OtnTxGfpFDialog dialog(server.manager(), 1);
    const QList<QWidget *> header = {
        dialog.findChild<QWidget *>("gbExtentionHeader"), dialog.findChild<QWidget *>("lblCid"),
        dialog.findChild<QWidget *>("pbCid"), dialog.findChild<QWidget *>("lblSpare"),
        dialog.findChild<QWidget *>("pbSpare")};
    for (QWidget *w : header) {
        QVERIFY(w);
        QVERIFY2(w->isHidden() != shownBefore, qPrintable(w->objectName()));
    }
    QVERIFY(!dialog.findChild<QWidget *>("gbRx")->isHidden());

    server.serverChange(sid(idExi), newExi);
    QTRY_VERIFY(header.first()->isHidden() != shownAfter);
    for (QWidget *w : header)
        QVERIFY2(w->isHidden() != shownAfter, qPrintable(w->objectName()));
}

QTEST_MAIN(tst_OtnTxGfpFDialog)
#include "tst_otntxgfpfdialog.moc"
