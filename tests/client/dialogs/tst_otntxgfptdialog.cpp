#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
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
    void showsServerValueOfItsPort_data();
    void showsServerValueOfItsPort();
    void choiceIsSentOnlyOnOk_data();
    void choiceIsSentOnlyOnOk();
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
    QVERIFY(dialog.findChild<QLabel *>("lblCsfReplacement"));
}

void tst_OtnTxGfpTDialog::showsServerValueOfItsPort_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("text");

    QTest::newRow("port 1") << 1 << "On";
    QTest::newRow("port 2") << 2 << "Off";
}

void tst_OtnTxGfpTDialog::showsServerValueOfItsPort()
{
    QFETCH(int, port);
    QFETCH(QString, text);

    SetupDialogServer server(csfCatalogue, {1, 2}, {{sid(1), 1}, {sid(2), 0}});
    OtnTxGfpTDialog dialog(server.manager(), port);
    auto *combo = dialog.findChild<QComboBox *>("cmbCsfReplacement");
    QVERIFY(combo);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), text);

    // The dialog keeps following its port's value while open.
    server.serverChange(sid(port), text == QLatin1String("On") ? 0 : 1);
    QTRY_VERIFY(combo->currentText() != text);
}

void tst_OtnTxGfpTDialog::choiceIsSentOnlyOnOk_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("serverValue");

    QTest::newRow("OK sends") << true << 1;
    QTest::newRow("Cancel drops") << false << 0;
}

void tst_OtnTxGfpTDialog::choiceIsSentOnlyOnOk()
{
    QFETCH(bool, accept);
    QFETCH(int, serverValue);

    SetupDialogServer server(csfCatalogue, {1}, {{sid(1), 0}});
    OtnTxGfpTDialog dialog(server.manager(), 1);
    auto *combo = dialog.findChild<QComboBox *>("cmbCsfReplacement");
    combo->setCurrentIndex(combo->findText(QStringLiteral("On")));
    QCOMPARE(server.link().writeRequests(), 0);

    auto *box = dialog.findChild<QDialogButtonBox *>("bbTxGfpT");
    box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    QCOMPARE(server.link().writeRequests(), accept ? 1 : 0);
    QTRY_COMPARE(server.manager()->cachedParameter(sid(1))->getEnum(), serverValue);
    QCOMPARE(combo->currentText(), serverValue ? QStringLiteral("On") : QStringLiteral("Off"));
}

QTEST_MAIN(tst_OtnTxGfpTDialog)
#include "tst_otntxgfptdialog.moc"
