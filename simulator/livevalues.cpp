#include "livevalues.h"

#include <cmath>

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "parameterstore.h"

namespace {

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

double doubleOf(const ParameterStore &store, int sid)
{
    const QcmaParameter *p = store.value(sid);
    return (p && p->isDefined()) ? p->getDouble() : 0.0;
}

} // namespace

LiveValues::LiveValues(int portCount, quint32 seed) : m_random(seed), m_deviation(portCount + 1)
{
}

double LiveValues::step(double current, double limit, double stepSize)
{
    // A bounded random walk in steps of stepSize: -1, 0 or +1 step each time.
    const double next = current + (int(m_random.bounded(3)) - 1) * stepSize;
    return qBound(-limit, next, limit);
}

void LiveValues::update(ParameterStore &store, int port, bool wander, const TransmittedSignal::Insertion &insertion)
{
    if (port < 1 || port >= m_deviation.size())
        return;
    Deviation &d = m_deviation[port];
    if (wander) {
        d.txLevel = step(d.txLevel, 0.1, 0.01);
        d.rxLevel = step(d.rxLevel, 0.2, 0.01);
        d.txPpm = step(d.txPpm, 0.5, 0.1);
        d.rxPpm = step(d.rxPpm, 0.5, 0.1);
    }

    // The receiver sees the port's own transmitter (loop): no light, no signal.
    const bool light = TransmittedSignal(store, port, insertion).light();
    const double offset = doubleOf(store, nsSID::otnSid(port, PID::Otn::STIMULI::FREQUENCY_OFFSET));
    const double txPpm = rounded(offset + d.txPpm, 1);
    const double txRateHz = doubleOf(store, nsSID::otnSid(port, PID::Otn::TX::LINE_RATE)) * 1000.0;
    const double rxRateHz = doubleOf(store, nsSID::otnSid(port, PID::Otn::RX::LINE_RATE)) * 1000.0;
    const double txFrequency = std::round(txRateHz * (1.0 + txPpm * 1e-6));

    store.setValue(nsSID::otnSid(port, PID::Otn::PHYSICAL::TX_LEVEL),
                   light ? rounded(txLevelNominal + d.txLevel, 2) : noSignalLevel);
    store.setValue(nsSID::otnSid(port, PID::Otn::PHYSICAL::TX_OFFSET), txPpm);
    store.setValue(nsSID::otnSid(port, PID::Otn::PHYSICAL::TX_FREQUENCY), txFrequency);
    const int rxOffsetSid = nsSID::otnSid(port, PID::Otn::PHYSICAL::RX_OFFSET);
    if (light) {
        // What arrives is what was sent, measured with the receiver's own small error; its offset is
        // against the rate the receiver expects, and has no value beyond what the receiver can measure.
        const double rxFrequency = std::round(txFrequency * (1.0 + d.rxPpm * 1e-6));
        const double rxPpm = rxRateHz > 0 ? rounded((rxFrequency / rxRateHz - 1.0) * 1e6, 1) : 0.0;
        store.setValue(nsSID::otnSid(port, PID::Otn::PHYSICAL::RX_LEVEL), rounded(rxLevelNominal + d.rxLevel, 2));
        store.setValue(nsSID::otnSid(port, PID::Otn::PHYSICAL::RX_FREQUENCY), rxFrequency);
        const QcmaParameter *held = store.value(rxOffsetSid);
        const auto *range = held && held->getType() == QcmaParameter::TypeDouble
                                ? static_cast<const QcmaParameterDouble *>(held)
                                : nullptr;
        const bool measurable = range && rxPpm >= range->minimum() && rxPpm <= range->maximum();
        store.setValue(rxOffsetSid, measurable ? rxPpm : 0.0);
        store.setDefined(rxOffsetSid, measurable);
        store.setValue(nsSID::otnSid(port, PID::Otn::PHYSICAL::RX_LEVEL_STATUS), 0);
    } else {
        store.setValue(nsSID::otnSid(port, PID::Otn::PHYSICAL::RX_LEVEL), noSignalLevel);
        store.setValue(rxOffsetSid, 0.0);
        store.setDefined(rxOffsetSid, true);
        store.setValue(nsSID::otnSid(port, PID::Otn::PHYSICAL::RX_FREQUENCY), 0.0);
        store.setValue(nsSID::otnSid(port, PID::Otn::PHYSICAL::RX_LEVEL_STATUS), 3);
    }
}

bool LiveValues::sendsLight(const ParameterStore &store, int port)
{
    return store.intValue(nsSID::otnSid(port, PID::Otn::TX::PORT_MODE)) != 0
           && store.intValue(nsSID::otnSid(port, PID::Otn::TX::LASER)) != 0;
}
