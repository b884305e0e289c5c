#include <QtTest>

#include "clientoptions.h"
#include "simulator/poweronstructure.h"

using IntVector = QVector<int>;

class tst_ClientOptions : public QObject
{
    Q_OBJECT
private slots:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void defaultStructureShowsLevelsChannelsAndSlots();
    void helpNeedsNoFurtherInput();
    void helpShowsDefaultsAndAWorkingExample();
    void versionNeedsNoFurtherInput_data();
    void versionNeedsNoFurtherInput();
};

void tst_ClientOptions::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("ports");
    QTest::addColumn<IntVector>("modules");
    QTest::addColumn<QString>("structure");
    QTest::addColumn<bool>("structureGiven");
    QTest::addColumn<QString>("screenshotDir");
    QTest::addColumn<QString>("plugin");

    // The default structure runs on QSFP28 modules (7); ports without a module of their own get the one
    // their structure needs.
    const QString otu4 = QStringLiteral("otu4-odu2-odu0");
    QTest::newRow("defaults") << QStringList{} << 4 << IntVector{7, 7, 7, 7} << otu4 << false << QString() << QString();
    QTest::newRow("one port") << QStringList{"--ports", "1"} << 1 << IntVector{7, 7, 7, 7} << otu4 << false << QString()
                              << QString();
    QTest::newRow("short options") << QStringList{"-p", "2", "-m", "3,6"} << 2 << IntVector{3, 6, 7, 7} << otu4 << false
                                   << QString() << QString();
    QTest::newRow("fewer modules than ports") << QStringList{"--modules", "4"} << 4 << IntVector{4, 7, 7, 7} << otu4
                                              << false << QString() << QString();
    QTest::newRow("spaces around types") << QStringList{"--modules", "7, 1"} << 4 << IntVector{7, 1, 7, 7} << otu4
                                         << false << QString() << QString();
    QTest::newRow("structure on SFP modules") << QStringList{"--structure", "otu2-bulk"} << 4 << IntVector{0, 0, 0, 0}
                                              << "otu2-bulk" << true << QString() << QString();
    QTest::newRow("lanes on their own modules") << QStringList{"--structure", "otl4.4"} << 4 << IntVector{4, 4, 4, 4}
                                                << "otl4.4" << true << QString() << QString();
    QTest::newRow("lanes on given multi-lane modules")
        << QStringList{"--structure", "otl4.4", "--modules", "6,3"} << 4 << IntVector{6, 3, 4, 4} << "otl4.4" << true
        << QString() << QString();
    QTest::newRow("screenshots") << QStringList{"--screenshot", "out/shots"} << 4 << IntVector{7, 7, 7, 7} << otu4
                                 << false << "out/shots" << QString();
    QTest::newRow("plug-in file") << QStringList{"--plugin-file", "/x/libzelTpClientOtn.so"} << 4
                                  << IntVector{7, 7, 7, 7} << otu4 << false << QString() << "/x/libzelTpClientOtn.so";
}

void tst_ClientOptions::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, ports);
    QFETCH(IntVector, modules);
    QFETCH(QString, structure);
    QFETCH(bool, structureGiven);
    QFETCH(QString, screenshotDir);
    QFETCH(QString, plugin);
    ClientOptions options;
    QString error;
    QVERIFY2(options.parse(QStringList{"otn-client"} + arguments, &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(options.portCount, ports);
    QCOMPARE(options.moduleTypes, modules);
    QCOMPARE(options.structure, structure);
    QCOMPARE(options.structureGiven, structureGiven);
    QCOMPARE(options.screenshotDir, screenshotDir);
    QCOMPARE(options.pluginPath, plugin);
    QVERIFY(!options.helpRequested);
}

void tst_ClientOptions::defaultStructureShowsLevelsChannelsAndSlots()
{
    ClientOptions options;
    QString error;
    QVERIFY2(options.parse({"otn-client"}, &error), qPrintable(error));
    const PowerOnStructure *structure = PowerOnStructure::find(options.structure);
    QVERIFY(structure);
    // At least one multiplex stage: the frame setup opens on levels, tributary ports and slots.
    QVERIFY(structure->mapping().getOduCount() >= 2);
}

void tst_ClientOptions::rejected_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no ports") << QStringList{"--ports", "0"} << "The port count must be 1 to 4, not '0'.";
    QTest::newRow("five ports") << QStringList{"--ports", "5"} << "The port count must be 1 to 4, not '5'.";
    QTest::newRow("ports not a number") << QStringList{"--ports", "two"} << "The port count must be 1 to 4, not 'two'.";
    QTest::newRow("module type 8") << QStringList{"--modules", "0,8"} << "Unknown module type '8' for port 2.";
    QTest::newRow("negative module type") << QStringList{"--modules", "-1"} << "Unknown module type '-1' for port 1.";
    QTest::newRow("more modules than ports") << QStringList{"--ports", "1", "--modules", "0,3"}
                                             << "2 module types given for 1 ports.";
    QTest::newRow("unknown structure")
        << QStringList{"--structure", "otu5"}
        << "Unknown structure 'otu5'; known: otu4-odu2-odu0, otu2-bulk, otu2-odu0, otu3-odu2-odu1-odu0, "
           "otu4-odu0, otu4-oduflex-gfpf, otl4.4, otu2-tim, otlc.4.";
    QTest::newRow("lanes without a multi-lane module")
        << QStringList{"--structure", "otl4.4", "--modules", "4,0"}
        << "The structure otl4.4 needs a multi-lane module (3, 4 or 6); port 2 has 0.";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "Unknown option 'colour'.";
    QTest::newRow("stray argument") << QStringList{"now"} << "Unexpected argument 'now'.";
    QTest::newRow("seed not a number") << QStringList{"--seed", "x"} << "The seed must be a number, not 'x'.";
    QTest::newRow("csv without report") << QStringList{"--csv", "r.csv"} << "--csv and --run-seconds go with --report.";
    QTest::newRow("negative run") << QStringList{"--report", "r.pdf", "--run-seconds", "-1"}
                                  << "The run must last 0 or more seconds, not '-1'.";
    QTest::newRow("report and screenshots") << QStringList{"--report", "r.pdf", "--screenshot", "shots"}
                                            << "--report and --screenshot do not go together.";
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

void tst_ClientOptions::helpNeedsNoFurtherInput()
{
    ClientOptions options;
    QString error;
    QString help;
    QVERIFY(options.parse({"otn-client", "--help", "--ports", "9"}, &error, &help));
    QVERIFY(options.helpRequested);
    QVERIFY(help.contains(QLatin1String("--screenshot <dir>")));
    QVERIFY(help.contains(QLatin1String("--modules <types>")));
    QVERIFY(help.contains(QLatin1String("--ports <count>")));
    QVERIFY(help.contains(QLatin1String("--structure <name>")));
    QVERIFY(help.contains(QLatin1String("(--structure, default otu4-odu2-odu0)")));
    for (const PowerOnStructure &structure : PowerOnStructure::all()) {
        QVERIFY2(help.contains(QStringLiteral("  %1 ").arg(structure.name)) && help.contains(structure.title),
                 qPrintable(structure.name));
    }
}

void tst_ClientOptions::helpShowsDefaultsAndAWorkingExample()
{
    ClientOptions options;
    QString error;
    QString help;
    QVERIFY(options.parse({"otn-client", "--help"}, &error, &help));

    // Each option of the client says what it is when not given; an option's description may take lines.
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
    const QStringList arguments = match.captured(1).split(QLatin1Char(' '));
    QVERIFY2(fromExample.parse(QStringList{"otn-client"} + arguments, &error), qPrintable(error));
    QVERIFY(!fromExample.screenshotDir.isEmpty());
}

void tst_ClientOptions::versionNeedsNoFurtherInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("long") << QStringList{"--version"};
    QTest::newRow("short") << QStringList{"-v"};
    QTest::newRow("before bad input") << QStringList{"--version", "--ports", "9"};
}

void tst_ClientOptions::versionNeedsNoFurtherInput()
{
    QFETCH(QStringList, arguments);
    ClientOptions options;
    QString error;
    QVERIFY2(options.parse(QStringList{"otn-client"} + arguments, &error), qPrintable(error));
    QVERIFY(options.versionRequested);
    QVERIFY(!options.helpRequested);
    // The project's version, as the package carries it.
    QCOMPARE(ClientOptions::version(), QStringLiteral(ZEL_PROJECT_VERSION));
}

QTEST_MAIN(tst_ClientOptions)
#include "tst_clientoptions.moc"
