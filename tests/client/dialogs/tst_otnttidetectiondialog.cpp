#include <QComboBox>
#include <QGroupBox>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnttidetectiondialog.h"
#include "dialogframe.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "tests/support//testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {
struct Row {
    const char *combo;
    int id;
};
const Row rows[] = {{"cmbSm", 13003},   {"cmbPm", 13007},   {"cmbTcm1", 13011},
                    {"cmbTcm2", 13015}, {"cmbTcm3", 13019}, {"cmbTcm4", 13023},
                    {"cmbTcm5", 13027}, {"cmbTcm6", 13031}, {"cmbPlm", 12501}};

QByteArray ttiCatalogue()
{
    const QStringList modes = {QStringLiteral("Off"), QStringLiteral("SAPI"), QStringLiteral("DAPI"),
                               QStringLiteral("SAPI + DAPI")};
    QList<QByteArray> definitions;
    for (const Row &r : rows) {
        const QStringList values = r.id == 12501 ? QStringList{QStringLiteral("Off"), QStringLiteral("On")} : modes;
        definitions << TestServerLink::enumDefinition(r.id, QStringLiteral("Detection %1").arg(r.id), values, 0);
    }
    return TestServerLink::catalogueJson(definitions);
}
} // namespace

class tst_OtnTtiDetectionDialog : public QObject
{
    Q_OBJECT
private slots:
    void comboFollowsItsParameter_data();
    void comboFollowsItsParameter();
};

void tst_OtnTtiDetectionDialog::comboFollowsItsParameter_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("id");

    for (const Row &r : rows)
        QTest::newRow(r.combo) << QString::fromLatin1(r.combo) << r.id;
}

void tst_OtnTtiDetectionDialog::comboFollowsItsParameter()
{
    QFETCH(QString, combo);
    QFETCH(int, id);

    // Only the parameter under test is non-zero, on the dialog's port only.
    TesterFixture server(ttiCatalogue(), {1, 3}, {{nsSID::otnSid(3, id), 1}});
    OtnTtiDetectionDialog dialog(server.manager(), 3);
    auto *target = dialog.findChild<QComboBox *>(combo);
    QVERIFY(target);
    // Bound on show, not before.
    QCOMPARE(target->count(), 0);
    dialog.show();
    for (const Row &r : rows) {
        auto *c = dialog.findChild<QComboBox *>(QString::fromLatin1(r.combo));
        QVERIFY2(c, r.combo);
        QCOMPARE(c->currentIndex(), r.id == id ? 1 : 0);
    }
    // Hidden, it misses the server's change; shown again, it reads it.
    dialog.hide();
    server.fake()->serverChange(nsSID::otnSid(3, id), 0);
    QTRY_COMPARE(server.cachedSid(nsSID::otnSid(3, id))->getEnum(), 0);
    QCOMPARE(target->currentIndex(), 1);
    dialog.show();
    QCOMPARE(target->currentIndex(), 0);

    target->setCurrentIndex(1);
    QCOMPARE(server.fake()->writeRequests(), 0);
    dialog.findChild<QDialogButtonBox *>("bbTtiDetection")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(server.fake()->writeRequests(), 1);
    QTRY_COMPARE(server.cachedSid(nsSID::otnSid(3, id))->getEnum(), 1);
}

QTEST_MAIN(tst_OtnTtiDetectionDialog)
#include "tst_otnttidetectiondialog.moc"
