#include "alarmmodel.h"

#include <QVector>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "parameterstore.h"
#include "simulatorids.h"
#include "tributarylayout.h"

namespace {

class Alarms
{
public:
    Alarms(ParameterStore &store, int port) : m_store(store), m_port(port) {}

    // Sets the alarm current, or moves a current one to history; returns the state it now has.
    int raise(int id, bool active)
    {
        const int sid = nsSID::otnSid(m_port, id);
        if (active)
            m_store.setValue(sid, AlarmModel::current);
        else if (m_store.intValue(sid) == AlarmModel::current)
            m_store.setValue(sid, AlarmModel::history);
        return m_store.intValue(sid);
    }
    void summarise(int id, const QVector<int> &states)
    {
        int state = AlarmModel::clear;
        if (states.contains(AlarmModel::current))
            state = AlarmModel::current;
        else if (states.contains(AlarmModel::history))
            state = AlarmModel::history;
        m_store.setValue(nsSID::otnSid(m_port, id), state);
    }

private:
    ParameterStore &m_store;
    int m_port;
};

} // namespace

bool AlarmModel::models(int id)
{
    if (id == PID::Otn::STATUS::LOS || id == PID::Otn::STATUS::LOF)
        return true;
    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        if (id == nsIID::Otn::Alarm::PLM[level] || id == nsIID::Otn::Alarm::MSIM[level]
            || id == nsIID::Otn::Alarm::SUM_ERRALARM[level])
            return true;
    }
    return false;
}

void AlarmModel::update(ParameterStore &store, int port)
{
    Alarms alarms(store, port);
    const OtnMapping tx = TributaryLayout::mappingOf(store, port, TributaryLayout::Tx);
    const OtnMapping rx = TributaryLayout::mappingOf(store, port, TributaryLayout::Rx);
    const bool signal = store.intValue(nsSID::otnSid(port, PID::Otn::TX::PORT_MODE)) != 0;
    const bool framed = signal && tx[OtnMapping::FieldInterface] == rx[OtnMapping::FieldInterface];

    QVector<int> levelStates[OtnMapping::maxLevels];
    levelStates[0] << alarms.raise(PID::Otn::STATUS::LOS, !signal)
                   << alarms.raise(PID::Otn::STATUS::LOF, signal && !framed);

    // Per level of the received structure: the payload type and the tributary structure it expects.
    const bool plmOn = store.intValue(nsSID::otnSid(port, PID::Otn::RX::PLM_DETECTION)) != 0;
    const QList<quint8> expectedTypes = rx.getPayloadTypes();
    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        const bool received = framed && level < rx.getOduCount() && level < tx.getOduCount()
                              && (level == 0 || rx.convertMultiplexes().value(level - 1)
                                                    == tx.convertMultiplexes().value(level - 1));
        const QcmaParameter *sent = store.value(nsSID::otnSid(port, PID::Otn::TX::OPU_PAYLOAD_TYPE[level]));
        const QByteArray sentType = sent ? sent->getByteArray() : QByteArray();
        const bool typeMismatch = received && plmOn && !sentType.isEmpty() && level < expectedTypes.size()
                                  && quint8(sentType.at(0)) != expectedTypes.at(level);
        levelStates[level] << alarms.raise(nsIID::Otn::Alarm::PLM[level], typeMismatch);
        if (const int msim = nsIID::Otn::Alarm::MSIM[level]) {
            const bool structureMismatch = received && rx.hasOdtu(level)
                                           && rx.convertMultiplexes().value(level) != tx.convertMultiplexes().value(level);
            levelStates[level] << alarms.raise(msim, structureMismatch);
        }
    }
    for (int level = 0; level < OtnMapping::maxLevels; ++level)
        alarms.summarise(nsIID::Otn::Alarm::SUM_ERRALARM[level], levelStates[level]);
}
