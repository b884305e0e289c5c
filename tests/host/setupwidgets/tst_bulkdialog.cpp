#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/bulkdialog.h"
#include "host/setupwidgets/setupwidgetids.h"
#include "host/texts/widgettext.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

using namespace nsSetupWidgets;
using namespace PID::Otn;

namespace {
QPushButton *boxButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox *>("buttonBox")->button(which);
}

// Tx and Rx set apart, so that a dialog bound to the wrong direction shows.
bool prepare(TesterFixture &fixture, int port)
{
    return fixture.writeAndWait(port, TX::BULK_PATTERN, 2) && fixture.writeAndWait(port, TX::BULK_POLARITY, 1)
           && fixture.writeAndWait(port, RX::BULK_PATTERN, 4) && fixture.writeAndWait(port, RX::BULK_POLARITY, 0);
}
} // namespace

class tst_BulkDialog : public QObject
{
    Q_OBJECT
private slots:
    void showsAndSendsTheSelectedDirection_data();
    void showsAndSendsTheSelectedDirection();
    void unknownSelectIsReported();
};

void tst_BulkDialog::showsAndSendsTheSelectedDirection_data()
{
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("patternId");
    QTest::addColumn<int>("polarityId");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("checkedPolarity");
    QTest::addColumn<QString>("otherPolarity");
    QTest::newRow("transmitter") << int(bulkSelectTx) << TX::BULK_PATTERN << TX::BULK_POLARITY << 2 << "rbInverted"
                                 << "rbNormal";
    QTest::newRow("receiver") << int(bulkSelectRx) << RX::BULK_PATTERN << RX::BULK_POLARITY << 4 << "rbNormal"
                              << "rbInverted";
}

// Edits stay in the dialog until OK sends them in one request.
void tst_BulkDialog::showsAndSendsTheSelectedDirection()
{
    QFETCH(int, select);
    QFETCH(int, patternId);
    QFETCH(int, polarityId);
    QFETCH(int, pattern);
    QFETCH(QString, checkedPolarity);
    QFETCH(QString, otherPolarity);
    TesterFixture fixture;
    QVERIFY(prepare(fixture, 2));
    const int requestsBefore = fixture.link()->writeRequests();
    const int terminology = fixture.manager()->GetTerminology(2);
    const int sid = nsSID::otnSid(2, patternId);

    BulkDialog dialog(nullptr, fixture.manager(), 2, select);
    QCOMPARE(dialog.select(), select);
    QCOMPARE(dialog.port(), 2);
    auto *combo = dialog.findChild<QComboBox *>("cmbPatternType");
    QCOMPARE(combo->currentText(), fixture.manager()->texts().getValueName(sid, pattern, terminology));
    QVERIFY(dialog.findChild<QRadioButton *>(checkedPolarity)->isChecked());

    // The other direction's pattern, so that a dialog bound to the wrong direction shows.
    const int otherPattern = select == bulkSelectTx ? 4 : 2;
    const int index = combo->findText(fixture.manager()->texts().getValueName(sid, otherPattern, terminology));
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    dialog.findChild<QRadioButton *>(otherPolarity)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore);

    boxButton(&dialog, QDialogButtonBox::Ok)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore + 1);
    QCOMPARE(fixture.cached(2, patternId)->getEnum(), otherPattern);
    QCOMPARE(fixture.cached(2, polarityId)->getEnum(), otherPolarity == QLatin1String("rbInverted") ? 1 : 0);
}

void tst_BulkDialog::unknownSelectIsReported()
{
    TesterFixture fixture;
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
