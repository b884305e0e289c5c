#include "alarmmodel.h"

#include <QHash>
#include <QSet>
#include <QVector>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "definedstatuses.h"
#include "host/parameters/qcmaparameter.h"
#include "parameterstore.h"
#include "reception.h"

namespace {

namespace Alarm = nsIID::Otn::Alarm;

// The multi-lane level's summary.
constexpr int laneSummaryId = nsIID::Otn::Lane::SUMMARY;

// The statuses of one port in the tester's store.
class Statuses
{
public:
    Statuses(ParameterStore &store, int port) : m_store(store), m_port(port) {}

    // A status the structure does not have is undefined, and clear when it comes back.
    void define(const DefinedStatuses &defined)
    {
        for (int id : DefinedStatuses::all()) {
            const int sid = nsSID::otnSid(m_port, id);
            if (!defined.defines(id))
                m_store.setValue(sid, AlarmModel::clear);
            m_store.setDefined(sid, defined.defines(id));
        }
    }
    // Current while raised; a current status that is no longer raised becomes history.
    void raise(int id, bool raised)
    {
        const int sid = nsSID::otnSid(m_port, id);
        const QcmaParameter *status = m_store.value(sid);
        if (!status || !status->isDefined())
            return;
        if (raised)
            m_store.setValue(sid, AlarmModel::current);
        else if (m_store.intValue(sid) == AlarmModel::current)
            m_store.setValue(sid, AlarmModel::history);
    }
    // The worst status of the ids: current before history before clear.
    void summarise(int id, const QVector<int> &ids)
    {
        int state = AlarmModel::clear;
        for (int member : ids) {
            const int memberState = m_store.intValue(nsSID::otnSid(m_port, member));
            if (memberState == AlarmModel::current)
                state = AlarmModel::current;
            else if (memberState == AlarmModel::history && state == AlarmModel::clear)
                state = AlarmModel::history;
        }
        m_store.setValue(nsSID::otnSid(m_port, id), state);
    }

private:
    ParameterStore &m_store;
    int m_port;
};

void summarise(Statuses &statuses, const Reception &reception)
{
    for (int level = 0; level < OtnMapping::maxLevels; ++level)
        statuses.summarise(Alarm::SUM_ERRALARM[level], reception.groupIds(level));
    statuses.summarise(laneSummaryId, reception.groupIds(Reception::laneGroup));
}

} // namespace

bool AlarmModel::models(int id)
{
    static const QSet<int> ids = [] {
        QSet<int> decided = Reception::decidedIds();
        decided.insert(laneSummaryId);
        for (int level = 0; level < OtnMapping::maxLevels; ++level)
            decided.insert(Alarm::SUM_ERRALARM[level]);
        return decided;
    }();
    return ids.contains(id);
}

void AlarmModel::update(ParameterStore &store, int port, const TransmittedSignal::Insertion &insertion)
{
    const Reception reception(store, port, insertion);
    Statuses statuses(store, port);
    statuses.define(DefinedStatuses(store, port));
    for (auto it = reception.alarms().cbegin(); it != reception.alarms().cend(); ++it)
        statuses.raise(it.key(), it.value());
    summarise(statuses, reception);
}

void AlarmModel::countInterval(ParameterStore &store, int port, const QHash<int, quint64> &counted,
                               const TransmittedSignal::Insertion &insertion)
{
    const Reception reception(store, port, insertion);
    Statuses statuses(store, port);
    for (auto it = reception.counters().cbegin(); it != reception.counters().cend(); ++it)
        statuses.raise(it.key(), counted.value(it.key()) > 0);
    summarise(statuses, reception);
}
