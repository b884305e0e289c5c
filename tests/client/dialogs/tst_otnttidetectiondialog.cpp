#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameter.h"
#include "client/otn/interface_setup_status/dialogs/otnttidetectiondialog.h"
#include "host/texts/widgettext.h"
#include "setupdialogserver.h"

namespace {
const QStringList detectionModes = {QStringLiteral("Off"), QStringLiteral("SAPI"), QStringLiteral("DAPI"),
                                    QStringLiteral("SAPI + DAPI")};

struct Row {
    const char *combo;
    int id;
};
const Row rows[] = {{"cmbSm", 13003},   {"cmbPm", 13007},   {"cmbTcm1", 13011},
                    {"cmbTcm2", 13015}, {"cmbTcm3", 13019}, {"cmbTcm4", 13023},
                    {"cmbTcm5", 13027}, {"cmbTcm6", 13031}, {"cmbPlm", 12501}};

int sid(int id, int port = 1)
{
    return nsSID::build(port, nsSID::otn, id);
}

QByteArray ttiCatalogue()
{
    QList<QByteArray> definitions;
    for (const Row &r : rows) {
        if (r.id == 12501)
            definitions << SetupDialogServer::enumDefinition(r.id, QStringLiteral("PLM Detection"),
                                                             {QStringLiteral("Off"), QStringLiteral("On")}, 0);
        else
            definitions << SetupDialogServer::enumDefinition(r.id, QStringLiteral("TTI Detection %1").arg(r.id),
                                                             detectionModes, 0);
    }
    return SetupDialogServer::catalogue(definitions);
}
} // namespace

class tst_OtnTtiDetectionDialog : public QObject
{
    Q_OBJECT
private slots:
    void formAndTexts();
    void comboFollowsItsParameter_data();
    void comboFollowsItsParameter();
    void bindingsFollowOnlyWhileShown();
    void accessState_data();
    void accessState();
};

void tst_OtnTtiDetectionDialog::formAndTexts()
{
    SetupDialogServer server(ttiCatalogue());
    OtnTtiDetectionDialog dialog(server.manager(), 1);
    const WidgetText *texts = WidgetText::instance();
    QVERIFY(!texts->getUiText(4206).isEmpty());
    QCOMPARE(dialog.windowTitle(), texts->getUiText(4206));
    QCOMPARE(dialog.findChild<QGroupBox *>("gbTti")->title(), texts->getUiText(4207));
    QCOMPARE(dialog.findChild<QGroupBox *>("gbPlm")->title(), texts->getUiText(4208));
    QCOMPARE(dialog.helpPage(), QStringLiteral("otn_tti_detection_dialog.html"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    auto *box = dialog.findChild<QDialogButtonBox *>("bbTtiDetection");
    QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), texts->getCommonText(2005));
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), texts->getCommonText(2006));
}

void tst_OtnTtiDetectionDialog::comboFollowsItsParameter_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("port");

    for (const Row &r : rows) {
        QTest::addRow("%s port 1", r.combo) << QString::fromLatin1(r.combo) << r.id << 1;
        QTest::addRow("%s port 3", r.combo) << QString::fromLatin1(r.combo) << r.id << 3;
    }
}

void tst_OtnTtiDetectionDialog::comboFollowsItsParameter()
{
    QFETCH(QString, combo);
    QFETCH(int, id);
    QFETCH(int, port);

    // Only the parameter under test is non-zero, on the dialog's port only.
    SetupDialogServer server(ttiCatalogue(), {1, 3}, {{sid(id, port), 1}});
    OtnTtiDetectionDialog dialog(server.manager(), port);
    dialog.show();

    for (const Row &r : rows) {
        auto *c = dialog.findChild<QComboBox *>(QString::fromLatin1(r.combo));
        QVERIFY2(c, r.combo);
        QCOMPARE(c->currentIndex(), r.id == id ? 1 : 0);
    }

    auto *target = dialog.findChild<QComboBox *>(combo);
    target->setCurrentIndex(0);
    QCOMPARE(server.link().writeRequests(), 0);
    dialog.findChild<QDialogButtonBox *>("bbTtiDetection")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(server.link().writeRequests(), 1);
    QTRY_COMPARE(server.manager()->cachedParameter(sid(id, port))->getEnum(), 0);
}

void tst_OtnTtiDetectionDialog::bindingsFollowOnlyWhileShown()
{
    SetupDialogServer server(ttiCatalogue(), {1}, {{sid(13007), 2}});
    OtnTtiDetectionDialog dialog(server.manager(), 1);
    auto *cmbPm = dialog.findChild<QComboBox *>("cmbPm");
    QCOMPARE(cmbPm->count(), 0);

    dialog.show();
    QCOMPARE(cmbPm->currentText(), QStringLiteral("DAPI"));

    dialog.hide();
    server.serverChange(sid(13007), 3);
    QTRY_COMPARE(server.manager()->cachedParameter(sid(13007))->getEnum(), 3);
    QCOMPARE(cmbPm->currentText(), QStringLiteral("DAPI"));

    dialog.show();
    QCOMPARE(cmbPm->currentText(), QStringLiteral("SAPI + DAPI"));
}

void tst_OtnTtiDetectionDialog::accessState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("editable");

    QTest::newRow("full access") << 0 << true;
    QTest::newRow("restricted") << 1 << false;
    QTest::newRow("other restriction") << 2 << false;
}

void tst_OtnTtiDetectionDialog::accessState()
{
    QFETCH(int, state);
    QFETCH(bool, editable);

    SetupDialogServer server(ttiCatalogue());
    OtnTtiDetectionDialog dialog(server.manager(), 1);
    dialog.setAccessState(state);
    dialog.show();
    QCOMPARE(dialog.findChild<QDialogButtonBox *>("bbTtiDetection")->button(QDialogButtonBox::Ok)->isEnabled(),
             editable);
    for (const Row &r : rows)
        QVERIFY2(dialog.findChild<QComboBox *>(QString::fromLatin1(r.combo))->isEnabled() == editable, r.combo);

    // Back to full access while open.
    dialog.setAccessState(0);
    QVERIFY(dialog.findChild<QDialogButtonBox *>("bbTtiDetection")->button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(dialog.findChild<QComboBox *>("cmbPlm")->isEnabled());
}

QTEST_MAIN(tst_OtnTtiDetectionDialog)
#include "tst_otnttidetectiondialog.moc"
