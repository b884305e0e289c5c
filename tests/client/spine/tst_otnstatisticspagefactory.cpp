#include <QtTest>

#include "client/otn/interface_setup_status/otnstatisticspagefactory.h"
#include "tests/support/testerfixture.h"

class tst_OtnStatisticsPageFactory : public QObject
{
    Q_OBJECT
private slots:
    void resultPageClientInfo_data();
    void resultPageClientInfo();
    void copiesReadTheSamePortList();
};

void tst_OtnStatisticsPageFactory::resultPageClientInfo_data()
{
    QTest::addColumn<QList<int>>("ports");   // empty: no list at all
    QTest::addColumn<int>("port");
    QTest::newRow("{3, 1} gives port 3") << QList<int>{3, 1} << 3;
    QTest::newRow("{1, 3} gives port 1") << QList<int>{1, 3} << 1;
    QTest::newRow("one port") << QList<int>{4} << 4;
    QTest::newRow("no list gives port 0") << QList<int>{} << 0;
}

void tst_OtnStatisticsPageFactory::resultPageClientInfo()
{
    QFETCH(QList<int>, ports);
    QFETCH(int, port);
    TesterFixture tester(4);
    OtnStatisticsPageFactory factory(ports.isEmpty() ? nullptr : &ports);
    const ClientInfo info = factory.clientInfo(tester.manager());
    QCOMPARE(info.port, port);
    QCOMPARE(info.serverManager, tester.manager());
}

void tst_OtnStatisticsPageFactory::copiesReadTheSamePortList()
{
    QList<int> ports{2, 4};
    OtnStatisticsPageFactory factory(&ports);
    const OtnStatisticsPageFactory copy(factory);
    QCOMPARE(copy.ports(), &ports);
    // The list stays the host's: a change reaches every factory that reads it.
    ports.prepend(3);
    QCOMPARE(copy.clientInfo(nullptr).port, 3);
    QList<int> other{1};
    OtnStatisticsPageFactory assigned(&other);
    assigned = factory;
    QCOMPARE(assigned.clientInfo(nullptr).port, 3);
}

QTEST_MAIN(tst_OtnStatisticsPageFactory)
#include "tst_otnstatisticspagefactory.moc"
