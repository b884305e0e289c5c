#include <QComboBox>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otntxgfptdialog.h"
#include "host/otn/otnpid.h"
#include "dialogframe.h"
#include "host/parameters/qcmaparameter.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

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

    const int id = PID::Otn::TX::GFP_T_CSF_REPLACEMENT;
    const QByteArray catalogue = TestServerLink::catalogueJson({TestServerLink::enumDefinition(
        id, QStringLiteral("CSF Replacement"), {QStringLiteral("Off"), QStringLiteral("On")}, 0)});
    // The other port holds the opposite value.
    TesterFixture server(catalogue, {1, 2}, {{nsSID::otnSid(port, id), 0}, {nsSID::otnSid(3 - port, id), 1}});
    OtnTxGfpTDialog dialog(server.manager(), port);
    QCOMPARE(dialogFrameFaults(dialog, "otn_tx_gfpt_dialog.html", "bbTxGfpT",
                               {{QDialogButtonBox::Ok, 2005}, {QDialogButtonBox::Cancel, 2006}}),
             QStringList());
    auto *combo = dialog.findChild<QComboBox *>("cmbCsfReplacement");
    QVERIFY(combo);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("Off"));

    combo->setCurrentIndex(combo->findText(QStringLiteral("On")));
    QCOMPARE(server.fake()->writeRequests(), 0);
    auto *box = dialog.findChild<QDialogButtonBox *>("bbTxGfpT");
    box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    QCOMPARE(server.fake()->writeRequests(), accept ? 1 : 0);
    QTRY_COMPARE(server.cached(port, id)->getEnum(), accept ? 1 : 0);
    QCOMPARE(combo->currentText(), accept ? QStringLiteral("On") : QStringLiteral("Off"));
    QCOMPARE(server.fake()->value(nsSID::otnSid(3 - port, id))->getEnum(), 1);
}

QTEST_MAIN(tst_OtnTxGfpTDialog)
#include "tst_otntxgfptdialog.moc"
