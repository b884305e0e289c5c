#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QVector>

#include "host/otn/otnmapping.h"

class ParameterStore;

// Where the tributary ports of one multiplex stage sit in the tributary slots of its higher-order OPU,
// as configured on one port and direction, and the multiplex structure identifier that layout gives.
class TributaryLayout
{
public:
    enum Direction { Tx = 0, Rx = 1 };

    // The direction's mapping record of a port; stages whose parameter is undefined count as 0.
    static OtnMapping mappingOf(const ParameterStore &store, int port, Direction direction);

    TributaryLayout(const ParameterStore &store, int port, Direction direction, int stage);
    TributaryLayout(const OtnMapping &mapping, int stage);

    const OtnMapping &mapping() const { return m_mapping; }
    int stage() const { return m_stage; }
    bool exists() const { return m_mapping.hasOdtu(m_stage); }
    int tsCount() const;
    int tpCount() const;
    quint32 mainTp() const { return m_mainTp; }
    // First TS (1-based) of each TP, 80 entries.
    const QVector<int> &mainTs() const { return m_mainTs; }
    quint32 flexTsCount() const { return m_flexTs; }

    // TP (0-based) carried in TS t, -1 for none; 80 entries. withDummies false leaves the TS of
    // unequipped dummy TPs empty, as the Dummy CH setting does.
    QVector<int> channels(bool withDummies) const;
    // One MSI byte per TS of the stage's higher-order OPU, as G.709 lays them out for its payload type.
    QByteArray msi() const;

private:
    OtnMapping m_mapping;
    int m_stage = 0;
    int m_copyStatus = 1;
    quint32 m_mainTp = 1;
    QVector<int> m_mainTs;
    quint32 m_flexTs = 0;
    QBitArray m_allocated;
    bool m_hasAllocation = false;
};
