#include <memory>

#include <QtTest>

#include "apps/shared/sid.h"

#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/setuppageproperty.h"
#include "host/contract/statisticslisttablepagefactory.h"
#include "host/pages/stimuliwidget.h"
#include "pluginloader.h"
#include "tests/support/simulatorfixture.h"

class tst_PluginLoader : public QObject
{
    Q_OBJECT
private slots:
    void loadsTheOtnPlugin();
    void exportsTheTributaryScanTable();
    void refusesWhatIsNoPlugin_data();
    void refusesWhatIsNoPlugin();
};

void tst_PluginLoader::loadsTheOtnPlugin()
{
    PluginLoader loader;
    QVERIFY2(loader.load(QStringLiteral(ZEL_OTN_PLUGIN)), qPrintable(loader.errorString()));
    QVERIFY(loader.isLoaded());

    std::unique_ptr<InterfaceSetupPageFactory> factory(loader.createSetupPageFactory());
    QVERIFY(factory);
    // The records themselves are the factory suite's and the main window's subject.
    QCOMPARE(int(factory->technology()), 5);

    QList<int> ports{3, 1};
    std::unique_ptr<StatisticsListTablePageFactory> statistics(loader.createStatisticsPageFactory(&ports));
    QVERIFY(statistics);
    QCOMPARE(statistics->ports(), &ports);

    SimulatorOptions options = SimulatorFixture::quietOptions(2);
    options.moduleTypes = {0, 6, 0, 0};
    SimulatorFixture tester(options);
    QList<StimuliRegistration> items;
    loader.registerStimuli(tester.manager(), 2, &items);
    for (const StimuliRegistration &item : qAsConst(items)) {
        QVERIFY(item.widget);
        QCOMPARE(nsSID::portOf(item.sid), 2);
        delete item.widget;
    }
}

void tst_PluginLoader::exportsTheTributaryScanTable()
{
    // A host reaches the exported table by its (mangled) name, as it reaches the classes.
    QLibrary library(QStringLiteral(ZEL_OTN_PLUGIN));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    const auto *table = reinterpret_cast<const int *>(library.resolve("_ZN3PID3Otn2TS7MAIN_TPE"));
    QVERIFY(table);
    QCOMPARE((QList<int>{table[0], table[1], table[2]}), (QList<int>{16002, 16003, 16004}));
}

void tst_PluginLoader::refusesWhatIsNoPlugin_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("errorPart");
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/libzelTpClientOtn.so") << QStringLiteral("nonexistent");
    QTest::newRow("library without entry points") << QStringLiteral(ZEL_BASE_LIBRARY)
                                                  << QStringLiteral("lacks the entry points of a plug-in");
}

void tst_PluginLoader::refusesWhatIsNoPlugin()
{
    QFETCH(QString, path);
    QFETCH(QString, errorPart);
    PluginLoader loader;
    QVERIFY(!loader.load(path));
    QVERIFY(!loader.isLoaded());
    QVERIFY2(loader.errorString().contains(errorPart), qPrintable(loader.errorString()));
    QVERIFY(!loader.createSetupPageFactory());
    QVERIFY(!loader.createStatisticsPageFactory(nullptr));
}

QTEST_MAIN(tst_PluginLoader)
#include "tst_pluginloader.moc"
