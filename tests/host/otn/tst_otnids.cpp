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

// Every id a file of host/otn names, read from its table definitions and its single ids (0 marks none).
QList<int> definedIds(const char *file)
{
    static const QRegularExpression table(QStringLiteral("const int \\w+[^=]*=\\s*\\{([^;]*)\\};"));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    static const QRegularExpression single(QStringLiteral("constexpr int \\w+ = (\\d+);"));
    QFile source(QStringLiteral(ZEL_SOURCE_ROOT "host/otn/") + QLatin1String(file));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString text = QString::fromUtf8(source.readAll());
    QList<int> ids;
    auto tables = table.globalMatch(text);
    while (tables.hasNext()) {
        auto numbers = number.globalMatch(tables.next().captured(1));
        while (numbers.hasNext()) {
            if (const int id = numbers.next().captured().toInt())
                ids << id;
        }
    }
    auto singles = single.globalMatch(text);
    while (singles.hasNext())
        ids << singles.next().captured(1).toInt();
    return ids;
}

} // namespace

class tst_OtnIds : public QObject
{
    Q_OBJECT
private slots:
    void idsAreUnique();
    void countersPerLevel_data();
    void countersPerLevel();
};

// Parameters and counters share the OTN group: every id is named once, by one name or one table entry.
void tst_OtnIds::idsAreUnique()
{
    const QList<int> ids = definedIds("otnpid.cpp") + definedIds("otnpid.h") + definedIds("otniid.cpp")
                           + definedIds("otniid.h");
    QVERIFY2(ids.size() > 400, "the tables were not found in their sources");
    QSet<int> seen;
    for (int id : ids) {
        QVERIFY2(id > 0 && id <= 0xFFFF, qPrintable(QString::number(id)));
        QVERIFY2(!seen.contains(id), qPrintable(QStringLiteral("%1 is named twice").arg(id)));
        seen.insert(id);
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
