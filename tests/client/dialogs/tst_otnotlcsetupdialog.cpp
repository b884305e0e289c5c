#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameter.h"
#include "client/otn/interface_setup_status/dialogs/otnotlcsetupdialog.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "setupdialogserver.h"

namespace {
int sid(int id, int port = 1)
{
    return nsSID::build(port, nsSID::otn, id);
}

int terminologySid(int port = 1)
{
    return nsSID::build(port, zelServerManager::terminologyGroup, zelServerManager::terminologyId);
}

const QByteArray otlcCatalogue = R"json({"parameters": [
    {"id": 11204, "group": "0x0D0000", "kind": "enum", "name": "Slice Number", "default": 0,
     "values": [{"value": 0, "name": "Slice #1"}, {"value": 1, "name": "Slice #2"}, {"value": 2, "name": "Slice #3"},
                {"value": 3, "name": "Slice #4"}]},
    {"id": 11206, "group": "0x0D0000", "kind": "enum", "name": "Tx Bulk Pattern", "default": 0,
     "values": [{"value": 0, "name": "PRBS31", "sdh": "PRBS31 (SDH)", "sonet": "PRBS31 (SONET)"},
                {"value": 1, "name": "PRBS23"}, {"value": 2, "name": "PRBS15"}, {"value": 3, "name": "PRBS9"},
                {"value": 4, "name": "PRBS7"}]},
    {"id": 11207, "group": "0x0D0000", "kind": "enum", "name": "Tx Bulk Polarity", "default": 0,
     "values": [{"value": 0, "name": "Normal"}, {"value": 1, "name": "Inverted"}]},
    {"id": 12029, "group": "0x0D0000", "kind": "enum", "name": "Rx Bulk Pattern", "default": 0,
     "values": [{"value": 0, "name": "PRBS31", "sdh": "PRBS31 (SDH)", "sonet": "PRBS31 (SONET)"},
                {"value": 1, "name": "PRBS23"}, {"value": 2, "name": "PRBS15"}, {"value": 3, "name": "PRBS9"},
                {"value": 4, "name": "PRBS7"}]},
    {"id": 12030, "group": "0x0D0000", "kind": "enum", "name": "Rx Bulk Polarity", "default": 0,
     "values": [{"value": 0, "name": "Normal"}, {"value": 1, "name": "Inverted"}]},
    {"id": 30001, "group": "0x060000", "kind": "enum", "name": "Terminology", "default": 1,
     "values": [{"value": 0, "name": "SONET (ANSI)"}, {"value": 1, "name": "SDH (ITU-T)"}]}
]})json";
} // namespace

class tst_OtnOtlcSetupDialog : public QObject
{
    Q_OBJECT
private slots:
    void formAndTexts();
    void widgetFollowsAndWrites_data();
    void widgetFollowsAndWrites();
    void terminologySwitch_data();
    void terminologySwitch();
};

void tst_OtnOtlcSetupDialog::formAndTexts()
{
    SetupDialogServer server(otlcCatalogue);
    OtnOtlcSetupDialog dialog(server.manager(), 1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("OTLC Slice"));
    QCOMPARE(dialog.helpPage(), QStringLiteral("otn_otlc_dialog.html"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    auto *box = dialog.findChild<QDialogButtonBox *>("bbOtlcSetup");
    QVERIFY(box);
    QCOMPARE(box->button(QDialogButtonBox::Close)->text(), WidgetText::instance()->getCommonText(2004));
    box->button(QDialogButtonBox::Close)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(server.link().writeRequests(), 0);
}

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
    QTest::newRow("Rx polarity inverted") << "rbInvertedBulkRx" << 12030 << 0 << 1;
    QTest::newRow("Rx polarity normal") << "rbInvertedBulkRx" << 12030 << 1 << 0;
}

void tst_OtnOtlcSetupDialog::widgetFollowsAndWrites()
{
    QFETCH(QString, widget);
    QFETCH(int, id);
    QFETCH(int, serverValue);
    QFETCH(int, chosen);

    SetupDialogServer server(otlcCatalogue, {1, 2}, {{sid(id, 2), serverValue}});
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
    QCOMPARE(server.link().writeRequests(), 1);
    QTRY_COMPARE(server.manager()->cachedParameter(sid(id, 2))->getEnum(), chosen);
    QCOMPARE(server.value(sid(id, 1))->getEnum(), 0);
}

void tst_OtnOtlcSetupDialog::terminologySwitch_data()
{
    QTest::addColumn<int>("startSetting");
    QTest::addColumn<int>("newSetting");
    QTest::addColumn<int>("changedPort");
    QTest::addColumn<int>("terminologyBefore");
    QTest::addColumn<int>("terminologyAfter");
    QTest::addColumn<QString>("textBefore");
    QTest::addColumn<QString>("textAfter");

    QTest::newRow("SDH to SONET") << 1 << 0 << 1 << 1 << 2 << "PRBS31 (SDH)" << "PRBS31 (SONET)";
    QTest::newRow("SONET to SDH") << 0 << 1 << 1 << 2 << 1 << "PRBS31 (SONET)" << "PRBS31 (SDH)";
    QTest::newRow("other port's switch ignored") << 1 << 0 << 2 << 1 << 1 << "PRBS31 (SDH)" << "PRBS31 (SDH)";
}

void tst_OtnOtlcSetupDialog::terminologySwitch()
{
    QFETCH(int, startSetting);
    QFETCH(int, newSetting);
    QFETCH(int, changedPort);
    QFETCH(int, terminologyBefore);
    QFETCH(int, terminologyAfter);
    QFETCH(QString, textBefore);
    QFETCH(QString, textAfter);

    SetupDialogServer server(otlcCatalogue, {1, 2},
                             {{terminologySid(1), startSetting}, {terminologySid(2), startSetting}});
    OtnOtlcSetupDialog dialog(server.manager(), 1);
    auto *tx = dialog.findChild<QComboBox *>("cmbPatternTypeBulkTx");
    auto *rx = dialog.findChild<QComboBox *>("cmbPatternTypeBulkRx");
    QCOMPARE(dialog.terminology(), terminologyBefore);
    QCOMPARE(tx->currentText(), textBefore);
    QCOMPARE(rx->currentText(), textBefore);

    server.serverChange(terminologySid(changedPort), newSetting);
    QTRY_COMPARE(server.manager()->cachedParameter(terminologySid(changedPort))->getEnum(), newSetting);
    QCOMPARE(dialog.terminology(), terminologyAfter);
    QCOMPARE(tx->currentText(), textAfter);
    QCOMPARE(rx->currentText(), textAfter);
    // A terminology switch changes only names, never values.
    QCOMPARE(server.link().writeRequests(), 0);
}

QTEST_MAIN(tst_OtnOtlcSetupDialog)
#include "tst_otnotlcsetupdialog.moc"
