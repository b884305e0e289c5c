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
    void itemsKeptOnEveryLevel();
    void lastLevelItems();
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

// LOS, LOL, OTU-AIS and the line bit error act on the whole signal: listed on the line only, and the
// only items a through-mode port can insert.
void tst_OtnAlarmError::itemsKeptOnEveryLevel()
{
    const OtnMapping lanes(5, 0, MUX_ODU2_ODU4, 3, 1);
    for (int item : {2, 20, 22, 64}) {
        QVERIFY(OtnAlarmError::getAlarms(0).contains(item) || OtnAlarmError::getErrors(0).contains(item));
        for (int level = 1; level < OtnMapping::maxLevels; ++level) {
            QVERIFY(!OtnAlarmError::getAlarms(level).contains(item));
            QVERIFY(!OtnAlarmError::getErrors(level).contains(item));
        }
        QVERIFY2(OtnAlarmError::valid(0, 0, Through, lanes, 0, 0, item), qPrintable(QString::number(item)));
    }
    for (int item : OtnAlarmError::allItems()) {
        if (!QList<int>{2, 20, 22, 64}.contains(item))
            QVERIFY2(!OtnAlarmError::valid(0, 0, Through, lanes, 0, 0, item), qPrintable(QString::number(item)));
    }
}

// OPU-CSF and the client and pattern errors exist on every level's list but only the last level takes them.
void tst_OtnAlarmError::lastLevelItems()
{
    const OtnMapping structures[] = {OtnMapping(1, 0, 0, 0, 0), OtnMapping(2, 0, MUX_ODU2_ODU3_PT21, 3, 1),
                                     OtnMapping(3, 8, MUX_ODU2_ODU4, 0, 0), OtnMapping(3, 7, 0, 0, 0)};
    for (const OtnMapping &m : structures) {
        const int last = m.getOduCount() - 1;
        for (int item : {21, 66, 67, 72}) {
            for (int level = 0; level < OtnMapping::maxLevels; ++level) {
                QVERIFY(OtnAlarmError::getAlarms(level).contains(item) || OtnAlarmError::getErrors(level).contains(item));
                QVERIFY(!OtnAlarmError::valid(0, level, Normal, m, 0, 0, item) || level == last);
            }
        }
        // One client error fits each of these clients; CSF fits every client that is no test pattern.
        const int fitting = int(OtnAlarmError::valid(0, last, Normal, m, 0, 0, 66))
                            + int(OtnAlarmError::valid(0, last, Normal, m, 0, 0, 67))
                            + int(OtnAlarmError::valid(0, last, Normal, m, 0, 0, 72));
        QCOMPARE(fitting, 1);
        QCOMPARE(OtnAlarmError::valid(0, last, Normal, m, 0, 0, 21), !OtnAlarmError::valid(0, last, Normal, m, 0, 0, 66));
    }
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
    QTest::newRow("PM-BIP8 with overwritten OH") << otu2 << 0 << int(OhThrough) << 0 << 0 << 54 << true;
    QTest::newRow("pattern error needs own payload") << otu2 << 0 << int(OhThrough) << 0 << 0 << 66 << false;
    QTest::newRow("pattern error on bulk") << otu2 << 0 << int(Normal) << 0 << 0 << 66 << true;
    QTest::newRow("no pattern in STM-64") << OtnMapping(1, 8, 0, 0, 0) << 0 << int(Normal) << 0 << 0 << 66 << false;
    QTest::newRow("B1 of STM-64") << OtnMapping(1, 8, 0, 0, 0) << 0 << int(Normal) << 0 << 0 << 67 << true;
    QTest::newRow("no block error in GFP-F frames") << OtnMapping(1, 5, 0, 0, 0) << 0 << int(Normal) << 0 << 0 << 72
                                                   << false;
    QTest::newRow("block error of GbE in ODU0") << odu0InOtu2 << 1 << int(Normal) << 0 << 0 << 72 << true;
    QTest::newRow("client error not on the server level") << odu0InOtu2 << 0 << int(Normal) << 0 << 0 << 72 << false;
    QTest::newRow("CSF of a client") << OtnMapping(0, 2, 0, 0, 0) << 0 << int(Normal) << 0 << 0 << 21 << true;
    QTest::newRow("no CSF of a test pattern") << otu2 << 0 << int(Normal) << 0 << 0 << 21 << false;
    QTest::newRow("MSIM where a multiplex is") << odu0InOtu2 << 0 << int(Normal) << 0 << 0 << 24 << true;
    QTest::newRow("no MSIM without multiplex") << otu2 << 0 << int(Normal) << 0 << 0 << 24 << false;
    QTest::newRow("MSIM of the second stage") << OtnMapping(1, 0, MUX_ODU1_ODU2_PT20, 1, 0) << 1 << int(Normal) << 0
                                              << 0 << 24 << true;
    QTest::newRow("LOFLOM of a lower-order ODU") << odu0InOtu2 << 1 << int(Normal) << 0 << 0 << 16 << true;
    QTest::newRow("PM-BIP8 below the last level") << otu2 << 1 << int(Normal) << 0 << 0 << 54 << false;
    QTest::newRow("LOOMFI of an OPU4 multiplex") << OtnMapping(3, 0, MUX_ODU0_ODU4, 0, 0) << 0 << int(Normal) << 0
                                                 << 0 << 17 << true;
    QTest::newRow("no OMFI in OPU2") << odu0InOtu2 << 0 << int(Normal) << 0 << 0 << 17 << false;
    QTest::newRow("LOL of OTL4.4") << OtnMapping(5, 0, 0, 0, 0) << 0 << int(Normal) << 0 << 0 << 20 << true;
    QTest::newRow("no LOL on one lane") << OtnMapping(3, 0, 0, 0, 0) << 0 << int(Normal) << 0 << 0 << 20 << false;
    QTest::newRow("ODUCn: no LCK") << otlc << 0 << int(Normal) << 0 << 0 << 12 << false;
    QTest::newRow("ODUCn slice 1: AIS") << otlc << 0 << int(Normal) << 0 << 0 << 10 << true;
    QTest::newRow("ODUCn slice 2: no SM-BDI") << otlc << 0 << int(Normal) << 1 << 0 << 6 << false;
    QTest::newRow("ODUCn slice 2: no PM-TIM") << otlc << 0 << int(Normal) << 1 << 0 << 14 << false;
    QTest::newRow("ODUCn slice 2: SM-BIP8") << otlc << 0 << int(Normal) << 1 << 0 << 52 << true;
    QTest::newRow("ODUCn PRBS31: pattern error") << otlc << 0 << int(Normal) << 0 << 0 << 66 << true;
    QTest::newRow("ODUCn scrambled idle: none") << otlc << 0 << int(Normal) << 0 << 5 << 66 << false;
    QTest::newRow("slice ignored without ODUCn") << otu2 << 0 << int(Normal) << 1 << 5 << 6 << true;
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
