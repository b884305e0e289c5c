#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/stimuli/otnstimulicontrol.h"
#include "host/pages/stimuliwidget.h"
#include "host/server/zelservermanager.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

class tst_OtnStimuliControl : public QObject
{
    Q_OBJECT
private slots:
    void registrationAppendsPortItems_data();
    void registrationAppendsPortItems();
};

void tst_OtnStimuliControl::registrationAppendsPortItems_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("moduleType");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("port 1, single lane") << 1 << 0 << QList<int>{15, 16, 17};
    QTest::newRow("port 2, multi-lane") << 2 << 4 << QList<int>{15, 16, 17, 19};
}

void tst_OtnStimuliControl::registrationAppendsPortItems()
{
    QFETCH(int, port);
    QFETCH(int, moduleType);
    QFETCH(QList<int>, ids);
    const QHash<int, QString> classes{{15, QStringLiteral("OtnStimuliWidgetOtn")},
                                      {16, QStringLiteral("OtnStimuliWidgetJustification")},
                                      {17, QStringLiteral("OtnStimuliWidgetFrequency")},
                                      {19, QStringLiteral("OtnStimuliWidgetLldSkew")}};
    SimulatorOptions options = TesterFixture::testOptions(2);
    options.moduleTypes = {moduleType, moduleType, 0, 0};
    TesterFixture tester(options);

    QList<OtnStimuliControl::Item> items;
    const OtnStimuliControl::Item earlier{nsSID::build(port, 0x050000, 1), nullptr};
    items.append(earlier);
    DiagnosticsRecorder log;
    OtnStimuliControl::registerStimuli(tester.manager(), port, items);
    QVERIFY(!items.isEmpty());
    QCOMPARE(items.takeFirst().sid, earlier.sid);

    // Every panel of the port, in registration order, under the port's OTN SID.
    QCOMPARE(items.size(), ids.size());
    for (int index = 0; index < ids.size(); ++index) {
        const int id = ids.at(index);
        QCOMPARE(items.at(index).sid, nsSID::otnSid(port, id));
        QVERIFY2(items.at(index).widget, qPrintable(QStringLiteral("panel %1").arg(id)));
        QCOMPARE(QString::fromLatin1(items.at(index).widget->metaObject()->className()), classes.value(id));
    }
    QCOMPARE(log.lines(), QStringList());
    for (const OtnStimuliControl::Item &item : qAsConst(items))
        delete item.widget;
}

QTEST_MAIN(tst_OtnStimuliControl)
#include "tst_otnstimulicontrol.moc"
