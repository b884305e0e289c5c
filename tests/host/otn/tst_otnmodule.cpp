#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "host/otn/otnmodule.h"

namespace {

// The value names of an enumeration parameter of the tester's catalogue.
QHash<int, QString> valueNames(int id)
{
    QFile file(QStringLiteral(ZEL_SOURCE_ROOT "simulator/catalogue/parameters.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<int, QString> names;
    for (const QJsonValue &parameter : QJsonDocument::fromJson(file.readAll()).object().value("parameters").toArray()) {
        if (parameter.toObject().value("id").toInt() != id)
            continue;
        for (const QJsonValue &value : parameter.toObject().value("values").toArray())
            names.insert(value.toObject().value("value").toInt(), value.toObject().value("name").toString());
    }
    return names;
}

} // namespace

class tst_OtnModule : public QObject
{
    Q_OBJECT
private slots:
    void multiLane_data();
    void multiLane();
    void rxValueNamesTheSameTransceiver();
};

void tst_OtnModule::multiLane_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("multiLane");
    // Only CFP2 (3), CFP4 (4) and CXP (6) have several physical lanes.
    for (int type = -1; type <= OtnModule::typeCount; ++type)
        QTest::addRow("type %d", type) << type << (type == 3 || type == 4 || type == 6);
}

void tst_OtnModule::multiLane()
{
    QFETCH(int, type);
    QFETCH(bool, multiLane);
    QCOMPARE(OtnModule::isMultiLane(type), multiLane);
    QCOMPARE(OtnModule::isMultiLaneRxValue(OtnModule::rxValueOf(type)), multiLane);
}

// The receiver lists the transceivers in another order, after "OFF"; the transmitter's "SFP/SFP+" is the
// receiver's "SFP".
void tst_OtnModule::rxValueNamesTheSameTransceiver()
{
    const QHash<int, QString> tx = valueNames(11143);
    const QHash<int, QString> rx = valueNames(12001);
    QCOMPARE(tx.size(), OtnModule::typeCount);
    for (int type = 0; type < OtnModule::typeCount; ++type) {
        const QString sent = tx.value(type);
        const QString received = rx.value(OtnModule::rxValueOf(type));
        QVERIFY2(sent == received || sent.startsWith(received + QLatin1Char('/')), qPrintable(sent + " / " + received));
    }
    QVERIFY(!OtnModule::isMultiLaneRxValue(0));
    QCOMPARE(OtnModule::rxValueOf(OtnModule::typeCount), -1);
}

QTEST_GUILESS_MAIN(tst_OtnModule)
#include "tst_otnmodule.moc"
