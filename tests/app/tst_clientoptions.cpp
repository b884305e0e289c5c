#include <QProcess>
#include <QtTest>

#include "clientoptions.h"
#include "pluginloader.h"
#include "simulator/poweronstructure.h"
#include "tests/support/diagnosticsrecorder.h"

using IntVector = QVector<int>;

// The client's start: its options, the plug-in they name, and how the program ends when they are wrong.
class tst_ClientOptions : public QObject
{
    Q_OBJECT
private slots:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void helpAndVersionNeedNoFurtherInput();
    void locatesThePlugin();
    void refusesWhatIsNoPluginOfThisInterface_data();
    void refusesWhatIsNoPluginOfThisInterface();
    void exportsTheTributaryScanTable();
    void clientEnds_data();
    void clientEnds();
};

void tst_ClientOptions::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("ports");
    QTest::addColumn<IntVector>("modules");
    QTest::addColumn<QString>("structure");
    QTest::addColumn<QString>("screenshotDir");
    QTest::addColumn<QString>("plugin");

    // The default structure runs on QSFP28 modules (7); ports without a module of their own get the one
    // their structure needs.
    const QString otu4 = QStringLiteral("otu4-odu2-odu0");
    QTest::newRow("defaults") << QStringList{} << 4 << IntVector{7, 7, 7, 7} << otu4 << QString() << QString();
    QTest::newRow("short options, fewer modules than ports")
        << QStringList{"-p", "2", "-m", "3, 6"} << 2 << IntVector{3, 6, 7, 7} << otu4 << QString() << QString();
    QTest::newRow("lanes on given multi-lane modules")
        << QStringList{"--structure", "otl4.4", "--modules", "6,3"} << 4 << IntVector{6, 3, 4, 4} << "otl4.4"
        << QString() << QString();
    QTest::newRow("screenshots of a plug-in file")
        << QStringList{"--screenshot", "out/shots", "--plugin-file", "/x/libzelTpClientOtn.so"} << 4
        << IntVector{7, 7, 7, 7} << otu4 << "out/shots" << "/x/libzelTpClientOtn.so";
}

void tst_ClientOptions::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, ports);
    QFETCH(IntVector, modules);
    QFETCH(QString, structure);
    QFETCH(QString, screenshotDir);
    QFETCH(QString, plugin);
    ClientOptions options;
    QString error;
    QVERIFY2(options.parse(QStringList{"otn-client"} + arguments, &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(options.portCount, ports);
    QCOMPARE(options.moduleTypes, modules);
    QCOMPARE(options.structure, structure);
    QCOMPARE(options.structureGiven, arguments.contains(QLatin1String("--structure")));
    QCOMPARE(options.screenshotDir, screenshotDir);
    QCOMPARE(options.pluginPath, plugin);
    QVERIFY(!options.helpRequested);
}

void tst_ClientOptions::rejected_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no ports") << QStringList{"--ports", "0"} << "The port count must be 1 to 4, not '0'.";
    QTest::newRow("module type 8") << QStringList{"--modules", "0,8"} << "Unknown module type '8' for port 2.";
    QTest::newRow("more modules than ports") << QStringList{"--ports", "1", "--modules", "0,3"}
                                             << "2 module types given for 1 ports.";
    QTest::newRow("unknown structure")
        << QStringList{"--structure", "otu5"}
        << "Unknown structure 'otu5'; known: otu4-odu2-odu0, otu2-bulk, otu2-odu0, otu3-odu2-odu1-odu0, "
           "otu4-odu0, otu4-oduflex-gfpf, otl4.4, otu2-tim, otlc.4.";
    QTest::newRow("lanes without a multi-lane module")
        << QStringList{"--structure", "otl4.4", "--modules", "4,0"}
        << "The structure otl4.4 needs a multi-lane module (3, 4 or 6); port 2 has 0.";
    QTest::newRow("csv without report") << QStringList{"--csv", "r.csv"} << "--csv and --run-seconds go with --report.";
    QTest::newRow("negative run") << QStringList{"--report", "r.pdf", "--run-seconds", "-1"}
                                  << "The run must last 0 or more seconds, not '-1'.";
    QTest::newRow("server without port") << QStringList{"--server", "tester"} << "--server takes host:port, not 'tester'.";
    // Qt's own -plugin (also with two dashes) would take the file as a platform plug-in too.
    QTest::newRow("Qt's plug-in option") << QStringList{"--plugin", "/x/libzelTpClientOtn.so"}
                                         << "Unknown option 'plugin'.";
}

void tst_ClientOptions::rejected()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    ClientOptions options;
    QString message;
    QVERIFY(!options.parse(QStringList{"otn-client"} + arguments, &message));
    QCOMPARE(message, error);
}

void tst_ClientOptions::helpAndVersionNeedNoFurtherInput()
{
    ClientOptions options;
    QString error;
    QString help;
    QVERIFY(options.parse({"otn-client", "--help", "--ports", "9"}, &error, &help));
    QVERIFY(options.helpRequested);
    QVERIFY(help.contains(QLatin1String("(--structure, default otu4-odu2-odu0)")));
    for (const PowerOnStructure &structure : PowerOnStructure::all()) {
        QVERIFY2(help.contains(QStringLiteral("  %1 ").arg(structure.name)) && help.contains(structure.title),
                 qPrintable(structure.name));
    }

    // Each of the client's options says what it is when not given; a description may take lines.
    const QStringList lines = help.section(QLatin1String("Options:\n"), 1).split(QLatin1Char('\n'));
    QStringList entries;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("  -")))
            entries << line;
        else if (!entries.isEmpty())
            entries.last() += QLatin1Char(' ') + line.trimmed();
    }
    static const QRegularExpression qtOwn(QStringLiteral("^  (-h, )?--help|^  (-v, )?--version"));
    int shown = 0;
    for (const QString &entry : qAsConst(entries)) {
        if (qtOwn.match(entry).hasMatch())
            continue;
        ++shown;
        QVERIFY2(entry.contains(QLatin1String("default: ")), qPrintable(entry));
    }
    QCOMPARE(shown, 12);

    // The example in the help runs.
    static const QRegularExpression example(QStringLiteral("^Example: otn-client (.+)$"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = example.match(help);
    QVERIFY2(match.hasMatch(), qPrintable(help));
    ClientOptions fromExample;
    QVERIFY2(fromExample.parse(QStringList{"otn-client"} + match.captured(1).split(QLatin1Char(' ')), &error),
             qPrintable(error));
    QVERIFY(!fromExample.screenshotDir.isEmpty());

    ClientOptions version;
    QVERIFY2(version.parse({"otn-client", "-v", "--ports", "9"}, &error), qPrintable(error));
    QVERIFY(version.versionRequested);
    QVERIFY(!version.helpRequested);
}

// A given file is taken from the working folder; none given, the plug-in is where an installed tree has
// it, relative to the application (the build tree does the same).
void tst_ClientOptions::locatesThePlugin()
{
    const QString application = QFileInfo(QStringLiteral(ZEL_OTN_CLIENT)).absolutePath();
    QCOMPARE(PluginLoader::locate(QStringLiteral("x/libzelTpClientOtn.so"), application),
             QDir::current().filePath("x/libzelTpClientOtn.so"));
    QCOMPARE(PluginLoader::locate(QString(), application), QStringLiteral(ZEL_OTN_PLUGIN));
}

void tst_ClientOptions::refusesWhatIsNoPluginOfThisInterface_data()
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

void tst_ClientOptions::refusesWhatIsNoPluginOfThisInterface()
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

void tst_ClientOptions::exportsTheTributaryScanTable()
{
    // A host reaches the exported table by its (mangled) name, as it reaches the classes.
    QLibrary library(QStringLiteral(ZEL_OTN_PLUGIN));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    const auto *table = reinterpret_cast<const int *>(library.resolve("_ZN3PID3Otn2TS7MAIN_TPE"));
    QVERIFY(table);
    QCOMPARE((QList<int>{table[0], table[1], table[2]}), (QList<int>{16002, 16003, 16004}));
}

void tst_ClientOptions::clientEnds_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::newRow("help before bad input") << QStringList{"--help", "--ports", "9"} << 0 << "--screenshot <dir>";
    // The project's version, as the package carries it.
    QTest::newRow("version") << QStringList{"--version"} << 0 << "otn-client " ZEL_PROJECT_VERSION "\n";
    QTest::newRow("bad port count") << QStringList{"--ports", "9"} << 2 << "The port count must be 1 to 4, not '9'.";
    QTest::newRow("missing plug-in, screenshots")
        << QStringList{"--plugin-file", "/nonexistent/libzelTpClientOtn.so", "--screenshot"} << 1
        << "Cannot load the OTN plug-in: /nonexistent/libzelTpClientOtn.so is no plug-in: ";
}

void tst_ClientOptions::clientEnds()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QTemporaryDir directory;
    const QString shots = directory.filePath(QStringLiteral("shots"));
    if (arguments.last() == QLatin1String("--screenshot"))
        arguments << shots;
    QProcess client;
    client.start(QStringLiteral(ZEL_OTN_CLIENT), arguments);
    QVERIFY(client.waitForFinished(60000));
    QCOMPARE(client.exitStatus(), QProcess::NormalExit);
    QCOMPARE(client.exitCode(), exitCode);
    const QByteArray out = client.readAllStandardOutput();
    const QString text = QString::fromLocal8Bit(out + client.readAllStandardError());
    QVERIFY2(text.contains(output), qPrintable(text));
    // A client that fails writes nothing: no screenshot folder, no contact sheet, no list of files.
    QVERIFY(exitCode == 0 || out.isEmpty());
    QVERIFY(!QFileInfo::exists(shots));
}

QTEST_MAIN(tst_ClientOptions)
#include "tst_clientoptions.moc"
