#include <QComboBox>
#include <QFrame>
#include <QtTest>

#include "client/otn/stimuli/otnstimuliwidgeterror.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/qcmaparameter.h"
#include "tests/support/testerfixture.h"

using Items = QList<int>;
using namespace PID::Otn;

namespace {

Items offered(const OtnStimuliWidgetError &panel)
{
    const auto *combo = panel.findChild<QComboBox *>("cmbItem");
    Items values;
    for (int index = 0; index < combo->count(); ++index)
        values << combo->itemData(index).toInt();
    return values;
}

QStringList entries(const QComboBox *combo)
{
    QStringList texts;
    for (int index = 0; index < combo->count(); ++index)
        texts << combo->itemText(index);
    return texts;
}

} // namespace

class TestOtnStimuliWidgetError : public QObject
{
    Q_OBJECT

private slots:
    void itemsFollowConfiguration_data();
    void itemsFollowConfiguration();
    void selectorsFollowStructure();
    void insertionTextNamesTheBurst_data();
    void insertionTextNamesTheBurst();
};

void TestOtnStimuliWidgetError::itemsFollowConfiguration_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("changedId");
    QTest::addColumn<int>("changedValue");
    QTest::addColumn<int>("expectedItem");
    QTest::addColumn<Items>("expectedOffered");
    const QString bulk = QStringLiteral("otu4-odu2-odu0");
    const QString stm1 = QStringLiteral("otu3-odu2-odu1-odu0");
    // Through mode leaves only the alarms acting on the whole signal.
    QTest::newRow("LOF invalid in through mode") << bulk << 1 << int(TX::PORT_MODE) << 2 << 2 << Items{2, 22};
    QTest::newRow("LOS kept in through mode") << bulk << 2 << int(TX::PORT_MODE) << 2 << 2 << Items{2, 22};
    QTest::newRow("OTU-AIS kept in overwrite mode") << bulk << 22 << int(TX::PORT_MODE) << 3 << 22 << Items{};
    // OPU-CSF belongs to the level carrying the client; an upper level replaces it by its first alarm.
    QTest::newRow("CSF on the last level") << stm1 << 21 << int(STIMULI::LEVEL) << 3 << 21 << Items{};
    QTest::newRow("CSF on an upper level") << stm1 << 21 << int(STIMULI::LEVEL) << 1 << 3 << Items{};
    // Errors: the line bit error is kept through; a PM error is replaced by the first offered error.
    QTest::newRow("PM-BIP8 invalid in through mode") << bulk << 54 << int(TX::PORT_MODE) << 2 << 64 << Items{64};
}

void TestOtnStimuliWidgetError::itemsFollowConfiguration()
{
    QFETCH(QString, structure);
    QFETCH(int, item);
    QFETCH(int, changedId);
    QFETCH(int, changedValue);
    QFETCH(int, expectedItem);
    QFETCH(Items, expectedOffered);
    TesterFixture tester(TesterFixture::structureOptions(structure));
    OtnStimuliWidgetError panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QVERIFY(tester.writeAndWait(1, STIMULI::ITEM, item));
    QVERIFY(tester.settle());
    QVERIFY(offered(panel).contains(item));
    QVERIFY(tester.writeAndWait(1, changedId, changedValue));
    QVERIFY(tester.settle());
    QCOMPARE(tester.cached(1, STIMULI::ITEM)->getInt(), expectedItem);
    QCOMPARE(panel.findChild<QComboBox *>("cmbItem")->currentData().toInt(), expectedItem);
    if (!expectedOffered.isEmpty())
        QCOMPARE(offered(panel), expectedOffered);
}

void TestOtnStimuliWidgetError::selectorsFollowStructure()
{
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    OtnStimuliWidgetError panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QVERIFY(tester.writeAndWait(1, STIMULI::ITEM, 9));
    const auto *level = panel.findChild<QComboBox *>("cmbLevel");
    const auto *type = panel.findChild<QComboBox *>("cmbType");
    const auto *item = panel.findChild<QComboBox *>("cmbItem");
    QCOMPARE(entries(level), QStringList{"OTU2/ODU2"});
    // An ODU1 multiplexed into the ODU2: a second level named after it.
    QVERIFY(tester.writeAndWait(1, TX::MAPPING[2], nsSettings::Otn::MUX_ODU1_ODU2_PT21));
    QVERIFY(tester.settle());
    QCOMPARE(entries(level), (QStringList{"OTU2/ODU2", "ODU1"}));
    QCOMPARE(type->currentData().toInt(), 1);
    QCOMPARE(item->currentData().toInt(), 9);
    // The section TIM has no place on the ODU1: the first alarm offered there replaces it.
    QVERIFY(tester.writeAndWait(1, STIMULI::LEVEL, 1));
    QVERIFY(tester.settle());
    QCOMPARE(tester.cached(1, STIMULI::ITEM)->getInt(), 3);
    QCOMPARE(item->currentData().toInt(), 3);
    QCOMPARE(type->currentData().toInt(), 1);
    QCOMPARE(level->currentIndex(), 1);
}

void TestOtnStimuliWidgetError::insertionTextNamesTheBurst_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("burst");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing chosen") << 0 << 5 << QString();
    QTest::newRow("one frame") << 10 << 1 << QStringLiteral("ODU-AIS on OTU4/ODU4, Burst of 1 frame");
    QTest::newRow("frames") << 10 << 5 << QStringLiteral("ODU-AIS on OTU4/ODU4, Burst of 5 frames");
}

void TestOtnStimuliWidgetError::insertionTextNamesTheBurst()
{
    QFETCH(int, item);
    QFETCH(int, burst);
    QFETCH(QString, text);
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    OtnStimuliWidgetError panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QVERIFY(tester.writeAndWait(1, STIMULI::ITEM, item));
    QVERIFY(tester.writeAndWait(1, STIMULI::BURST, burst));
    QVERIFY(tester.writeAndWait(1, STIMULI::MODE, 1));
    QCOMPARE(panel.insertionText(), text);
}

QTEST_MAIN(TestOtnStimuliWidgetError)
#include "tst_otnstimuliwidgeterror.moc"
