#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameter.h"
#include "client/otn/test_setup/otnmsimdetectiondialog.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/texts/widgettext.h"
#include "setupdialogserver.h"
#include "tests/support/diagnosticsrecorder.h"

using namespace nsSettings::Otn;
Q_DECLARE_METATYPE(OtnMapping)

namespace {
int detectionSid(int stage, int port = 1)
{
    return nsSID::build(port, nsSID::otn, PID::Otn::MEASUREMENT::MSIM_DETECTION[stage]);
}

int referenceSid(int stage, int port = 1)
{
    return nsSID::build(port, nsSID::otn, PID::Otn::MEASUREMENT::MSIM_REFERENCE_DATA[stage]);
}

// Detection (Off/On) and reference data (undefined until the receiver has seen a structure) of every stage.
QByteArray msimCatalogue()
{
    QList<QByteArray> definitions;
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        definitions << SetupDialogServer::enumDefinition(PID::Otn::MEASUREMENT::MSIM_DETECTION[stage],
                                                         QStringLiteral("MSIM Detection (Stage %1)").arg(stage + 1),
                                                         {QStringLiteral("Off"), QStringLiteral("On")}, 1);
        definitions << QStringLiteral("{\"id\": %1, \"group\": \"0x0D0000\", \"kind\": \"bytes\", "
                                      "\"defined\": false, \"name\": \"MSI Reference Data %2\", \"default\": \"\"}")
                           .arg(PID::Otn::MEASUREMENT::MSIM_REFERENCE_DATA[stage])
                           .arg(stage + 1)
                           .toUtf8();
    }
    return SetupDialogServer::catalogue(definitions);
}

OtnMapping stageMapping(int stage0, int stage1 = 0)
{
    OtnMapping mapping;
    mapping.setValue(OtnMapping::FieldStage0, stage0);
    mapping.setValue(OtnMapping::FieldStage1, stage1);
    return mapping;
}

QStringList cellTexts(const QTableWidget *table)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            texts << (table->item(row, column) ? table->item(row, column)->text() : QStringLiteral("<none>"));
    }
    return texts;
}

QStringList unknownCells(int count)
{
    QStringList cells;
    for (int i = 0; i < count; ++i)
        cells << QStringLiteral("--");
    return cells;
}

QPushButton *boxButton(const QDialog &dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog.findChild<QDialogButtonBox *>("bbMsimDetection");
    return box ? box->button(which) : nullptr;
}
} // namespace

class tst_OtnMsimDetectionDialog : public QObject
{
    Q_OBJECT
private slots:
    void formAndTexts();
    void tableShape_data();
    void tableShape();
    void referenceDataFillsCells_data();
    void referenceDataFillsCells();
    void buttonsWriteDetection_data();
    void buttonsWriteDetection();
    void accessRestriction_data();
    void accessRestriction();
    void followsOnlyWhileShown();
    void odtuNameInTitle_data();
    void odtuNameInTitle();
    void invalidStage_data();
    void invalidStage();
};

void tst_OtnMsimDetectionDialog::formAndTexts()
{
    SetupDialogServer server(msimCatalogue());
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, 0, stageMapping(MUX_ODU0_ODU2));
    const WidgetText *texts = WidgetText::instance();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("MSIM Detection"));
    QCOMPARE(dialog.helpPage(), QStringLiteral("otn_msim_detection_dialog.html"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(boxButton(dialog, QDialogButtonBox::Ok)->text(), texts->getCommonText(2005));
    QCOMPARE(boxButton(dialog, QDialogButtonBox::Cancel)->text(), texts->getCommonText(2006));
    QCOMPARE(boxButton(dialog, QDialogButtonBox::Apply)->text(), texts->getCommonText(2007));
    // The choices are the detection parameter's values, index = value.
    auto *follow = dialog.findChild<QComboBox *>("cmbSetupFollow");
    QCOMPARE(follow->count(), 2);
    QCOMPARE(follow->itemText(0), QStringLiteral("Off"));
    QCOMPARE(follow->itemText(1), QStringLiteral("On"));

    auto *table = dialog.findChild<QTableWidget *>("tblMsiValue");
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(table->selectionMode(), QAbstractItemView::NoSelection);
    QVERIFY(!table->dragEnabled());
    QCOMPARE(table->horizontalHeader()->sectionResizeMode(0), QHeaderView::Stretch);
    QCOMPARE(table->verticalHeader()->width(), 60);
}

void tst_OtnMsimDetectionDialog::tableShape_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("tsCount");
    QTest::addColumn<int>("rows");

    QTest::newRow("ODU0 into ODU4, 80 TS") << stageMapping(MUX_ODU0_ODU4) << 0 << 80 << 10;
    QTest::newRow("ODU0 into ODU3, 32 TS") << stageMapping(MUX_ODU0_ODU3) << 0 << 32 << 4;
    QTest::newRow("ODU0 into ODU1, 2 TS") << stageMapping(MUX_ODU0_ODU1) << 0 << 2 << 1;
    QTest::newRow("ODU1 into ODU3 PT 20, 16 TS") << stageMapping(MUX_ODU1_ODU3_PT20) << 0 << 16 << 2;
}

void tst_OtnMsimDetectionDialog::tableShape()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, stage);
    QFETCH(int, tsCount);
    QFETCH(int, rows);

    SetupDialogServer server(msimCatalogue());
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, stage, mapping);
    QCOMPARE(dialog.tsCount(), tsCount);
    auto *table = dialog.findChild<QTableWidget *>("tblMsiValue");
    QVERIFY(table);
    QCOMPARE(table->columnCount(), 8);
    QCOMPARE(table->rowCount(), rows);
    for (int column = 0; column < 8; ++column)
        QCOMPARE(table->horizontalHeaderItem(column)->text(), QStringLiteral("+%1").arg(column));
    for (int row = 0; row < rows; ++row) {
        QCOMPARE(table->verticalHeaderItem(row)->text(), QStringLiteral("MSI[%1]").arg(8 * row));
        QCOMPARE(table->verticalHeaderItem(row)->textAlignment(), int(Qt::AlignCenter));
    }
    // Before any reference data arrives every cell is unknown.
    dialog.show();
    QCOMPARE(cellTexts(table), unknownCells(8 * rows));
    QCOMPARE(table->item(rows - 1, 7)->textAlignment(), int(Qt::AlignCenter));
}

void tst_OtnMsimDetectionDialog::referenceDataFillsCells_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("2 TS") << stageMapping(MUX_ODU0_ODU1) << QByteArray::fromHex("4041")
                          << QStringList{"40", "41", "--", "--", "--", "--", "--", "--"};
    QTest::newRow("8 TS, single digits padded") << stageMapping(MUX_ODU0_ODU2)
                                                << QByteArray::fromHex("000102030a0b0cff")
                                                << QStringList{"00", "01", "02", "03", "0A", "0B", "0C", "FF"};
    QTest::newRow("8 TS, short record") << stageMapping(MUX_ODU0_ODU2) << QByteArray::fromHex("8182c3")
                                        << QStringList{"81", "82", "C3", "--", "--", "--", "--", "--"};
    QByteArray ramp;
    QStringList rampCells;
    for (int i = 0; i < 80; ++i) {
        ramp.append(char(i));
        rampCells << QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper();
    }
    QTest::newRow("80 TS") << stageMapping(MUX_ODU0_ODU4) << ramp << rampCells;
}

void tst_OtnMsimDetectionDialog::referenceDataFillsCells()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, cells);

    SetupDialogServer server(msimCatalogue());
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, 0, mapping);
    dialog.show();
    auto *table = dialog.findChild<QTableWidget *>("tblMsiValue");

    server.serverChange(referenceSid(0), bytes);
    QTRY_COMPARE(cellTexts(table), cells);
    QCOMPARE(table->verticalHeaderItem(0)->text(), QStringLiteral("MSI[0]"));

    // Reference data that becomes undefined again leaves nothing to show.
    server.serverChange(referenceSid(0), bytes, false);
    QTRY_COMPARE(table->item(0, 0)->text(), QStringLiteral("--"));
}

void tst_OtnMsimDetectionDialog::buttonsWriteDetection_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("serverValue");
    QTest::addColumn<int>("result");

    QTest::newRow("OK") << 0 << int(QDialogButtonBox::Ok) << 1 << 0 << int(QDialog::Accepted);
    QTest::newRow("Apply") << 0 << int(QDialogButtonBox::Apply) << 1 << 0 << -1;
    QTest::newRow("Cancel") << 0 << int(QDialogButtonBox::Cancel) << 0 << 1 << int(QDialog::Rejected);
    QTest::newRow("OK, stage 3") << 2 << int(QDialogButtonBox::Ok) << 1 << 0 << int(QDialog::Accepted);
}

void tst_OtnMsimDetectionDialog::buttonsWriteDetection()
{
    QFETCH(int, stage);
    QFETCH(int, button);
    QFETCH(int, writes);
    QFETCH(int, serverValue);
    QFETCH(int, result);

    SetupDialogServer server(msimCatalogue(), {1}, {{detectionSid(stage), 1}});
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, stage, stageMapping(MUX_ODU0_ODU2));
    dialog.setResult(-1);
    dialog.show();
    auto *follow = dialog.findChild<QComboBox *>("cmbSetupFollow");
    QCOMPARE(follow->currentIndex(), 1);
    follow->setCurrentIndex(0);
    QCOMPARE(server.link().writeRequests(), 0);

    boxButton(dialog, QDialogButtonBox::StandardButton(button))->click();
    QCOMPARE(server.link().writeRequests(), writes);
    QCOMPARE(dialog.result(), result);
    QTRY_COMPARE(server.manager()->cachedParameter(detectionSid(stage))->getEnum(), serverValue);
    QCOMPARE(server.value(detectionSid(stage))->getType(), int(QcmaParameter::TypeEnum));
    // The other stages are untouched.
    for (int s = 0; s < OtnMapping::maxStages; ++s) {
        if (s != stage)
            QCOMPARE(server.value(detectionSid(s))->getEnum(), 1);
    }
}

void tst_OtnMsimDetectionDialog::accessRestriction_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("editable");

    QTest::newRow("full access") << 0 << true;
    QTest::newRow("restricted") << 1 << false;
}

void tst_OtnMsimDetectionDialog::accessRestriction()
{
    QFETCH(int, state);
    QFETCH(bool, editable);

    SetupDialogServer server(msimCatalogue());
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, 0, stageMapping(MUX_ODU0_ODU2));
    dialog.setAccessState(state);
    dialog.show();
    QCOMPARE(dialog.findChild<QComboBox *>("cmbSetupFollow")->isEnabled(), editable);
    QCOMPARE(boxButton(dialog, QDialogButtonBox::Ok)->isEnabled(), editable);
    QCOMPARE(boxButton(dialog, QDialogButtonBox::Apply)->isEnabled(), editable);
    QVERIFY(boxButton(dialog, QDialogButtonBox::Cancel)->isEnabled());
}

void tst_OtnMsimDetectionDialog::followsOnlyWhileShown()
{
    SetupDialogServer server(msimCatalogue());
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, 0, stageMapping(MUX_ODU0_ODU1));
    auto *table = dialog.findChild<QTableWidget *>("tblMsiValue");

    server.serverChange(referenceSid(0), QByteArray::fromHex("4041"));
    QTRY_VERIFY(server.manager()->cachedParameter(referenceSid(0))->isDefined());
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("--"));

    dialog.show();
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("41"));

    dialog.hide();
    server.serverChange(referenceSid(0), QByteArray::fromHex("4243"));
    QTRY_COMPARE(server.manager()->cachedParameter(referenceSid(0))->getByteArray(), QByteArray::fromHex("4243"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("41"));

    dialog.show();
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("43"));
}

void tst_OtnMsimDetectionDialog::odtuNameInTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");

    QTest::newRow("named stage") << "ODTU4.1" << "ODTU4.1 MSIM Detection";
    QTest::newRow("name with PT") << "ODTU12 (PT=21)" << "ODTU12 (PT=21) MSIM Detection";
    QTest::newRow("no name") << "" << "MSIM Detection";
}

void tst_OtnMsimDetectionDialog::odtuNameInTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, title);

    SetupDialogServer server(msimCatalogue());
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, 0, stageMapping(MUX_ODU0_ODU4));
    dialog.setOdtuName(name);
    QCOMPARE(dialog.odtuName(), name);
    QCOMPARE(dialog.windowTitle(), title);
}

void tst_OtnMsimDetectionDialog::invalidStage_data()
{
    QTest::addColumn<int>("stage");

    QTest::newRow("negative") << -1;
    QTest::newRow("beyond the third stage") << 3;
}

void tst_OtnMsimDetectionDialog::invalidStage()
{
    QFETCH(int, stage);

    SetupDialogServer server(msimCatalogue(), {1}, {{detectionSid(0), 0}});
    DiagnosticsRecorder recorder;
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, stage, stageMapping(MUX_ODU0_ODU2));
    QCOMPARE(recorder.withLineNumbersMasked(),
             QStringList{QStringLiteral("ZEL_ASSERT_MSG: ..\\..\\client\\otn\\test_setup\\otnmsimdetectiondialog: "
                                        "line %d - stage >= 0 && stage < OtnMapping::maxStages: stage = %1")
                             .arg(stage)});
    // The dialog goes on with the first stage.
    dialog.show();
    QCOMPARE(dialog.findChild<QComboBox *>("cmbSetupFollow")->currentIndex(), 0);
    QCOMPARE(dialog.tsCount(), 8);
}

QTEST_MAIN(tst_OtnMsimDetectionDialog)
#include "tst_otnmsimdetectiondialog.moc"
