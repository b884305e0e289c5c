#include "clientoptions.h"

#include <algorithm>

#include <QCommandLineParser>
#include <QCoreApplication>

#include "simulator/poweronstructure.h"
#include "host/otn/otnmodule.h"
#include "pluginloader.h"

namespace {
constexpr int maxPorts = 4;
constexpr int maxModuleType = OtnModule::typeCount - 1;

// The structures, one a line, for the help text.
QString structureList()
{
    QStringList lines;
    for (const PowerOnStructure &structure : PowerOnStructure::all())
        lines << QStringLiteral("  %1 %2").arg(structure.name, -22).arg(structure.title);
    return lines.join(QLatin1Char('\n'));
}
} // namespace

QString ClientOptions::version()
{
    return QStringLiteral(ZEL_VERSION);
}

bool ClientOptions::parse(const QStringList &arguments, QString *error, QString *helpText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("OTN client on the embedded simulated tester.\n"
                       "Module types: 0 SFP/SFP+, 1 QSFP+, 2 CFP, 3 CFP2, 4 CFP4, 5 QSFP28 Adpt., 6 CXP, "
                       "7 QSFP28 (3, 4 and 6 are multi-lane).\n"
                       "Power-on structures of the ports (--structure, default %1):\n%2\n"
                       "Example: otn-client --ports 2 --modules 3,6 --structure otl4.4 --screenshot shots")
            .arg(PowerOnStructure::defaultStructure().name, structureList()));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    // Qt reads some options of its own (-plugin, -style, ...) from the same command line, also with two
    // dashes: an option of the client never takes one of their names.
    const QCommandLineOption portsOption(QStringList{QStringLiteral("p"), QStringLiteral("ports")},
                                         QStringLiteral("Number of test ports, 1 to %1 (default: 4).").arg(maxPorts),
                                         QStringLiteral("count"), QStringLiteral("4"));
    const QCommandLineOption modulesOption(
        QStringList{QStringLiteral("m"), QStringLiteral("modules")},
        QStringLiteral("Module type of each port, comma separated, port 1 first (e.g. 0,3; default: the module "
                       "the structure needs)."),
        QStringLiteral("types"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Render every page, dialog and panel of every structure to PNG files, a folder per structure, "
                       "with an index.html contact sheet in dir, and quit (default: open the window)."),
        QStringLiteral("dir"));
    const QCommandLineOption pluginOption(
        QStringLiteral("plugin-file"),
        QStringLiteral("The OTN plug-in library to load (default: %1 from the program's folder).")
            .arg(PluginLoader::pathFromApplication()),
        QStringLiteral("file"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Seed of the simulated measured values (default: 1)."),
                                        QStringLiteral("number"), QStringLiteral("1"));
    const QCommandLineOption structureOption(
        QStringLiteral("structure"),
        QStringLiteral("Signal and multiplex structure every port powers on with (see the list above; default: "
                       "%1). With --screenshot: only this one instead of every structure.")
            .arg(PowerOnStructure::defaultStructure().name),
        QStringLiteral("name"), PowerOnStructure::defaultStructure().name);
    const QCommandLineOption reportOption(
        QStringLiteral("report"),
        QStringLiteral("Run the tester without a window, write the test report as a PDF to file and quit "
                       "(default: open the window)."),
        QStringLiteral("file"));
    const QCommandLineOption csvOption(
        QStringLiteral("csv"),
        QStringLiteral("With --report: also write the results as CSV to file, and the event log beside it "
                       "(file-events.csv; default: the PDF only)."),
        QStringLiteral("file"));
    const QCommandLineOption runSecondsOption(QStringLiteral("run-seconds"),
                                              QStringLiteral("With --report: seconds the tester runs first (default: 10)."),
                                              QStringLiteral("seconds"), QStringLiteral("10"));
    const QCommandLineOption serverOption(
        QStringLiteral("server"),
        QStringLiteral("Work on the tester otn-tester serves at host:port (default: the embedded one; the ports, "
                       "modules and structure are the served tester's)."),
        QStringLiteral("host:port"));
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QStringLiteral("Keep the window, port, access, terminology and last setup file in this file (default: the "
                       "user's settings)."),
        QStringLiteral("file"));
    const QCommandLineOption resetSettingsOption(QStringLiteral("reset-settings"),
                                                 QStringLiteral("Start with the settings cleared (default: keep them)."));
    parser.addOptions({portsOption, modulesOption, structureOption, screenshotOption, pluginOption, seedOption,
                       serverOption});
    parser.addOptions({reportOption, csvOption, runSecondsOption});
    parser.addOptions({settingsOption, resetSettingsOption});

    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        helpRequested = true;
        // The help text names the program after the running application's arguments.
        if (helpText && QCoreApplication::instance())
            *helpText = parser.helpText();
        return true;
    }
    if (parser.isSet(versionOption)) {
        versionRequested = true;
        return true;
    }

    bool ok = false;
    portCount = parser.value(portsOption).toInt(&ok);
    if (!ok || portCount < 1 || portCount > maxPorts)
        return fail(QStringLiteral("The port count must be 1 to %1, not '%2'.").arg(maxPorts).arg(parser.value(portsOption)));

    givenModuleTypes.clear();
    if (parser.isSet(modulesOption)) {
        const QStringList types = parser.value(modulesOption).split(QLatin1Char(','));
        if (types.size() > portCount)
            return fail(QStringLiteral("%1 module types given for %2 ports.").arg(types.size()).arg(portCount));
        for (int i = 0; i < types.size(); ++i) {
            const int type = types.at(i).trimmed().toInt(&ok);
            if (!ok || type < 0 || type > maxModuleType)
                return fail(QStringLiteral("Unknown module type '%1' for port %2.").arg(types.at(i)).arg(i + 1));
            givenModuleTypes.append(type);
        }
    }
    structureGiven = parser.isSet(structureOption);
    if (!useStructure(parser.value(structureOption), error))
        return false;

    seed = parser.value(seedOption).toUInt(&ok);
    if (!ok)
        return fail(QStringLiteral("The seed must be a number, not '%1'.").arg(parser.value(seedOption)));
    screenshotDir = parser.value(screenshotOption);
    if (parser.isSet(screenshotOption) && screenshotDir.isEmpty())
        return fail(QStringLiteral("--screenshot needs a directory."));
    pluginPath = parser.value(pluginOption);
    reportPath = parser.value(reportOption);
    if (parser.isSet(reportOption) && reportPath.isEmpty())
        return fail(QStringLiteral("--report needs a file."));
    csvPath = parser.value(csvOption);
    if ((parser.isSet(csvOption) || parser.isSet(runSecondsOption)) && reportPath.isEmpty())
        return fail(QStringLiteral("--csv and --run-seconds go with --report."));
    runSeconds = parser.value(runSecondsOption).toInt(&ok);
    if (!ok || runSeconds < 0)
        return fail(QStringLiteral("The run must last 0 or more seconds, not '%1'.").arg(parser.value(runSecondsOption)));
    if (!reportPath.isEmpty() && !screenshotDir.isEmpty())
        return fail(QStringLiteral("--report and --screenshot do not go together."));
    server = parser.value(serverOption);
    const int colon = server.lastIndexOf(QLatin1Char(':'));
    if (parser.isSet(serverOption) && (colon < 1 || server.mid(colon + 1).toUShort() == 0))
        return fail(QStringLiteral("--server takes host:port, not '%1'.").arg(server));
    settingsFile = parser.value(settingsOption);
    resetSettings = parser.isSet(resetSettingsOption);
    return true;
}

bool ClientOptions::useStructure(const QString &name, QString *error)
{
    const PowerOnStructure *powerOn = PowerOnStructure::find(name);
    if (!powerOn) {
        QStringList names;
        for (const PowerOnStructure &known : PowerOnStructure::all())
            names << known.name;
        if (error)
            *error = QStringLiteral("Unknown structure '%1'; known: %2.").arg(name, names.join(QStringLiteral(", ")));
        return false;
    }
    QVector<int> modules(maxPorts, powerOn->moduleType);
    std::copy(givenModuleTypes.cbegin(), givenModuleTypes.cbegin() + qMin(givenModuleTypes.size(), maxPorts),
              modules.begin());
    if (powerOn->needsMultiLaneModule()) {
        for (int port = 1; port <= portCount; ++port) {
            if (OtnModule::isMultiLane(modules.at(port - 1)))
                continue;
            if (error) {
                *error = QStringLiteral("The structure %1 needs a multi-lane module (3, 4 or 6); port %2 has %3.")
                             .arg(name)
                             .arg(port)
                             .arg(modules.at(port - 1));
            }
            return false;
        }
    }
    structure = name;
    moduleTypes = modules;
    return true;
}
