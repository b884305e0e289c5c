#include <QComboBox>
#include <QtTest>

#include "client/otn/stimuli/otnstimuliwidgetjustification.h"
#include "simulator/poweronstructure.h"
#include "tests/support/testerfixture.h"

class TestOtnStimuliWidgetJustification : public QObject
{
    Q_OBJECT

private slots:
    void levelTexts_data();
    void levelTexts();
    void levelsFollowTheTransmittedStructure();
};

void TestOtnStimuliWidgetJustification::levelTexts_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<QStringList>("texts");
    // The payload of each level is justified: the levels are named after their OPUs, four entries.
    QTest::newRow("OTU2 bulk") << "otu2-bulk" << QStringList{"OPU2", "", "", ""};
    QTest::newRow("OTU4 > ODU2 > ODU0") << "otu4-odu2-odu0" << QStringList{"OPU4", "OPU2", "OPU0", ""};
    QTest::newRow("OTU4 > ODUflex") << "otu4-oduflex-gfpf" << QStringList{"OPU4", "OPUflex", "", ""};
    QTest::newRow("four levels") << "otu3-odu2-odu1-odu0" << QStringList{"OPU3", "OPU2", "OPU1", "OPU0"};
}

void TestOtnStimuliWidgetJustification::levelTexts()
{
    QFETCH(QString, structure);
    QFETCH(QStringList, texts);
    QCOMPARE(OtnStimuliWidgetJustification::levelTexts(PowerOnStructure::find(structure)->mapping()), texts);
}

void TestOtnStimuliWidgetJustification::levelsFollowTheTransmittedStructure()
{
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    OtnStimuliWidgetJustification panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    // The tester offers the three levels of the structure; each is named from every stage of it.
    const auto *combo = panel.findChild<QComboBox *>("cmbLevel");
    QStringList shown;
    for (int index = 0; index < combo->count(); ++index)
        shown << combo->itemText(index);
    QCOMPARE(shown, (QStringList{"OPU4", "OPU2", "OPU0"}));
}

QTEST_MAIN(TestOtnStimuliWidgetJustification)
#include "tst_otnstimuliwidgetjustification.moc"
