#pragma once

#include <QHash>
#include <QVector>

class OtnMapping;
class ParameterCatalogue;
class ParameterStore;
class QcmaParameter;

// Keeps the dependent parameters of a port consistent with its primary settings, as the tester does:
// which mapping values the fields before them allow, which stage and level parameters exist, the
// sizes of the tributary slot parameters, the values that stop being valid, and what follows from the
// structure (payload types, lanes, line rates, MSI reference data). Both directions of a port.
class StructureRules
{
public:
    StructureRules(ParameterStore &store, const ParameterCatalogue &catalogue);

    // Brings every dependent parameter of the port in line; changes are recorded in the store.
    void apply(int port);
    // Checks a write cannot make on kind, range and length alone; reason says why it is refused.
    bool check(const QcmaParameter &candidate, QString *reason) const;

    // Line rate of an interface value in kbit/s (0 when unknown).
    static double lineRateKbps(int interfaceSignal);

private:
    enum Direction { Tx = 0, Rx = 1 };

    OtnMapping applyMapping(int port, Direction direction);
    void applyStages(int port, Direction direction, const OtnMapping &mapping);
    void applyTxLevels(int port, const OtnMapping &mapping);
    void applyLanes(int port, const OtnMapping &mapping);
    void applyTxSettings(int port, const OtnMapping &mapping);
    void applyRxSettings(int port, const OtnMapping &rx, const OtnMapping &tx);
    void applyStimuli(int port, const OtnMapping &mapping);

    // The values a mapping field can take after the fields before it.
    QVector<int> possibleValues(int field, const OtnMapping &mapping);
    void restrictEnum(int port, int id, const QVector<int> &allowed, int preferred = -1);
    bool moduleIsMultiLane(int port, Direction direction) const;
    QVector<int> catalogueValues(int id) const;

    ParameterStore &m_store;
    const ParameterCatalogue &m_catalogue;
    bool m_hasMapping = false;
    // What the structure last implied, so that a user's setting is replaced only when the structure
    // moves on: payload type per level, lane count, and per direction and stage the multiplex kind
    // with its ODUflex TS count.
    QHash<int, QVector<int>> m_payloadTypes;
    QHash<int, int> m_lanes;
    QHash<int, QVector<int>> m_stageShapes;
    // possibleValues answers by field and the fields before it: a pure function asked on every write.
    QHash<QVector<int>, QVector<int>> m_possibleValues;
};
