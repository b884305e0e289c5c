#include "insertioneffect.h"

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "parameterstore.h"
#include "tributarylayout.h"

namespace {

constexpr int tcms = 6;

} // namespace

bool InsertionEffect::Choice::operator==(const Choice &other) const
{
    return category == other.category && type == other.type && item == other.item && level == other.level
           && mode == other.mode && burst == other.burst && alternateError == other.alternateError
           && alternateNormal == other.alternateNormal && ratio == other.ratio && units == other.units
           && flag == other.flag && lanes == other.lanes;
}

InsertionEffect::~InsertionEffect() = default;

TransmittedSignal::Insertion InsertionEffect::alarm(const Choice &choice) const
{
    Q_UNUSED(choice)
    return TransmittedSignal::Insertion();
}

int InsertionEffect::value(int port, int id) const
{
    return m_store.intValue(nsSID::otnSid(port, id));
}

double InsertionEffect::oduFramesPerSecond(const ParameterStore &store, int port, int level)
{
    const OtnMapping tx = TributaryLayout::mappingOf(store, port, TributaryLayout::Tx);
    return Reception::oduBitRate(store, port, tx, level) / Reception::oduFrameBits;
}

QVector<InsertionEffect::Target> InsertionEffect::received(int port, const QVector<Target> &wanted) const
{
    // The receiver decides which counters it runs for its structure, and in which frames each counts.
    const Reception reception(m_store, port);
    QVector<Target> result;
    for (Target target : wanted) {
        const auto counter = reception.counters().constFind(target.counterId);
        if (counter == reception.counters().cend())
            continue;
        target.level = counter->level;
        result.append(target);
    }
    return result;
}

QVector<InsertionEffect::Target> InsertionEffect::payloadBitTargets(double perInsertedFrame)
{
    namespace Error = nsIID::Otn::Error;
    QVector<Target> targets;
    const auto add = [&targets, perInsertedFrame](int id, double limit) {
        Target target;
        target.counterId = id;
        target.perFrameLimit = limit;
        target.perInsertedFrame = perInsertedFrame;
        targets.append(target);
    };
    add(PID::Otn::STATUS::SM_BIP8, bip8Limit);
    add(nsIID::Otn::Client::BIT_ERROR, bitLimit);
    for (int k = 0; k < OtnMapping::maxLevels; ++k)
        add(Error::PM_BIP8[k], bip8Limit);
    for (int tcm = 0; tcm < tcms; ++tcm)
        add(Error::TCMi_BIP8[tcm], bip8Limit);
    return targets;
}
