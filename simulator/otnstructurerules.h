#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QVector>

#include "host/otn/otnmapping.h"

// Which values of the mapping parameters fit the fields before them (interface, client, stage 0, 1, 2 in
// this order), and how large the tributary slot parameters of a stage are. A server uses it to set the
// active enumerators of the mapping parameters and to reset values that no longer fit.
class OtnStructureRules
{
public:
    // Values of field (OtnMapping::Field) that, with the fields before it unchanged, can still be completed
    // into a valid structure. A stage behind a missing stage can only be 0.
    static QVector<int> possibleValues(int field, const OtnMapping &mapping);
    static bool isPossible(int field, const OtnMapping &mapping);

    // The fields up to changedField stay; every later field that no longer fits becomes 0 if 0 fits, else
    // its first possible value.
    static OtnMapping resolve(const OtnMapping &mapping, int changedField);

    // Lane interfaces that need a module with several physical lanes.
    static bool needsMultiLaneModule(int interfaceSignal);

    // Slot parameters of a stage; all 0 or empty when the stage does not exist.
    static int mainTsLength(int stage, const OtnMapping &mapping, quint32 flexTsCount);   // TP count
    static int allocationLength(int stage, const OtnMapping &mapping);                     // TS total
    static QByteArray defaultMainTs(int stage, const OtnMapping &mapping, quint32 flexTsCount);
    static QBitArray defaultAllocation(int stage, const OtnMapping &mapping);             // all allocated (clear bits)
    static int maxFlexTsCount(int stage, const OtnMapping &mapping);                      // 0: no ODUflex
};
