#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "simulator/poweronstructure.h"

// What the user asked for on the command line.
struct ClientOptions
{
    int portCount = 4;
    // The power-on structure of every port (a PowerOnStructure name); a multiplexed one by default.
    QString structure = PowerOnStructure::defaultStructure().name;
    bool structureGiven = false;
    // Per port, in the Tx module value order; a port not named in --modules gets the module its
    // structure needs.
    QVector<int> moduleTypes = QVector<int>(4, PowerOnStructure::defaultStructure().moduleType);
    QVector<int> givenModuleTypes;             // as --modules named them, port 1 first
    QString screenshotDir;                     // non-empty: render the screens of the structures there and quit
    QString pluginPath;                        // --plugin-file; empty: where PluginLoader::locate looks
    QString reportPath;                        // non-empty: run unattended, write the report's PDF there and quit
    QString csvPath;                           // with reportPath: the results' CSV (the events' CSV beside it)
    int runSeconds = 10;                       // with reportPath: how long the tester runs first
    quint32 seed = 1;
    QString server;                            // --server host:port; empty: the embedded simulated tester
    bool liveValues = true; // interval values are polled (screenshots poll per picture)
    QString settingsFile;                      // --settings; empty: the user's settings
    bool resetSettings = false;                // --reset-settings: start from no settings
    bool helpRequested = false;
    bool versionRequested = false;

    // The version of the client, its project's.
    static QString version();

    // Reads arguments (the program name first). False with a message in error for bad input; the
    // help text in helpText when --help was given and an application object exists. With --help or
    // --version nothing else is read.
    bool parse(const QStringList &arguments, QString *error, QString *helpText = nullptr);
    // Sets the structure and gives each port that has no module of its own the one the structure needs.
    // False, with a message, for an unknown name or a given module without the lanes the structure needs.
    bool useStructure(const QString &name, QString *error);
};
