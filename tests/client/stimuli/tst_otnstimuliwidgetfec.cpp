#include <QtTest>

#include "client/otn/stimuli/otnstimuliwidgetfec.h"
#include "host/otn/otnpid.h"
#include "tests/support/testerfixture.h"
#include "visiblecontrols.h"

using namespace PID::Otn::STIMULI;

class TestOtnStimuliWidgetFec : public QObject
{
    Q_OBJECT

private slots:
    void settingsFollowItem_data();
    void settingsFollowItem();
};

void TestOtnStimuliWidgetFec::settingsFollowItem_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("extra");
    const QStringList mode{"cmbMode", "lblMode"};
    const QStringList subrow = mode + QStringList{"lblSubrow", "pbSubrow"};
    QTest::newRow("off: the item selector alone") << 0 << QStringList();
    // Symbol errors at a rate, with or without the FAS.
    QTest::newRow("symbol errors") << 1 << mode + QStringList{"cmbRate", "lblRate", "pbRate", "rbOff", "rbOn"};
    QTest::newRow("correctable sub-row") << 2 << subrow;
    QTest::newRow("uncorrectable sub-row") << 3 << subrow;
}

void TestOtnStimuliWidgetFec::settingsFollowItem()
{
    QFETCH(int, item);
    QFETCH(QStringList, extra);
    TesterFixture tester;
    OtnStimuliWidgetFec panel(ClientInfo{1, tester.manager()});
    // Hidden, as a category page the user has not chosen: the item is followed all the same.
    QVERIFY(tester.writeAndWait(1, FEC_ITEM, item));
    QStringList expected = QStringList{"cmbItem", "lblItem"} + extra;
    expected.sort();
    QCOMPARE(visibleControls(&panel), expected);
}

QTEST_MAIN(TestOtnStimuliWidgetFec)
#include "tst_otnstimuliwidgetfec.moc"
