#include "feceffect.h"

#include <cmath>

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "parameterstore.h"
#include "tributarylayout.h"

namespace {

namespace Stimuli = PID::Otn::STIMULI;
namespace Status = PID::Otn::STATUS;

enum Item { Off, SymbolErrors, CorrectableSubRows, UncorrectableSubRows };
enum FecMode { FecSingle, FecContinuous };
// Exponent value 0 is E-3, each further value a tenth of it.
constexpr int firstRateExponent = 3;
constexpr int fecOff = 0;
// An OTU frame has 4 rows of 16 interleaved codewords; RS(255,239) corrects 8 errored symbols of one.
constexpr int rows = 4;
constexpr int subRowsPerRow = 16;
constexpr int correctableSymbols = 8;
// Above this rate the tester errs the frame alignment bytes (FAS, 6 bytes) too unless told not to.
constexpr double fasExclusionRate = 2.0e-3;
constexpr double fasBits = 6 * 8;

} // namespace

InsertionEffect::Choice FecEffect::choice(int port) const
{
    Choice c;
    c.item = value(port, Stimuli::FEC_ITEM);
    const bool continuous = value(port, Stimuli::FEC_MODE) == FecContinuous;
    c.mode = !continuous ? Single : c.item == SymbolErrors ? Rate : Continuous;
    const QcmaParameter *mantissa = m_store.value(nsSID::otnSid(port, Stimuli::FEC_RATE));
    const double rate = mantissa && mantissa->isDefined() ? mantissa->getDouble() : 0.0;
    c.ratio = rate * std::pow(10.0, -(firstRateExponent + value(port, Stimuli::FEC_RATE_EXPONENT)));
    c.units = qBound(1, value(port, Stimuli::FEC_SUBROW), subRowsPerRow);
    c.flag = c.mode == Rate && c.ratio > fasExclusionRate && value(port, Stimuli::FEC_EXCLUDE_FAS) == 0;
    return c;
}

QString FecEffect::refusal(int port, const Choice &choice) const
{
    const bool otucn = TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx).isOTLC();
    if (!otucn && value(port, PID::Otn::TX::FEC_CONTROL) != fecOff && value(port, PID::Otn::RX::FEC_CONTROL) != fecOff)
        return QString();
    return QStringLiteral("FEC item %1 is not offered: the port does not send and decode FEC").arg(choice.item);
}

double FecEffect::framesPerSecond(int port, const Choice &choice) const
{
    Q_UNUSED(choice)
    return oduFramesPerSecond(m_store, port, 0);
}

QVector<InsertionEffect::Target> FecEffect::targets(int port, const Choice &choice) const
{
    const Reception reception(m_store, port);
    QVector<Target> wanted;
    Target target;
    target.perFrameLimit = bitLimit;
    switch (choice.item) {
    case SymbolErrors:
    case CorrectableSubRows: {
        // One errored bit in each errored symbol: the decoder counts it corrected; a decoder that only
        // monitors leaves it to the BIP-8s.
        target.counterId = Status::FEC_CORRECTED;
        target.perInsertedFrame = choice.item == SymbolErrors ? 1 : rows * choice.units * correctableSymbols;
        wanted.append(target);
        if (!reception.correctsFecErrors())
            wanted += payloadBitTargets(target.perInsertedFrame);
        if (choice.flag) {
            // The framer reads the alignment bytes before the decoder.
            Target fas;
            fas.counterId = Status::FAS_ERROR;
            fas.perFrameLimit = alignmentLimit;
            fas.exposedBits = fasBits;
            wanted.append(fas);
        }
        break;
    }
    case UncorrectableSubRows:
        target.counterId = Status::FEC_UNCORRECTABLE;
        target.perFrameLimit = rows * subRowsPerRow;
        target.perInsertedFrame = rows * choice.units;
        wanted.append(target);
        wanted += payloadBitTargets(rows * choice.units * (correctableSymbols + 1));
        break;
    default:
        break;
    }
    return received(port, wanted);
}
