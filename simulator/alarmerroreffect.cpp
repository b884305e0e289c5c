#include "alarmerroreffect.h"

#include <cmath>

#include "host/otn/otnalarmerror.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "inserteditem.h"
#include "tributarylayout.h"

namespace {

namespace Stimuli = PID::Otn::STIMULI;
namespace Status = PID::Otn::STATUS;
namespace Error = nsIID::Otn::Error;

// Rate value 0 is 1E-3, each further value a tenth of it.
constexpr int firstRateExponent = 3;

} // namespace

AlarmErrorEffect::AlarmErrorEffect(const ParameterStore &store, int applicationType)
    : InsertionEffect(store), m_applicationType(applicationType)
{
}

InsertionEffect::Choice AlarmErrorEffect::choice(int port) const
{
    Choice c;
    c.item = value(port, Stimuli::ITEM);
    c.level = qBound(0, value(port, Stimuli::LEVEL), OtnMapping::maxLevels - 1);
    // The modes in the order the insertion catalogue has them.
    c.mode = qBound(int(Single), value(port, Stimuli::MODE), int(Rate));
    c.burst = quint64(qMax(1, value(port, Stimuli::BURST)));
    c.alternateError = quint64(qMax(1, value(port, Stimuli::ALTERNATE_ERROR)));
    c.alternateNormal = quint64(qMax(1, value(port, Stimuli::ALTERNATE_NORMAL)));
    c.ratio = std::pow(10.0, -(firstRateExponent + value(port, Stimuli::RATE)));
    return c;
}

QString AlarmErrorEffect::refusal(int port, const Choice &choice) const
{
    const bool valid = OtnAlarmError::valid(m_applicationType, choice.level, value(port, PID::Otn::TX::PORT_MODE),
                                            TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx),
                                            value(port, PID::Otn::TX::OTLC_SLICE_NUMBER),
                                            value(port, PID::Otn::TX::BULK_PATTERN), choice.item);
    if (valid)
        return QString();
    return QStringLiteral("%1 is not offered on level %2").arg(OtnAlarmError::itemName(choice.item)).arg(choice.level);
}

double AlarmErrorEffect::framesPerSecond(int port, const Choice &choice) const
{
    return oduFramesPerSecond(m_store, port, choice.level);
}

TransmittedSignal::Insertion AlarmErrorEffect::alarm(const Choice &choice) const
{
    TransmittedSignal::Insertion insertion;
    if (!OtnAlarmError::isAlarm(choice.item))
        return insertion;
    const InsertedItem item(choice.item);
    insertion.what = item.what();
    insertion.tcm = item.tcm();
    insertion.level = choice.level;
    return insertion;
}

QVector<InsertionEffect::Target> AlarmErrorEffect::targets(int port, const Choice &choice) const
{
    if (!OtnAlarmError::isError(choice.item))
        return {};
    const InsertedItem item(choice.item);
    const int level = choice.level;
    QVector<Target> wanted;
    const auto add = [&wanted](int id, double limit) {
        Target target;
        target.counterId = id;
        target.perFrameLimit = limit;
        wanted.append(target);
    };
    switch (item.what()) {
    case InsertedItem::Fas:
        add(level == 0 ? Status::FAS_ERROR : Error::ODU_FAS[level], alignmentLimit);
        break;
    case InsertedItem::Mfas:
        // A lower-order ODU's frame alignment counter counts its FAS and MFAS alike.
        add(level == 0 ? Status::MFAS_ERROR : Error::ODU_FAS[level], alignmentLimit);
        break;
    case InsertedItem::SmBip8:
        add(Status::SM_BIP8, bip8Limit);
        break;
    case InsertedItem::SmBei:
        add(Status::SM_BEI, bip8Limit);
        break;
    case InsertedItem::PmBip8:
        add(Error::PM_BIP8[level], bip8Limit);
        break;
    case InsertedItem::PmBei:
        add(Error::PM_BEI[level], bip8Limit);
        break;
    case InsertedItem::TcmBip8:
        add(Error::TCMi_BIP8[item.tcm()], bip8Limit);
        break;
    case InsertedItem::TcmBei:
        add(Error::TCMi_BEI[item.tcm()], bip8Limit);
        break;
    case InsertedItem::PatternBit:
        add(nsIID::Otn::Client::BIT_ERROR, bitLimit);
        break;
    case InsertedItem::LineBit: {
        // An errored bit of the line lands in the payload: the FEC decoder sees it (and takes it away
        // when it corrects), otherwise every BIP-8 over it and the test pattern do.
        const Reception reception(m_store, port);
        if (reception.countsFecErrors())
            add(Status::FEC_CORRECTED, bitLimit);
        if (!reception.correctsFecErrors())
            wanted += payloadBitTargets(1);
        break;
    }
    default:
        // The client's B1 and block errors go out with the client; this receiver has no counter for them.
        break;
    }
    return received(port, wanted);
}
