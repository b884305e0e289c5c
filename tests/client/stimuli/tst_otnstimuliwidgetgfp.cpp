#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/stimuli/otnstimuliwidgetgfp.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "tests/support/testerfixture.h"
#include "visiblecontrols.h"

using namespace PID::Otn::STIMULI;

class TestOtnStimuliWidgetGfp : public QObject
{
    Q_OBJECT

private slots:
    void settingsFollowItemAndMode_data();
    void settingsFollowItemAndMode();
    void tellsWhatItInserts();
};

void TestOtnStimuliWidgetGfp::settingsFollowItemAndMode_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("extra");
    const QStringList bits{"lblError", "pbError"};
    const QStringList interval{"lblInterval", "lblIntervalUnit", "pbInterval"};
    const QStringList length{"lblErrorLength", "pbErrorLength"};
    // Header errors count bits; the two client signal fail items are frames sent at an interval.
    QTest::newRow("off, single") << 0 << 0 << bits;
    QTest::newRow("cHEC uncorrectable, burst") << 2 << 1 << bits + length;
    QTest::newRow("eHEC, continuous") << 5 << 2 << bits;
    QTest::newRow("CSF loss of signal, single") << 6 << 0 << interval;
    QTest::newRow("CSF loss of sync, burst") << 7 << 1 << interval + length;
}

void TestOtnStimuliWidgetGfp::settingsFollowItemAndMode()
{
    QFETCH(int, item);
    QFETCH(int, mode);
    QFETCH(QStringList, extra);
    TesterFixture tester;
    OtnStimuliWidgetGfp panel(ClientInfo{1, tester.manager()});
    panel.qcmaParameterChanged(QcmaParameterEnum(nsSID::otnSid(1, GFP_ITEM), item, 0, 7));
    panel.qcmaParameterChanged(QcmaParameterEnum(nsSID::otnSid(1, GFP_MODE), mode, 0, 2));
    QStringList expected = QStringList{"cmbInsertionMode", "cmbItem", "lblInsertionMode", "lblItem"} + extra;
    expected.sort();
    QCOMPARE(visibleControls(&panel), expected);
}

// The stimuli area's status line reads the panel's choice from the tester's values, and hears when it changes.
void TestOtnStimuliWidgetGfp::tellsWhatItInserts()
{
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-oduflex-gfpf")));
    OtnStimuliWidgetGfp panel(ClientInfo{1, tester.manager()});
    panel.setAttribute(Qt::WA_DontShowOnScreen);
    panel.show();
    QVERIFY(tester.settle());
    QCOMPARE(panel.insertionText(), QString());
    QSignalSpy told(&panel, &StimuliWidget::insertionChanged);
    QVERIFY(tester.writeAndWait(1, GFP_ITEM, 2));
    QVERIFY(tester.writeAndWait(1, GFP_MODE, 2));
    QCOMPARE(panel.insertionText(), QStringLiteral("cHEC Uncorrectable, Continuous"));
    QVERIFY(told.count() >= 2);
    QVERIFY(tester.writeAndWait(1, GFP_ITEM, 0));
    QCOMPARE(panel.insertionText(), QString());
}

QTEST_MAIN(TestOtnStimuliWidgetGfp)
#include "tst_otnstimuliwidgetgfp.moc"
