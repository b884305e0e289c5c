#include "gmpeffect.h"

#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "gmpjustification.h"
#include "tributarylayout.h"

namespace {

namespace Stimuli = PID::Otn::STIMULI;
enum Item { Off, Crc8, Crc5 };

} // namespace

InsertionEffect::Choice GmpEffect::choice(int port) const
{
    Choice c;
    c.item = value(port, Stimuli::GMP_ITEM);
    c.level = qBound(0, value(port, Stimuli::GMP_LEVEL), OtnMapping::maxLevels - 1);
    // Each errored word fails its CRC whatever its errored bits: every run of 1 to 14 inverted bits from
    // the first is a remainder other than 0 under either polynomial.
    c.units = value(port, Stimuli::GMP_ERROR_BITS);
    c.mode = Continuous;
    return c;
}

QString GmpEffect::refusal(int port, const Choice &choice) const
{
    if (TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx).isGmp(choice.level))
        return QString();
    return QStringLiteral("GMP error item %1 is not offered on level %2, which maps nothing by GMP")
        .arg(choice.item)
        .arg(choice.level);
}

double GmpEffect::framesPerSecond(int port, const Choice &choice) const
{
    // One justification control per multiframe of the GMP payload.
    return GmpJustification::ofLevel(m_store, port, choice.level).multiframesPerSecond();
}

QVector<InsertionEffect::Target> GmpEffect::targets(int port, const Choice &choice) const
{
    Target target;
    target.perFrameLimit = alignmentLimit;
    if (choice.item == Crc8)
        target.counterId = nsIID::Otn::Error::CRC8[choice.level];
    else if (choice.item == Crc5)
        target.counterId = nsIID::Otn::Error::CRC5[choice.level];
    else
        return {};
    return received(port, {target});
}
