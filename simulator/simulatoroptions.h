#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// How the simulated tester is equipped and how lively it is.
struct SimulatorOptions {
    // Test ports 1..portCount (1-4).
    int portCount = 4;
    // Plugged transceiver of ports 1-4 (OtnModule::Type, the value order of the Tx module parameter);
    // only multi-lane modules offer the lane interfaces.
    // The transceiver serves both directions: the Rx module parameter is set to the same one.
    QVector<int> moduleTypes = {0, 0, 0, 0};
    // Name of the power-on structure of every port (PowerOnStructure); empty: the catalogue's defaults.
    QString structure;
    int applicationType = 0;
    // Seed of the physical values' wander; the same seed gives the same sequence.
    quint32 seed = 1;
    // Catalogue files read after the built-in ones (JSON, same format).
    QStringList extraCatalogueFiles;
};
