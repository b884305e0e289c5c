#include <QComboBox>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otntxgfptdialog.h"
#include "dialogframe.h"
#include "host/parameters/qcmaparameter.h"
#include "setupdialogserver.h"

class tst_OtnTxGfpTDialog : public QObject
{
    Q_OBJECT
private slots:
    void choiceOnItsPortSentOnlyOnOk_data();
    void choiceOnItsPortSentOnlyOnOk();
};

void tst_OtnTxGfpTDialog::choiceOnItsPortSentOnlyOnOk_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("accept");

    QTest::newRow("port 1, OK") << 1 << true;
    QTest::newRow("port 2, OK") << 2 << true;
    QTest::newRow("port 2, Cancel") << 2 << false;
}

void tst_OtnTxGfpTDialog::choiceOnItsPortSentOnlyOnOk()
{
    QFETCH(int, port);
    QFETCH(bool, accept);

    const auto sid = [](int p) { return nsSID::otnSid(p, 11015); };
    const QByteArray catalogue = SetupDialogServer::catalogue({SetupDialogServer::enumDefinition(
        11015, QStringLiteral("CSF Replacement"), {QStringLiteral("Off"), QStringLiteral("On")}, 0)});
    // The other port holds the opposite value.
    SetupDialogServer server(catalogue, {1, 2}, {{sid(port), 0}, {sid(3 - port), 1}});
    OtnTxGfpTDialog dialog(server.manager(), port);
    QCOMPARE(dialogFrameFaults(dialog, "otn_tx_gfpt_dialog.html", "bbTxGfpT",
                               {{QDialogButtonBox::Ok, 2005}, {QDialogButtonBox::Cancel, 2006}}),
             QStringList());
    auto *combo = dialog.findChild<QComboBox *>("cmbCsfReplacement");
    QVERIFY(combo);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("Off"));

    combo->setCurrentIndex(combo->findText(QStringLiteral("On")));
    QCOMPARE(server.link().writeRequests(), 0);
    auto *box = dialog.findChild<QDialogButtonBox *>("bbTxGfpT");
    box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    QCOMPARE(server.link().writeRequests(), accept ? 1 : 0);
    QTRY_COMPARE(server.manager()->cachedParameter(sid(port))->getEnum(), accept ? 1 : 0);
    QCOMPARE(combo->currentText(), accept ? QStringLiteral("On") : QStringLiteral("Off"));
    QCOMPARE(server.value(sid(3 - port))->getEnum(), 1);
}

QTEST_MAIN(tst_OtnTxGfpTDialog)
#include "tst_otntxgfptdialog.moc"
