#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"

namespace {

template<int N>
QList<int> list(const int (&table)[N])
{
    QList<int> values;
    for (int v : table)
        values << v;
    return values;
}

QList<int> level(int k, std::initializer_list<const int *> tables)
{
    QList<int> values;
    for (const int *table : tables) {
        if (table[k] != 0)
            values << table[k];
    }
    return values;
}

// Every id of the tables a source file of host/otn defines, read from the definitions (0 marks none).
QList<int> definedIds(const char *file)
{
    static const QRegularExpression table(QStringLiteral("const int \\w+[^=]*=\\s*\\{([^;]*)\\};"));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QFile source(QStringLiteral(ZEL_SOURCE_ROOT "host/otn/") + QLatin1String(file));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<int> ids;
    auto tables = table.globalMatch(QString::fromUtf8(source.readAll()));
    while (tables.hasNext()) {
        auto numbers = number.globalMatch(tables.next().captured(1));
        while (numbers.hasNext()) {
            if (const int id = numbers.next().captured().toInt())
                ids << id;
        }
    }
    return ids;
}

// Parameter ids the screens write as numbers (OTN group): none of the ids of our own tables may be one.
const QList<int> literalParameterIds = {
    15, 16, 17, 19, 3101, 7101, 8101, 8102, 8103, 8106, 8107, 8108, 11001, 11002, 11008, 11009, 11010, 11011,
    11012, 11015, 11016, 11017, 11018, 11019, 11020, 11021, 11022, 11023, 11024, 11128, 11129, 11130, 11131,
    11132, 11133, 11134, 11135, 11136, 11137, 11138, 11139, 11140, 11141, 11143, 11145, 11146, 11147, 11148,
    11149, 11150, 11151, 11152, 11153, 11154, 11155, 11156, 11157, 11158, 11159, 11160, 11161, 11162, 11163,
    11164, 11165, 11166, 11199, 11200, 11201, 11202, 11204, 11205, 11206, 11207, 12001, 12006, 12007, 12008,
    12009, 12010, 12011, 12012, 12014, 12015, 12016, 12018, 12022, 12023, 12024, 12026, 12028, 12029, 12030,
    12501, 13001, 13002, 13003, 13007, 13011, 13015, 13019, 13023, 13027, 13031, 13035, 13036, 13039, 14001,
    14002, 14003, 14004, 14005, 14006, 14007, 14008, 14009, 14010, 14011, 14012, 14013, 14014, 14015, 14016,
    14017, 14019, 14020, 14021, 14022, 14023, 14024, 14025, 14026, 14027, 14028, 14029, 14030, 14031, 14032,
    14033, 14034, 14035, 14036, 14037, 14038, 14039, 14040, 14041, 14042, 14043, 14044, 14045, 16001, 16002,
    16003, 16004};

// Counter ids the status and result screens write as numbers.
const QList<int> literalCounterIds = {
    101, 102, 103, 106, 109, 110, 113, 114, 115, 116, 167, 168, 169, 170, 176, 177, 178, 179, 401, 402, 403, 404,
    405, 433, 1101, 1104, 1107, 1109, 1111, 1112, 1149, 1150, 1151, 1152, 1153, 1154, 1155, 1156, 1157, 1161,
    1165, 1166, 1167, 1168, 1169, 1174, 1177, 1178, 1179, 1401, 1402, 1403, 1404, 1405, 1406, 1407, 1408, 1409,
    1410, 1411, 1412, 1413, 1429, 1601, 1602, 1603, 1604, 1605, 1606, 2140, 2141, 2407, 2408, 2409, 2410, 2411,
    2412, 2413, 2414, 2717, 2718, 5132, 5142, 5152, 5162, 5172, 5182, 5192, 5202, 5212, 5222, 5232, 5242, 10001,
    10009};

} // namespace

class tst_OtnIds : public QObject
{
    Q_OBJECT
private slots:
    void fixedParameterTables_data();
    void fixedParameterTables();
    void idsAreUnique();
    void countersPerLevel_data();
    void countersPerLevel();
};

void tst_OtnIds::fixedParameterTables_data()
{
    using namespace PID::Otn;
    QTest::addColumn<QList<int>>("table");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("TX MAIN_TP") << list(TX::MAIN_TP) << QList<int>{11128, 11132, 11201};
    QTest::newRow("TX MAIN_TS") << list(TX::MAIN_TS) << QList<int>{11129, 11133, 11202};
    QTest::newRow("TX ALLOC") << list(TX::ALLOC) << QList<int>{11130, 11199, 0};
    QTest::newRow("TX NUMBER_OF_TS") << list(TX::NUMBER_OF_TS) << QList<int>{11131, 11200, 0};
    QTest::newRow("TX MAPPING") << list(TX::MAPPING) << QList<int>{11008, 11009, 11010, 11011, 11166};
    QTest::newRow("RX MAIN_TP") << list(RX::MAIN_TP) << QList<int>{12012, 12016, 12024};
    QTest::newRow("RX NUMBER_OF_TS") << list(RX::NUMBER_OF_TS) << QList<int>{12014, 12023, 0};
    QTest::newRow("RX MAPPING") << list(RX::MAPPING) << QList<int>{12006, 12007, 12008, 12009, 12022};
    QTest::newRow("RX DET_MODE") << list(RX::DET_MODE) << QList<int>{12011, 12015, 12026};
    QTest::newRow("MSIM_DETECTION") << list(MEASUREMENT::MSIM_DETECTION) << QList<int>{13035, 13036, 13039};
    // The TTI overhead byte of a TCM exists below the line only; the line has the whole message.
    QTest::newRow("TCM TTI byte on the line") << list(TX::ODU_TCM_TTI_OH[0]) << QList<int>{0, 0, 0, 0, 0, 0};
}

void tst_OtnIds::fixedParameterTables()
{
    QFETCH(QList<int>, table);
    QFETCH(QList<int>, ids);
    QCOMPARE(table, ids);
}

// Our own ids are unique, and none is an id the screens write as a number, unless the table holds it.
void tst_OtnIds::idsAreUnique()
{
    const QList<int> parameters = definedIds("otnpid.cpp");
    const QList<int> counters = definedIds("otniid.cpp");
    QVERIFY2(parameters.size() > 100 && counters.size() > 100, "the tables were not found in their sources");
    QCOMPARE(QSet<int>(parameters.begin(), parameters.end()).size(), parameters.size());
    QCOMPARE(QSet<int>(counters.begin(), counters.end()).size(), counters.size());
    const QSet<int> fixed = {11128, 11132, 11201, 11129, 11133, 11202, 11130, 11199, 11131, 11200, 11008, 11009,
                             11010, 11011, 11166, 12012, 12016, 12024, 12014, 12023, 12006, 12007, 12008, 12009,
                             12022, 12011, 12015, 12026, 13035, 13036, 13039,
                             // The TCM trace detection modes, which the TTI detection dialog binds by number.
                             13011, 13015, 13019, 13023, 13027, 13031};
    for (int id : parameters) {
        QVERIFY2(id > 0 && id <= 0xFFFF, qPrintable(QString::number(id)));
        QVERIFY2(fixed.contains(id) || (!literalParameterIds.contains(id) && !literalCounterIds.contains(id)),
                 qPrintable(QString::number(id)));
    }
    for (int id : counters) {
        QVERIFY2(!literalParameterIds.contains(id) && !parameters.contains(id) && !literalCounterIds.contains(id),
                 qPrintable(QString::number(id)));
    }
}

// The per-level alarm and error lists of the status page, less the items of the line, the client and
// GFP, are exactly the per-level counter tables.
void tst_OtnIds::countersPerLevel_data()
{
    using namespace nsIID::Otn;
    QTest::addColumn<QList<int>>("fromTables");
    QTest::addColumn<QList<int>>("listed");
    const auto alarms = [](int k) {
        using namespace Alarm;
        return level(k, {ODU_LOF_LOM, ODU_OOF, ODU_OOM, ODU_AIS, ODU_LCK, ODU_OCI, PM_TIM, PM_BDI, PLM, FSF, FSD,
                         BSF, BSD, MSIM});
    };
    const auto errors = [](int k) {
        using namespace Error;
        return level(k, {ODU_FAS, PM_BIP8, PM_BEI, CRC8, CRC5});
    };
    QTest::newRow("alarms, level 0") << alarms(0) << QList<int>{117, 120, 123, 126, 129, 162, 417, 421, 425, 429, 165};
    QTest::newRow("alarms, level 1")
        << alarms(1) << QList<int>{104, 107, 111, 118, 121, 124, 127, 130, 163, 418, 422, 426, 430, 166};
    QTest::newRow("alarms, level 2")
        << alarms(2) << QList<int>{105, 108, 112, 119, 122, 125, 128, 131, 164, 419, 423, 427, 431, 415};
    QTest::newRow("alarms, level 3")
        << alarms(3) << QList<int>{406, 407, 408, 409, 410, 411, 412, 413, 414, 420, 424, 428, 432};
    QTest::newRow("errors, level 0") << errors(0) << QList<int>{1113, 1119, 1421, 1425};
    QTest::newRow("errors, level 1") << errors(1) << QList<int>{1102, 1114, 1120, 1422, 1426};
    QTest::newRow("errors, level 2") << errors(2) << QList<int>{1103, 1115, 1121, 1423, 1427};
    QTest::newRow("errors, level 3") << errors(3) << QList<int>{1414, 1415, 1417, 1424, 1428};
}

void tst_OtnIds::countersPerLevel()
{
    QFETCH(QList<int>, fromTables);
    QFETCH(QList<int>, listed);
    QCOMPARE(fromTables, listed);
}

QTEST_GUILESS_MAIN(tst_OtnIds)
#include "tst_otnids.moc"
