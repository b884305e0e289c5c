#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/bulkdialog.h"
#include "host/setupwidgets/setupwidgetids.h"
#include "host/texts/widgettext.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/simulatorfixture.h"

using namespace nsSetupWidgets;

namespace {
QPushButton *boxButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox *>("buttonBox")->button(which);
}

// Tx and Rx set apart, so that a dialog bound to the wrong direction shows.
bool prepare(SimulatorFixture &fixture, int port)
{
    return fixture.writeAndWait(port, bulkTxPattern, 2) && fixture.writeAndWait(port, bulkTxPolarity, 1)
           && fixture.writeAndWait(port, bulkRxPattern, 4) && fixture.writeAndWait(port, bulkRxPolarity, 0);
}
} // namespace

class tst_BulkDialog : public QObject
{
    Q_OBJECT
private slots:
    void bindsTheSelectedDirection_data();
    void bindsTheSelectedDirection();
    void okSendsOneRequest_data();
    void okSendsOneRequest();
    void unknownSelectIsReported();
};

void tst_BulkDialog::bindsTheSelectedDirection_data()
{
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("patternId");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("checkedPolarity");
    QTest::newRow("transmitter") << int(bulkSelectTx) << bulkTxPattern << 2 << "rbInverted";
    QTest::newRow("receiver") << int(bulkSelectRx) << bulkRxPattern << 4 << "rbNormal";
}

void tst_BulkDialog::bindsTheSelectedDirection()
{
    QFETCH(int, select);
    QFETCH(int, patternId);
    QFETCH(int, pattern);
    QFETCH(QString, checkedPolarity);
    SimulatorFixture fixture;
    QVERIFY(prepare(fixture, 2));

    BulkDialog dialog(nullptr, fixture.manager(), 2, select);
    QCOMPARE(dialog.select(), select);
    QCOMPARE(dialog.port(), 2);
    const int sid = SimulatorFixture::sid(2, patternId);
    QCOMPARE(dialog.findChild<QComboBox *>("cmbPatternType")->currentText(),
             WidgetText::instance()->getValueName(sid, pattern, fixture.manager()->GetTerminology(2)));
    QVERIFY(dialog.findChild<QRadioButton *>(checkedPolarity)->isChecked());
}

void tst_BulkDialog::okSendsOneRequest_data()
{
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("patternId");
    QTest::addColumn<int>("polarityId");
    QTest::addColumn<QString>("polarityButton");
    QTest::addColumn<int>("polarity");
    QTest::newRow("transmitter") << int(bulkSelectTx) << bulkTxPattern << bulkTxPolarity << "rbNormal" << 0;
    QTest::newRow("receiver") << int(bulkSelectRx) << bulkRxPattern << bulkRxPolarity << "rbInverted" << 1;
}

void tst_BulkDialog::okSendsOneRequest()
{
    QFETCH(int, select);
    QFETCH(int, patternId);
    QFETCH(int, polarityId);
    QFETCH(QString, polarityButton);
    QFETCH(int, polarity);
    SimulatorFixture fixture;
    QVERIFY(prepare(fixture, 1));
    const int requestsBefore = fixture.link()->writeRequests();
    const int otherPattern = select == bulkSelectTx ? 4 : 2;

    BulkDialog dialog(nullptr, fixture.manager(), 1, select);
    const int sid = SimulatorFixture::sid(1, patternId);
    auto *combo = dialog.findChild<QComboBox *>("cmbPatternType");
    const int index =
        combo->findText(WidgetText::instance()->getValueName(sid, otherPattern, fixture.manager()->GetTerminology(1)));
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    dialog.findChild<QRadioButton *>(polarityButton)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore);

    boxButton(&dialog, QDialogButtonBox::Ok)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore + 1);
    QCOMPARE(fixture.cached(1, patternId)->getEnum(), otherPattern);
    QCOMPARE(fixture.cached(1, polarityId)->getEnum(), polarity);
}

void tst_BulkDialog::unknownSelectIsReported()
{
    SimulatorFixture fixture;
    DiagnosticsRecorder recorder;
    BulkDialog dialog(nullptr, fixture.manager(), 1, 3);
    QCOMPARE(recorder.withLineNumbersMasked(),
             QStringList{"ZEL_ASSERT_MSG: ..\\..\\host\\setupwidgets\\bulkdialog: line %d - tx || rx: "
                         "BulkDialog: select=3 names no direction."});
    QVERIFY(!dialog.findChild<QGroupBox *>("gbPattern")->isEnabled());
    QVERIFY(!boxButton(&dialog, QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(dialog.findChild<QComboBox *>("cmbPatternType")->count(), 0);
}

QTEST_MAIN(tst_BulkDialog)
#include "tst_bulkdialog.moc"
