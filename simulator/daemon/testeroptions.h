#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include "simulator/simulatoroptions.h"

// The command line of otn-tester.
struct TesterOptions
{
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 0;       // as --listen names it
    SimulatorOptions tester;
    QString statePath;      // empty: the tester forgets its setup when it stops
    int maxClients = 64;
    bool helpRequested = false;

    // Reads arguments (the program name first). False with a message in error for bad input; the help
    // text in helpText when --help was given.
    bool parse(const QStringList &arguments, QString *error, QString *helpText);
};
