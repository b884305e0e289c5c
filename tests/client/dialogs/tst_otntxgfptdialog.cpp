#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameter.h"
#include "client/otn/interface_setup_status/dialogs/otntxgfptdialog.h"
#include "host/texts/widgettext.h"
#include "setupdialogserver.h"

namespace {
constexpr int idCsfReplacement = 11015;

int sid(int port)
{
    return nsSID::build(port, nsSID::otn, idCsfReplacement);
}

const QByteArray csfCatalogue = SetupDialogServer::catalogue(
    {SetupDialogServer::enumDefinition(idCsfReplacement, QStringLiteral("CSF Replacement"),
                                       {QStringLiteral("Off"), QStringLiteral("On")}, 0)});
} // namespace

class tst_OtnTxGfpTDialog : public QObject
{
    Q_OBJECT
private slots:
    void formAndTexts();
    void choiceOnItsPortSentOnlyOnOk_data();
    void choiceOnItsPortSentOnlyOnOk();
};

void tst_OtnTxGfpTDialog::formAndTexts()
{
    SetupDialogServer server(csfCatalogue);
    OtnTxGfpTDialog dialog(server.manager(), 1);
    QCOMPARE(dialog.helpPage(), QStringLiteral("otn_tx_gfpt_dialog.html"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    auto *box = dialog.findChild<QDialogButtonBox *>("bbTxGfpT");
    QVERIFY(box);
    QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), WidgetText::instance()->getCommonText(2005));
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), WidgetText::instance()->getCommonText(2006));
}

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

    // The other port holds the opposite value.
    SetupDialogServer server(csfCatalogue, {1, 2}, {{sid(port), 0}, {sid(3 - port), 1}});
    OtnTxGfpTDialog dialog(server.manager(), port);
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
