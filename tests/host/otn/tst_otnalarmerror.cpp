#include <QtTest>

#include "host/otn/otnalarmerror.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"

using namespace nsSettings::Otn;

Q_DECLARE_METATYPE(OtnMapping)

namespace {

enum PortMode { Off = 0, Normal = 1, Through = 2, OhThrough = 3 };

} // namespace

class tst_OtnAlarmError : public QObject
{
    Q_OBJECT
private slots:
    void itemsPerLevel_data();
    void itemsPerLevel();
    void valid_data();
    void valid();
    void everyItemIsListed();
};

void tst_OtnAlarmError::itemsPerLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("alarms");
    QTest::addColumn<QList<int>>("errors");
    QTest::newRow("level 1") << 1 << QList<int>{3, 5, 10, 11, 12, 13, 14, 15, 16, 17, 21, 24}
                             << QList<int>{50, 51, 54, 55, 66, 67, 72};
    QTest::newRow("level 3 carries no multiplex") << 3 << QList<int>{3, 5, 10, 11, 12, 13, 14, 15, 16, 21}
                                                  << QList<int>{50, 51, 54, 55, 66, 67, 72};
    QTest::newRow("no level 4") << 4 << QList<int>{} << QList<int>{};
    QTest::newRow("negative level") << -1 << QList<int>{} << QList<int>{};
}

void tst_OtnAlarmError::itemsPerLevel()
{
    QFETCH(int, level);
    QFETCH(QList<int>, alarms);
    QFETCH(QList<int>, errors);
    QCOMPARE(OtnAlarmError::getAlarms(level), alarms);
    QCOMPARE(OtnAlarmError::getErrors(level), errors);
}

void tst_OtnAlarmError::valid_data()
{
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("portMode");
    QTest::addColumn<int>("slice");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("valid");

    const OtnMapping otu2(1, 0, 0, 0, 0);
    const OtnMapping odu0InOtu2(1, 1, MUX_ODU0_ODU2, 0, 0);
    const OtnMapping otlc(14, 0, 0, 0, 0);
    QTest::newRow("LOS") << otu2 << 0 << int(Normal) << 0 << 0 << 2 << true;
    QTest::newRow("port off inserts nothing") << otu2 << 0 << int(Off) << 0 << 0 << 2 << false;
    QTest::newRow("LOF not in through mode") << otu2 << 0 << int(Through) << 0 << 0 << 1 << false;
    QTest::newRow("pattern error on bulk") << otu2 << 0 << int(Normal) << 0 << 0 << 66 << true;
    QTest::newRow("B1 of STM-64") << OtnMapping(1, 8, 0, 0, 0) << 0 << int(Normal) << 0 << 0 << 67 << true;
    QTest::newRow("block error of GbE in ODU0") << odu0InOtu2 << 1 << int(Normal) << 0 << 0 << 72 << true;
    QTest::newRow("client error not on the server level") << odu0InOtu2 << 0 << int(Normal) << 0 << 0 << 72 << false;
    QTest::newRow("CSF of a client") << OtnMapping(0, 2, 0, 0, 0) << 0 << int(Normal) << 0 << 0 << 21 << true;
    QTest::newRow("MSIM where a multiplex is") << odu0InOtu2 << 0 << int(Normal) << 0 << 0 << 24 << true;
    QTest::newRow("LOFLOM of a lower-order ODU") << odu0InOtu2 << 1 << int(Normal) << 0 << 0 << 16 << true;
    QTest::newRow("LOOMFI of an OPU4 multiplex") << OtnMapping(3, 0, MUX_ODU0_ODU4, 0, 0) << 0 << int(Normal) << 0
                                                 << 0 << 17 << true;
    QTest::newRow("LOL of OTL4.4") << OtnMapping(5, 0, 0, 0, 0) << 0 << int(Normal) << 0 << 0 << 20 << true;
    QTest::newRow("ODUCn: no LCK") << otlc << 0 << int(Normal) << 0 << 0 << 12 << false;
    QTest::newRow("ODUCn slice 1: AIS") << otlc << 0 << int(Normal) << 0 << 0 << 10 << true;
    QTest::newRow("ODUCn slice 2: SM-BIP8") << otlc << 0 << int(Normal) << 1 << 0 << 52 << true;
    QTest::newRow("ODUCn PRBS31: pattern error") << otlc << 0 << int(Normal) << 0 << 0 << 66 << true;
    QTest::newRow("item none") << otu2 << 0 << int(Normal) << 0 << 0 << 0 << false;
    QTest::newRow("unknown item") << otu2 << 0 << int(Normal) << 0 << 0 << 99 << false;
}

void tst_OtnAlarmError::valid()
{
    QFETCH(OtnMapping, mapping);
    QFETCH(int, level);
    QFETCH(int, portMode);
    QFETCH(int, slice);
    QFETCH(int, pattern);
    QFETCH(int, item);
    QFETCH(bool, valid);
    QCOMPARE(OtnAlarmError::valid(0, level, portMode, mapping, slice, pattern, item), valid);
    // No application type restricts the items.
    QCOMPARE(OtnAlarmError::valid(0x1000, level, portMode, mapping, slice, pattern, item), valid);
}

void tst_OtnAlarmError::everyItemIsListed()
{
    const QList<int> items = OtnAlarmError::allItems();
    QCOMPARE(items.first(), int(OtnAlarmError::itemNone));
    QCOMPARE(OtnAlarmError::itemName(0), QStringLiteral("None"));
    QVERIFY(!OtnAlarmError::isAlarm(0) && !OtnAlarmError::isError(0));
    QCOMPARE(OtnAlarmError::itemName(99), QString());
    QCOMPARE(OtnAlarmError::itemName(22), QStringLiteral("OTU-AIS"));
    // The TCM names are made up per TCM: four alarms and two errors each.
    QCOMPARE(OtnAlarmError::itemName(123), QStringLiteral("TCM6-LTC"));
    QVERIFY(OtnAlarmError::isAlarm(123));
    QCOMPARE(OtnAlarmError::itemName(141), QStringLiteral("TCM6-BEI"));
    QVERIFY(OtnAlarmError::isError(141));
    QSet<QString> seen;
    for (int i = 1; i < items.size(); ++i) {
        QVERIFY(items.at(i - 1) < items.at(i));
        const int item = items.at(i);
        QVERIFY(OtnAlarmError::isAlarm(item) != OtnAlarmError::isError(item));
        QVERIFY2(!seen.contains(OtnAlarmError::itemName(item)), qPrintable(OtnAlarmError::itemName(item)));
        seen.insert(OtnAlarmError::itemName(item));
        bool listed = false;
        for (int level = 0; level < OtnMapping::maxLevels; ++level) {
            const QList<int> list = OtnAlarmError::isAlarm(item) ? OtnAlarmError::getAlarms(level)
                                                                 : OtnAlarmError::getErrors(level);
            listed = listed || list.contains(item);
        }
        QVERIFY2(listed, qPrintable(QString::number(item)));
    }
}

QTEST_GUILESS_MAIN(tst_OtnAlarmError)
#include "tst_otnalarmerror.moc"
