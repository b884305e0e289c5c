#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/test_setup/otnmsimdetectiondialog.h"
#include "dialogframe.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/qcmaparameter.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

using namespace nsSettings::Otn;
Q_DECLARE_METATYPE(OtnMapping)

namespace {
int detectionSid(int stage)
{
    return nsSID::otnSid(1, PID::Otn::MEASUREMENT::MSIM_DETECTION[stage]);
}

int referenceSid(int stage)
{
    return nsSID::otnSid(1, PID::Otn::MEASUREMENT::MSIM_REFERENCE_DATA[stage]);
}

// Detection (Off/On) and reference data (undefined until the receiver has seen a structure) of every stage.
QByteArray msimCatalogue()
{
    QList<QByteArray> definitions;
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        definitions << TestServerLink::enumDefinition(PID::Otn::MEASUREMENT::MSIM_DETECTION[stage],
                                                      QStringLiteral("MSIM Detection (Stage %1)").arg(stage + 1),
                                                      {QStringLiteral("Off"), QStringLiteral("On")}, 1);
        definitions << QStringLiteral("{\"id\": %1, \"group\": \"0x0D0000\", \"kind\": \"bytes\", "
                                      "\"defined\": false, \"name\": \"MSI Reference Data %2\", \"default\": \"\"}")
                           .arg(PID::Otn::MEASUREMENT::MSIM_REFERENCE_DATA[stage])
                           .arg(stage + 1)
                           .toUtf8();
    }
    return TestServerLink::catalogueJson(definitions);
}

OtnMapping stageMapping(int stage0)
{
    OtnMapping mapping;
    mapping.setValue(OtnMapping::FieldStage0, stage0);
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

// The given cells followed by unknown ones up to count.
QStringList padded(QStringList cells, int count)
{
    while (cells.size() < count)
        cells << QStringLiteral("--");
    return cells;
}

QPushButton *boxButton(const QDialog &dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox *>("bbMsimDetection")->button(which);
}
} // namespace

class tst_OtnMsimDetectionDialog : public QObject
{
    Q_OBJECT
private slots:
    void tableShowsReferenceData_data();
    void tableShowsReferenceData();
    void buttonsWriteDetection_data();
    void buttonsWriteDetection();
};

void tst_OtnMsimDetectionDialog::tableShowsReferenceData_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("tsCount");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("cells");   // then unknown to the end of the table

    QByteArray ramp;
    QStringList rampCells;
    for (int i = 0; i < 80; ++i) {
        ramp.append(char(i));
        rampCells << QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper();
    }
    QTest::newRow("ODU0 into ODU4, 80 TS") << stageMapping(MUX_ODU0_ODU4) << 80 << 10 << ramp << rampCells;
    QTest::newRow("ODU0 into ODU1, 2 TS") << stageMapping(MUX_ODU0_ODU1) << 2 << 1 << QByteArray::fromHex("4041")
                                          << QStringList{"40", "41"};
    QTest::newRow("8 TS, short record, digits padded") << stageMapping(MUX_ODU0_ODU2) << 8 << 1
                                                       << QByteArray::fromHex("0a0bc3")
                                                       << QStringList{"0A", "0B", "C3"};
}

void tst_OtnMsimDetectionDialog::tableShowsReferenceData()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, tsCount);
    QFETCH(int, rows);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, cells);

    TesterFixture server(msimCatalogue());
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, 0, mapping);
    QCOMPARE(dialog.tsCount(), tsCount);
    auto *table = dialog.findChild<QTableWidget *>("tblMsiValue");
    QCOMPARE(table->columnCount(), 8);
    QCOMPARE(table->rowCount(), rows);
    for (int column = 0; column < 8; ++column)
        QCOMPARE(table->horizontalHeaderItem(column)->text(), QStringLiteral("+%1").arg(column));
    // The row names stand in a column of 60 pixels, or wider where a name needs it: none is cut.
    const QHeaderView *rowNames = table->verticalHeader();
    QVERIFY(rowNames->width() >= 60);
    const int margins = 2 * rowNames->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, rowNames);
    for (int row = 0; row < rows; ++row) {
        const QString name = QStringLiteral("MSI[%1]").arg(8 * row);
        QCOMPARE(table->verticalHeaderItem(row)->text(), name);
        QCOMPARE(table->verticalHeaderItem(row)->textAlignment(), int(Qt::AlignCenter));
        QVERIFY2(rowNames->fontMetrics().horizontalAdvance(name) + margins <= rowNames->width(), qPrintable(name));
    }
    // Before any reference data arrives every cell is unknown; the table follows the data only while shown.
    const QStringList unknown = padded({}, 8 * rows);
    const QStringList known = padded(cells, 8 * rows);
    QCOMPARE(cellTexts(table), unknown);
    server.fake()->serverChange(referenceSid(0), bytes);
    QTRY_VERIFY(server.cachedSid(referenceSid(0))->isDefined());
    QCOMPARE(cellTexts(table), unknown);
    dialog.show();
    QCOMPARE(cellTexts(table), known);
    QCOMPARE(table->item(rows - 1, 7)->textAlignment(), int(Qt::AlignCenter));
    dialog.hide();
    server.fake()->serverChange(referenceSid(0), bytes, false);
    QTRY_VERIFY(!server.cachedSid(referenceSid(0))->isDefined());
    QCOMPARE(cellTexts(table), known);
    dialog.show();
    QCOMPARE(cellTexts(table), unknown);
    // While shown: new data fills the cells, undefined data leaves nothing to show.
    server.fake()->serverChange(referenceSid(0), bytes);
    QTRY_COMPARE(cellTexts(table), known);
    server.fake()->serverChange(referenceSid(0), bytes, false);
    QTRY_COMPARE(cellTexts(table), unknown);
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

    TesterFixture server(msimCatalogue(), {1}, {{detectionSid(stage), 1}});
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, stage, stageMapping(MUX_ODU0_ODU2));
    dialog.setResult(-1);
    dialog.show();
    auto *follow = dialog.findChild<QComboBox *>("cmbSetupFollow");
    QCOMPARE(follow->currentIndex(), 1);
    follow->setCurrentIndex(0);
    QCOMPARE(server.fake()->writeRequests(), 0);

    boxButton(dialog, QDialogButtonBox::StandardButton(button))->click();
    QCOMPARE(server.fake()->writeRequests(), writes);
    QCOMPARE(dialog.result(), result);
    QTRY_COMPARE(server.cachedSid(detectionSid(stage))->getEnum(), serverValue);
    QCOMPARE(server.fake()->value(detectionSid(stage))->getType(), int(QcmaParameter::TypeEnum));
    // The other stages are untouched.
    for (int s = 0; s < OtnMapping::maxStages; ++s) {
        if (s != stage)
            QCOMPARE(server.fake()->value(detectionSid(s))->getEnum(), 1);
    }
}

QTEST_MAIN(tst_OtnMsimDetectionDialog)
#include "tst_otnmsimdetectiondialog.moc"
