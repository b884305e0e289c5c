#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnotlcsetupdialog.h"
#include "dialogframe.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {
// Bulk pattern types whose first name differs per terminology.
QByteArray patternDefinition(int id)
{
    return QByteArray(R"({"id": )") + QByteArray::number(id) + R"json(, "group": "0x0D0000", "kind": "enum",
        "name": "Bulk Pattern", "default": 0, "values": [{"value": 0, "name": "PRBS31", "sdh": "PRBS31 (SDH)",
        "sonet": "PRBS31 (SONET)"}, {"value": 1, "name": "PRBS23"}, {"value": 2, "name": "PRBS15"},
        {"value": 3, "name": "PRBS9"}, {"value": 4, "name": "PRBS7"}]})json";
}

QByteArray otlcCatalogue()
{
    using S = TestServerLink;
    const QStringList polarities = {QStringLiteral("Normal"), QStringLiteral("Inverted")};
    return S::catalogueJson(
        {S::enumDefinition(11204, QStringLiteral("Slice Number"), {"Slice #1", "Slice #2", "Slice #3", "Slice #4"}, 0),
         patternDefinition(11206), patternDefinition(12029),
         S::enumDefinition(11207, QStringLiteral("Tx Bulk Polarity"), polarities, 0),
         S::enumDefinition(12030, QStringLiteral("Rx Bulk Polarity"), polarities, 0),
         S::enumDefinition(nsSID::idOf(zelServerManager::terminologySid(1)), QStringLiteral("Terminology"),
                           {"SONET (ANSI)", "SDH (ITU-T)"}, 1, nsSID::general)});
}
} // namespace

class tst_OtnOtlcSetupDialog : public QObject
{
    Q_OBJECT
private slots:
    void widgetFollowsAndWrites_data();
    void widgetFollowsAndWrites();
    void terminologySwitch_data();
    void terminologySwitch();
};

void tst_OtnOtlcSetupDialog::widgetFollowsAndWrites_data()
{
    QTest::addColumn<QString>("widget");   // the combo, or the radio button of value 1
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("serverValue");
    QTest::addColumn<int>("chosen");

    QTest::newRow("slice number") << "cmbSliceNumber" << 11204 << 2 << 3;
    QTest::newRow("Tx pattern type") << "cmbPatternTypeBulkTx" << 11206 << 3 << 1;
    QTest::newRow("Rx pattern type") << "cmbPatternTypeBulkRx" << 12029 << 4 << 0;
    QTest::newRow("Tx polarity inverted") << "rbInvertedBulkTx" << 11207 << 0 << 1;
    QTest::newRow("Rx polarity normal") << "rbInvertedBulkRx" << 12030 << 1 << 0;
}

void tst_OtnOtlcSetupDialog::widgetFollowsAndWrites()
{
    QFETCH(QString, widget);
    QFETCH(int, id);
    QFETCH(int, serverValue);
    QFETCH(int, chosen);

    TesterFixture server(otlcCatalogue(), {1, 2}, {{nsSID::otnSid(2, id), serverValue}});
    OtnOtlcSetupDialog dialog(server.manager(), 2);
    if (auto *combo = dialog.findChild<QComboBox *>(widget)) {
        QCOMPARE(combo->currentIndex(), serverValue);
        combo->setCurrentIndex(chosen);
    } else {
        auto *inverted = dialog.findChild<QRadioButton *>(widget);
        auto *normal = dialog.findChild<QRadioButton *>(QString(widget).replace("Inverted", "Normal"));
        QVERIFY(inverted && normal);
        QCOMPARE(inverted->isChecked(), serverValue == 1);
        QCOMPARE(normal->isChecked(), serverValue == 0);
        (chosen == 1 ? inverted : normal)->click();
    }
    // Written at once, to the dialog's port only.
    QCOMPARE(server.fake()->writeRequests(), 1);
    QTRY_COMPARE(server.cachedSid(nsSID::otnSid(2, id))->getEnum(), chosen);
    QCOMPARE(server.fake()->value(nsSID::otnSid(1, id))->getEnum(), 0);
}

void tst_OtnOtlcSetupDialog::terminologySwitch_data()
{
    QTest::addColumn<int>("startSetting");   // of both ports: 0 SONET, 1 SDH
    QTest::addColumn<int>("newSetting");
    QTest::addColumn<int>("changedPort");

    QTest::newRow("SDH to SONET") << 1 << 0 << 1;
    QTest::newRow("SONET to SDH") << 0 << 1 << 1;
    QTest::newRow("other port's switch ignored") << 1 << 0 << 2;
}

void tst_OtnOtlcSetupDialog::terminologySwitch()
{
    QFETCH(int, startSetting);
    QFETCH(int, newSetting);
    QFETCH(int, changedPort);

    // The setting's SDH value gives terminology 1, its SONET value terminology 2.
    const auto terminology = [](int setting) { return setting == 1 ? 1 : 2; };
    const auto patternText = [](int setting) {
        return QString::fromLatin1(setting == 1 ? "PRBS31 (SDH)" : "PRBS31 (SONET)");
    };
    TesterFixture server(
        otlcCatalogue(), {1, 2},
        {{zelServerManager::terminologySid(1), startSetting}, {zelServerManager::terminologySid(2), startSetting}});
    OtnOtlcSetupDialog dialog(server.manager(), 1);
    auto *tx = dialog.findChild<QComboBox *>("cmbPatternTypeBulkTx");
    auto *rx = dialog.findChild<QComboBox *>("cmbPatternTypeBulkRx");
    QCOMPARE(dialog.terminology(), terminology(startSetting));
    QCOMPARE(tx->currentText(), patternText(startSetting));
    QCOMPARE(rx->currentText(), patternText(startSetting));

    server.fake()->serverChange(zelServerManager::terminologySid(changedPort), newSetting);
    QTRY_COMPARE(server.cachedSid(zelServerManager::terminologySid(changedPort))->getEnum(), newSetting);
    const int setting = changedPort == 1 ? newSetting : startSetting;
    QCOMPARE(dialog.terminology(), terminology(setting));
    QCOMPARE(tx->currentText(), patternText(setting));
    QCOMPARE(rx->currentText(), patternText(setting));
    // A terminology switch changes only names, never values.
    QCOMPARE(server.fake()->writeRequests(), 0);
}

QTEST_MAIN(tst_OtnOtlcSetupDialog)
#include "tst_otnotlcsetupdialog.moc"
