#pragma once

#include <QSet>
#include <QVector>

class ParameterStore;

// The alarms and error counters a port's receiver has for the structure it expects and how it is set
// (FEC decoding, TCM monitoring): a level's alarms only on the levels the structure has, multiplex
// alarms only where a level carries a multiplex, justification counters only where a level maps its
// payload that way, FEC counters only with FEC decoding, lane alarms only on lanes, the client's
// alarms and counters after its kind. The others are undefined, as the tester leaves them.
class DefinedStatuses
{
public:
    DefinedStatuses(const ParameterStore &store, int port);

    bool defines(int id) const { return m_defined.contains(id); }
    // Every alarm and error counter whose existence depends on the structure.
    static const QVector<int> &all();

private:
    QSet<int> m_defined;
};
