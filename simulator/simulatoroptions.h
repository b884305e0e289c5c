#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// How the simulated tester is equipped and how lively it is.
struct SimulatorOptions {
    // Test ports 1..portCount (1-4).
    int portCount = 4;
    // Plugged transceiver of ports 1-4, in the value order of the Tx module parameter (11143):
    // 0 SFP/SFP+, 1 QSFP+, 2 CFP, 3 CFP2, 4 CFP4, 5 QSFP28 Adpt., 6 CXP, 7 QSFP28.
    // 3, 4 and 6 are multi-lane modules: only they offer the lane interfaces.
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
