#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "host/otn/otnperformancecounters.h"

namespace {

// The tester's names of its parameters, by id.
QHash<int, QString> catalogueNames()
{
    QHash<int, QString> names;
    for (const char *file :
         {"parameters.json", "physical.json", "mapping.json", "setupdialogs.json", "setupwidgets.json"}) {
        QFile json(QStringLiteral(ZEL_SOURCE_ROOT "simulator/catalogue/") + QLatin1String(file));
        if (!json.open(QIODevice::ReadOnly))
            continue;
        for (const QJsonValue &p : QJsonDocument::fromJson(json.readAll()).object().value("parameters").toArray())
            names.insert(p.toObject().value("id").toInt(), p.toObject().value("name").toString());
    }
    return names;
}

} // namespace

Q_DECLARE_METATYPE(OtnPerformanceCounters)

class tst_OtnPerformanceCounters : public QObject
{
    Q_OBJECT
private slots:
    void countersOfAPath_data();
    void countersOfAPath();
};

void tst_OtnPerformanceCounters::countersOfAPath_data()
{
    QTest::addColumn<OtnPerformanceCounters>("counters");
    QTest::addColumn<QString>("path");      // as the tester names the path's counters
    QTest::addColumn<QString>("state");     // and their state
    QTest::addColumn<QString>("level");     // the level the names end with, if any
    QTest::newRow("line") << OtnPerformanceCounters::line() << "Line" << "State" << QString();
    for (int k = 0; k < 4; ++k)
        QTest::addRow("level %d", k) << OtnPerformanceCounters::odu(k) << "ODU" << "STAT" << QString::number(k + 1);
    for (int j = 0; j < 6; ++j)
        QTest::addRow("TCM%d", j + 1) << OtnPerformanceCounters::tcm(j) << QStringLiteral("TCM%1").arg(j + 1) << "STAT"
                                      << QString();
}

// Each counter is the figure of its path and direction the tester names it after.
void tst_OtnPerformanceCounters::countersOfAPath()
{
    QFETCH(OtnPerformanceCounters, counters);
    QFETCH(QString, path);
    QFETCH(QString, state);
    QFETCH(QString, level);
    const QHash<int, QString> names = catalogueNames();
    const QString suffix = level.isEmpty() ? QString() : QStringLiteral(" (Level %1)").arg(level);
    const struct {
        OtnPerformanceCounters::Direction counters;
        const char *direction;
    } directions[] = {{counters.nearEnd, "Near End"}, {counters.farEnd, "Far End"},
                      {counters.bidirectional, "Bidirectional"}};
    for (const auto &d : directions) {
        const QString end = QStringLiteral(" (%1)%2").arg(QLatin1String(d.direction), suffix);
        QCOMPARE(names.value(d.counters.state), path + QLatin1Char(' ') + state + end);
        QCOMPARE(names.value(d.counters.ses), path + QStringLiteral(" SES") + end);
        QCOMPARE(names.value(d.counters.bbe), path + QStringLiteral(" BBE") + end);
        QCOMPARE(names.value(d.counters.uas), path + QStringLiteral(" UAS") + end);
    }
    // A tandem connection is named after the line's ODU.
    const QString named = path == QLatin1String("Line") ? QStringLiteral("Performance Line Name")
                                                        : QStringLiteral("Performance ODU Name (Level %1)")
                                                              .arg(level.isEmpty() ? QStringLiteral("1") : level);
    QCOMPARE(names.value(counters.name), named);
}

QTEST_GUILESS_MAIN(tst_OtnPerformanceCounters)
#include "tst_otnperformancecounters.moc"
