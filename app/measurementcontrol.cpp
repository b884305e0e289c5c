#include "measurementcontrol.h"

#include "apps/shared/sid.h"
#include "clientlogging.h"
#include "host/otn/globalpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/eventlog.h"
#include "host/server/zelservermanager.h"

namespace {
int globalSid(int id)
{
    return nsSID::build(nsSID::noPort, nsSID::global, id);
}
} // namespace

MeasurementControl::MeasurementControl(zelServerManager *manager, EventLog *eventLog, QObject *parent)
    : QObject(parent), m_manager(manager), m_eventLog(eventLog)
{
    if (m_manager)
        connect(m_manager, &zelServerManager::parameterChanged, this, &MeasurementControl::parameterChanged);
}

bool MeasurementControl::isAvailable() const
{
    return m_manager && m_manager->cachedParameter(globalSid(PID::Global::MEASUREMENT_RUNNING));
}

bool MeasurementControl::isRunning() const
{
    const QcmaParameter *running =
        m_manager ? m_manager->cachedParameter(globalSid(PID::Global::MEASUREMENT_RUNNING)) : nullptr;
    return running && running->isDefined() && running->getEnum() != 0;
}

uint MeasurementControl::elapsedSeconds() const
{
    const QcmaParameter *elapsed =
        m_manager ? m_manager->cachedParameter(globalSid(PID::Global::MEASUREMENT_ELAPSED)) : nullptr;
    return elapsed && elapsed->isDefined() ? elapsed->getUInt() : 0;
}

QString MeasurementControl::elapsedText(uint seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool MeasurementControl::start()
{
    return write(PID::Global::MEASUREMENT_RUNNING, 1);
}

bool MeasurementControl::stop()
{
    return write(PID::Global::MEASUREMENT_RUNNING, 0);
}

bool MeasurementControl::reset()
{
    if (!write(PID::Global::MEASUREMENT_RESET, 1))
        return false;
    // The log tells the history of the measurement the tester has just cleared.
    if (m_eventLog)
        m_eventLog->clear();
    return true;
}

bool MeasurementControl::write(int id, int value)
{
    std::unique_ptr<QcmaParameter> parameter = m_manager ? m_manager->GetQcmaParameter(globalSid(id)) : nullptr;
    if (!parameter || !parameter->setValue(value)) {
        qCWarning(lcClient) << "the tester has no measurement parameter" << id;
        return false;
    }
    m_manager->SetQcmaParameter(parameter.get());
    return true;
}

void MeasurementControl::parameterChanged(const QcmaParameter &parameter)
{
    const int sid = parameter.getSID();
    if (sid == globalSid(PID::Global::MEASUREMENT_RUNNING) || sid == globalSid(PID::Global::MEASUREMENT_ELAPSED))
        emit changed();
}
