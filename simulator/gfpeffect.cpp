#include "gfpeffect.h"

#include <cmath>

#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "inserteditem.h"
#include "tributarylayout.h"

namespace {

namespace Stimuli = PID::Otn::STIMULI;
namespace Gfp = nsIID::Otn::Gfp;

enum Item {
    Off,
    CoreCorrectable,
    CoreUncorrectable,
    TypeCorrectable,
    TypeUncorrectable,
    Extension,
    CsfLossOfSignal,
    CsfLossOfCharacterSync
};
enum GfpMode { GfpSingle, GfpBurst, GfpContinuous };
// The extension header indicator of the framed mapping: none (a null extension header).
constexpr int nullExtensionHeader = 0;

bool csf(int item)
{
    return item == CsfLossOfSignal || item == CsfLossOfCharacterSync;
}

} // namespace

InsertionEffect::Choice GfpEffect::choice(int port) const
{
    Choice c;
    c.item = value(port, Stimuli::GFP_ITEM);
    const int mode = value(port, Stimuli::GFP_MODE);
    c.mode = mode == GfpSingle ? Single : mode == GfpBurst ? Burst : Continuous;
    c.burst = quint64(qMax(1, value(port, Stimuli::GFP_ERROR_LENGTH)));
    // A check with one errored bit corrects it; the extension header's says which by its errored bits.
    // The receiver holds the client signal fail between the client management frames, whatever their
    // interval.
    c.units = qMax(1, value(port, Stimuli::GFP_ERROR_BITS));
    return c;
}

QString GfpEffect::refusal(int port, const Choice &choice) const
{
    const OtnMapping tx = TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx);
    if (!tx.isGfp())
        return QStringLiteral("GFP item %1 is not offered: the structure maps no client by GFP").arg(choice.item);
    if (choice.item == Extension && (!tx.isGfpF() || value(port, PID::Otn::TX::GFP_F_EXI) == nullExtensionHeader))
        return QStringLiteral("GFP item %1 is not offered: the GFP frames carry no extension header").arg(choice.item);
    return QString();
}

double GfpEffect::framesPerSecond(int port, const Choice &choice) const
{
    Q_UNUSED(choice)
    return Reception::gfpFramesPerSecond(m_store, port, TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx));
}

TransmittedSignal::Insertion GfpEffect::alarm(const Choice &choice) const
{
    TransmittedSignal::Insertion insertion;
    if (csf(choice.item))
        insertion.what = InsertedItem::GfpCsf;
    return insertion;
}

QVector<InsertionEffect::Target> GfpEffect::targets(int port, const Choice &choice) const
{
    int counter = 0;
    bool uncorrectable = false;
    switch (choice.item) {
    case CoreCorrectable:
        counter = Gfp::CHEC_CORRECTABLE;
        break;
    case CoreUncorrectable:
        counter = Gfp::CHEC_UNCORRECTABLE;
        uncorrectable = true;
        break;
    case TypeCorrectable:
        counter = Gfp::THEC_CORRECTABLE;
        break;
    case TypeUncorrectable:
        counter = Gfp::THEC_UNCORRECTABLE;
        uncorrectable = true;
        break;
    case Extension:
        uncorrectable = choice.units > 1;
        counter = uncorrectable ? Gfp::EHEC_UNCORRECTABLE : Gfp::EHEC_CORRECTABLE;
        break;
    default:
        return {};
    }
    // The receiver counts in the frames of the level that carries the client: several GFP frames each.
    const OtnMapping tx = TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx);
    const double oduFrames = oduFramesPerSecond(m_store, port, tx.getOduCount() - 1);
    Target target;
    target.counterId = counter;
    target.perFrameLimit = oduFrames > 0 ? std::ceil(framesPerSecond(port, choice) / oduFrames) : 0.0;
    QVector<Target> wanted{target};
    // A header the check cannot correct leaves its client frame errored.
    if (uncorrectable) {
        target.counterId = Gfp::CLIENT_ERRORED_FRAMES;
        wanted.append(target);
    }
    return received(port, wanted);
}
