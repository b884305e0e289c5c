#include "testeroptions.h"

#include <QCommandLineParser>

#include "host/otn/otnmodule.h"
#include "simulator/poweronstructure.h"

bool TesterOptions::parse(const QStringList &arguments, QString *error, QString *helpText)
{
    const auto fail = [error](const QString &message) {
        *error = message;
        return false;
    };
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Serves the simulated OTN tester to otn-client over TCP."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption listenOption(QStringLiteral("listen"),
                                          QStringLiteral("Address and port to serve on (default: 127.0.0.1:7709)."),
                                          QStringLiteral("address:port"), QStringLiteral("127.0.0.1:7709"));
    const QCommandLineOption portsOption(QStringList{QStringLiteral("p"), QStringLiteral("ports")},
                                         QStringLiteral("Number of test ports, 1 to 4 (default: 4)."),
                                         QStringLiteral("count"), QStringLiteral("4"));
    const QCommandLineOption modulesOption(QStringList{QStringLiteral("m"), QStringLiteral("modules")},
                                           QStringLiteral("Module type of each port, comma separated, port 1 first "
                                                          "(default: the module the structure needs)."),
                                           QStringLiteral("types"));
    const QCommandLineOption structureOption(QStringLiteral("structure"),
                                             QStringLiteral("Signal and multiplex structure every port powers on with "
                                                            "(default: %1).")
                                                 .arg(PowerOnStructure::defaultStructure().name),
                                             QStringLiteral("name"), PowerOnStructure::defaultStructure().name);
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Seed of the simulated measured values (default: 1)."),
                                        QStringLiteral("number"), QStringLiteral("1"));
    const QCommandLineOption stateOption(QStringLiteral("state"),
                                         QStringLiteral("File keeping every confirmed setup change, replayed at start "
                                                        "(default: none, the tester powers on afresh)."),
                                         QStringLiteral("file"));
    const QCommandLineOption clientsOption(QStringLiteral("max-clients"),
                                           QStringLiteral("Clients served at once; more are refused (default: 64)."),
                                           QStringLiteral("count"), QStringLiteral("64"));
    parser.addOptions({listenOption, portsOption, modulesOption, structureOption, seedOption, stateOption, clientsOption});
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(helpOption)) {
        helpRequested = true;
        *helpText = parser.helpText();
        return true;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));

    const QString listen = parser.value(listenOption);
    const int colon = listen.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const quint16 port = listen.mid(colon + 1).toUShort(&ok);
    if (colon < 1 || !ok || !address.setAddress(listen.left(colon)))
        return fail(QStringLiteral("--listen takes address:port, not '%1'.").arg(listen));
    this->port = port;

    tester.portCount = parser.value(portsOption).toInt(&ok);
    if (!ok || tester.portCount < 1 || tester.portCount > 4)
        return fail(QStringLiteral("The port count must be 1 to 4, not '%1'.").arg(parser.value(portsOption)));
    const PowerOnStructure *structure = PowerOnStructure::find(parser.value(structureOption));
    if (!structure)
        return fail(QStringLiteral("Unknown structure '%1'.").arg(parser.value(structureOption)));
    tester.structure = structure->name;
    tester.moduleTypes = QVector<int>(4, structure->moduleType);
    if (parser.isSet(modulesOption)) {
        const QStringList types = parser.value(modulesOption).split(QLatin1Char(','));
        if (types.size() > tester.portCount)
            return fail(QStringLiteral("%1 module types given for %2 ports.").arg(types.size()).arg(tester.portCount));
        for (int i = 0; i < types.size(); ++i) {
            const int type = types.at(i).trimmed().toInt(&ok);
            if (!ok || type < 0 || type >= OtnModule::typeCount)
                return fail(QStringLiteral("Unknown module type '%1' for port %2.").arg(types.at(i)).arg(i + 1));
            if (structure->needsMultiLaneModule() && !OtnModule::isMultiLane(type))
                return fail(QStringLiteral("The structure %1 needs a multi-lane module (3, 4 or 6); port %2 has %3.")
                                .arg(structure->name).arg(i + 1).arg(type));
            tester.moduleTypes[i] = type;
        }
    }
    tester.seed = parser.value(seedOption).toUInt(&ok);
    if (!ok)
        return fail(QStringLiteral("The seed must be a number, not '%1'.").arg(parser.value(seedOption)));
    statePath = parser.value(stateOption);
    maxClients = parser.value(clientsOption).toInt(&ok);
    if (!ok || maxClients < 1)
        return fail(QStringLiteral("--max-clients must be at least 1, not '%1'.").arg(parser.value(clientsOption)));
    return true;
}
