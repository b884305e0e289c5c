#include <memory>

#include <QLabel>
#include <QProcess>
#include <QtTest>

#include "apps/shared/sid.h"

#include "clientsession.h"
#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/setuppageproperty.h"
#include "host/contract/statisticslisttablepagefactory.h"
#include "host/contract/technologyplugin.h"
#include "host/pages/stimuliwidget.h"
#include "mainwindow.h"
#include "pagearea.h"
#include "pluginloader.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

class tst_PluginLoader : public QObject
{
    Q_OBJECT
private slots:
    void locatesThePlugin_data();
    void locatesThePlugin();
    void loadsTheOtnPlugin();
    void exportsTheTributaryScanTable();
    void refusesWhatIsNoPluginOfThisInterface_data();
    void refusesWhatIsNoPluginOfThisInterface();
    void windowSaysWhyThereAreNoPages();
    void clientEndsWithoutItsPlugin_data();
    void clientEndsWithoutItsPlugin();
};

void tst_PluginLoader::locatesThePlugin_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("applicationDir");
    QTest::addColumn<QString>("expected");
    const QString client = QFileInfo(QStringLiteral(ZEL_OTN_CLIENT)).absolutePath();
    QTest::newRow("given file wins") << QStringLiteral("/x/libzelTpClientOtn.so") << client
                                     << QStringLiteral("/x/libzelTpClientOtn.so");
    QTest::newRow("given file from the working folder")
        << QStringLiteral("x/libzelTpClientOtn.so") << client << QDir::current().filePath("x/libzelTpClientOtn.so");
    // The build tree puts the plug-in where an installed tree has it, relative to the application.
    QTest::newRow("relative to the application") << QString() << client << QStringLiteral(ZEL_OTN_PLUGIN);
}

void tst_PluginLoader::locatesThePlugin()
{
    QFETCH(QString, given);
    QFETCH(QString, applicationDir);
    QFETCH(QString, expected);
    QCOMPARE(PluginLoader::locate(given, applicationDir), expected);
}

void tst_PluginLoader::loadsTheOtnPlugin()
{
    PluginLoader loader;
    QVERIFY2(loader.load(QStringLiteral(ZEL_OTN_PLUGIN)), qPrintable(loader.errorString()));
    QVERIFY(loader.isLoaded());
    QCOMPARE(loader.technology(), QStringLiteral("OTN"));
    const TechnologyPlugin *plugin = loader.plugin();
    QVERIFY(plugin);

    const std::unique_ptr<InterfaceSetupPageFactory> factory = plugin->createSetupPageFactory();
    QVERIFY(factory);
    // The records themselves are the factory suite's and the main window's subject.
    QCOMPARE(int(factory->technology()), 5);

    QList<int> ports{3, 1};
    const std::unique_ptr<StatisticsListTablePageFactory> statistics = plugin->createStatisticsPageFactory(&ports);
    QVERIFY(statistics);
    QCOMPARE(statistics->ports(), &ports);

    SimulatorOptions options = TesterFixture::testOptions(2);
    options.moduleTypes = {0, 6, 0, 0};
    TesterFixture tester(options);
    const QList<StimuliRegistration> items = plugin->registerStimuli(tester.manager(), 2);
    for (const StimuliRegistration &item : items) {
        const std::unique_ptr<StimuliWidget> panel(item.widget);
        QVERIFY(panel);
        QCOMPARE(nsSID::portOf(item.sid), 2);
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

void tst_PluginLoader::refusesWhatIsNoPluginOfThisInterface_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const QString stale = QStringLiteral(ZEL_STALE_PLUGIN);
    QTest::newRow("another interface version")
        << stale
        << stale + " implements org.zel.TechnologyPlugin/0.9 (interface version 0.9); "
                   "this client needs org.zel.TechnologyPlugin/1.1";
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/libzelTpClientOtn.so")
                                  << QStringLiteral("/nonexistent/libzelTpClientOtn.so is no plug-in: ");
    QTest::newRow("library that is no plug-in") << QStringLiteral(ZEL_BASE_LIBRARY)
                                                << QStringLiteral(ZEL_BASE_LIBRARY " is no plug-in: ");
}

void tst_PluginLoader::refusesWhatIsNoPluginOfThisInterface()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    DiagnosticsRecorder recorder;
    PluginLoader loader;
    QVERIFY(!loader.load(path));
    QVERIFY(!loader.isLoaded());
    QVERIFY(!loader.plugin());
    QVERIFY2(loader.errorString().startsWith(reason), qPrintable(loader.errorString()));
    // One line says why; the refused library was never loaded, so none of its code ran.
    QCOMPARE(recorder.lines(), QStringList{QStringLiteral("Plug-in refused: %1.").arg(loader.errorString())});
    QVERIFY(!QLibrary(path).isLoaded());
}

void tst_PluginLoader::windowSaysWhyThereAreNoPages()
{
    ClientOptions options;
    options.pluginPath = QStringLiteral(ZEL_STALE_PLUGIN);
    options.liveValues = false;
    DiagnosticsRecorder recorder;
    ClientSession session(options);
    QString error;
    QVERIFY(!session.start(&error));
    QVERIFY(error.contains(QStringLiteral("org.zel.TechnologyPlugin/0.9")));
    QCOMPARE(recorder.lines().size(), 1);
    // The client goes on without the plug-in: the tester runs, the window opens and says why it is empty.
    QVERIFY(session.serverManager());
    QVERIFY(!session.setupFactory());
    MainWindow window(session);
    auto *notice = window.pageArea()->findChild<QLabel *>(QStringLiteral("lblNoPage"));
    QVERIFY(notice);
    QCOMPARE(notice->text(), error);
    QVERIFY(!window.openPage(31));
    QCOMPARE(notice->text(), error);
    QCOMPARE(window.pageArea()->currentWidget(), notice);
}

void tst_PluginLoader::clientEndsWithoutItsPlugin_data()
{
    QTest::addColumn<QString>("plugin");
    QTest::addColumn<bool>("screenshots");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file, screenshots")
        << QStringLiteral("/nonexistent/libzelTpClientOtn.so") << true
        << QStringLiteral("Cannot load the OTN plug-in: /nonexistent/libzelTpClientOtn.so is no plug-in: ");
    QTest::newRow("another interface version, window")
        << QStringLiteral(ZEL_STALE_PLUGIN) << false
        << QStringLiteral("Cannot load the OTN plug-in: " ZEL_STALE_PLUGIN " implements org.zel.TechnologyPlugin/0.9");
}

void tst_PluginLoader::clientEndsWithoutItsPlugin()
{
    QFETCH(QString, plugin);
    QFETCH(bool, screenshots);
    QFETCH(QString, reason);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString shots = directory.filePath(QStringLiteral("shots"));
    QStringList arguments{QStringLiteral("--plugin-file"), plugin};
    if (screenshots)
        arguments << QStringLiteral("--screenshot") << shots;
    QProcess client;
    client.start(QStringLiteral(ZEL_OTN_CLIENT), arguments);
    QVERIFY(client.waitForFinished(60000));
    QCOMPARE(client.exitStatus(), QProcess::NormalExit);
    QCOMPARE(client.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(client.readAllStandardError());
    QVERIFY2(errors.contains(reason), qPrintable(errors));
    // Nothing written: no screenshot folder, no contact sheet, no list of files.
    QVERIFY(client.readAllStandardOutput().isEmpty());
    QVERIFY(!QFileInfo::exists(shots));
}

QTEST_MAIN(tst_PluginLoader)
#include "tst_pluginloader.moc"
