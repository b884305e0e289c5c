#include <QtTest>

#include "client/otn/stimuli/otnstimuliwidgetgmp.h"
#include "host/texts/widgettext.h"
#include "simulator/poweronstructure.h"
#include "tests/support/testerfixture.h"

class TestOtnStimuliWidgetGmp : public QObject
{
    Q_OBJECT

private slots:
    void levelTexts_data();
    void levelTexts();
    void title();
};

void TestOtnStimuliWidgetGmp::levelTexts_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<QStringList>("texts");
    // A test pattern fills the OPU2 bit-synchronously: no GMP anywhere.
    QTest::newRow("OTU2 bulk") << "otu2-bulk" << QStringList{"", "", "", ""};
    // The ODU2 goes into the OPU4's 1.25G slots (ODTU4.8) and the ODU0 into the OPU2's (ODTU2.1), both
    // by GMP; the test pattern in the OPU0 is not.
    QTest::newRow("OTU4 > ODU2 > ODU0") << "otu4-odu2-odu0" << QStringList{"ODU4", "ODU2", "", ""};
    // ODTU23, ODTU12 and ODTU01 are AMP; only the STM-1 goes into the OPU0 by GMP.
    QTest::newRow("OTU3 > ODU2 > ODU1 > ODU0") << "otu3-odu2-odu1-odu0" << QStringList{"", "", "", "ODU0"};
}

void TestOtnStimuliWidgetGmp::levelTexts()
{
    QFETCH(QString, structure);
    QFETCH(QStringList, texts);
    QCOMPARE(OtnStimuliWidgetGmp::levelTexts(PowerOnStructure::find(structure)->mapping()), texts);
}

void TestOtnStimuliWidgetGmp::title()
{
    TesterFixture tester;
    const OtnStimuliWidgetGmp panel(ClientInfo{1, tester.manager()});
    QCOMPARE(panel.title(WidgetText()), QStringLiteral("GMP"));
}

QTEST_MAIN(TestOtnStimuliWidgetGmp)
#include "tst_otnstimuliwidgetgmp.moc"
