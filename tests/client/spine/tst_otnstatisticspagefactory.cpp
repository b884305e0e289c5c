#include <QtTest>

#include "client/otn/interface_setup_status/otnstatisticspagefactory.h"
#include "tests/support/testerfixture.h"

class tst_OtnStatisticsPageFactory : public QObject
{
    Q_OBJECT
private slots:
    void resultPageClientInfo_data();
    void resultPageClientInfo();
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

QTEST_MAIN(tst_OtnStatisticsPageFactory)
#include "tst_otnstatisticspagefactory.moc"
