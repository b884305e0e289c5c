#include "gmpjustification.h"

#include <cmath>

#include "apps/shared/sid.h"
#include "host/otn/cmcalculator.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "parameterstore.h"
#include "reception.h"
#include "tributarylayout.h"

namespace {

double doubleOf(const ParameterStore &store, int port, int id)
{
    const QcmaParameter *p = store.value(nsSID::otnSid(port, id));
    return p && p->isDefined() ? p->getDouble() : 0.0;
}

// CRC-8 of JC1 and JC2 with g(x) = x^8 + x^3 + x^2 + 1, CRC-5 of D1..D10 with g(x) = x^5 + x + 1: the
// remainders of the bits, first bit first, times x^8 (x^5).
quint8 crc(quint32 bits, int count, int width, quint8 polynomial)
{
    const quint8 top = quint8(1u << (width - 1));
    const quint8 mask = quint8((1u << width) - 1);
    quint8 remainder = 0;
    for (int i = count - 1; i >= 0; --i) {
        const bool feedback = ((remainder & top) != 0) != (((bits >> i) & 1u) != 0);
        remainder = quint8((remainder << 1) & mask);
        if (feedback)
            remainder ^= polynomial;
    }
    return remainder;
}

} // namespace

GmpJustification::GmpJustification(double cm, int wordBytes, double multiframesPerSecond)
    : m_wordBytes(cm > 0 && wordBytes > 0 ? wordBytes : 0), m_multiframesPerSecond(multiframesPerSecond)
{
    // A nominal Cm that G.709 gives as a whole number stays whole, whatever the rounding of the rates.
    const double whole = std::round(cm);
    const double exact = std::abs(cm - whole) < 1e-6 ? whole : cm;
    m_base = int(std::floor(exact));
    m_fraction = exact - m_base;
}

GmpJustification GmpJustification::ofLevel(const ParameterStore &store, int port, int level)
{
    const OtnMapping mapping = TributaryLayout::mappingOf(store, port, TributaryLayout::Rx);
    if (level < 0 || level >= mapping.getOduCount() || !mapping.isGmp(level))
        return GmpJustification(0, 0, 0);
    CmCalculator calculator;
    calculator.setMapping(mapping);
    if (mapping.hasOduFlex(level) && PID::Otn::RX::NUMBER_OF_TS[level])
        calculator.updateConstant(mapping, store.intValue(nsSID::otnSid(port, PID::Otn::RX::NUMBER_OF_TS[level])));
    calculator.setOffset(CmCalculator::lineLevel, doubleOf(store, port, PID::Otn::STIMULI::FREQUENCY_OFFSET));
    for (int l = 0; l < OtnMapping::maxLevels; ++l)
        calculator.setOffset(l, doubleOf(store, port, PID::Otn::STIMULI::PAYLOAD_OFFSET[l]));
    const CmResult result = calculator.calcCm(level);
    if (!result.valid)
        return GmpJustification(0, 0, 0);

    // A lower-order ODU takes M-byte words of its M tributary slots once per multiframe of the server's
    // slots; a client in an OPU takes words of the OPU's size in every frame.
    int wordBytes = 0;
    int framesPerMultiframe = 1;
    if (mapping.hasOdtu(level)) {
        const quint32 flex = PID::Otn::RX::NUMBER_OF_TS[level]
                                 ? quint32(store.intValue(nsSID::otnSid(port, PID::Otn::RX::NUMBER_OF_TS[level])))
                                 : 0;
        const TpTsInfo info = OtnTpTs::getTpTsInfo(level, mapping, flex);
        wordBytes = int(info.tsPerTp);
        framesPerMultiframe = int(info.tsCount);
    } else {
        const QString name = mapping.getOduName(level);
        for (int t = OtnSignalCatalogue::OduNone; t <= OtnSignalCatalogue::OduC1; ++t) {
            if (OtnSignalCatalogue::oduName(OtnSignalCatalogue::OduType(t)) == name)
                wordBytes = OtnSignalCatalogue::odu(OtnSignalCatalogue::OduType(t)).gmpWordBytes;
        }
    }
    const double frames = Reception::oduBitRate(store, port, mapping, level) / Reception::oduFrameBits;
    return GmpJustification(result.cm, wordBytes, frames / qMax(framesPerMultiframe, 1));
}

qint64 GmpJustification::multiframesBy(int seconds) const
{
    return qint64(std::floor(m_multiframesPerSecond * seconds));
}

// Multiframes before this one whose Cm was one above the whole part of cm.
qint64 GmpJustification::ceilingsBefore(qint64 multiframe) const
{
    return qint64(std::floor(m_fraction * double(multiframe)));
}

int GmpJustification::cmAt(qint64 multiframe) const
{
    return m_base + int(ceilingsBefore(multiframe + 1) - ceilingsBefore(multiframe));
}

int GmpJustification::cndAt(qint64 multiframe) const
{
    // Bytes sent by the end of this multiframe beyond the whole words (the whole part of cm gives none).
    const double bytes = std::floor(double(m_wordBytes) * m_fraction * double(multiframe + 1));
    return qBound(0, int(bytes - double(m_wordBytes) * double(ceilingsBefore(multiframe + 1))), m_wordBytes - 1);
}

GmpJustification::Steps GmpJustification::steps(qint64 first, qint64 end) const
{
    Steps s;
    s.lowest = s.highest = m_base;
    if (end <= first)
        return s;
    const qint64 count = end - first;
    const qint64 ceilings = ceilingsBefore(end) - ceilingsBefore(first);
    s.highest = ceilings > 0 ? m_base + 1 : m_base;
    s.lowest = ceilings < count ? m_base : m_base + 1;
    // A step is a multiframe whose Cm differs from the one before; the measurement's first has none before
    // it. Below a half the higher values stand alone, above it the lower ones.
    const qint64 from = qMax<qint64>(first, 1);
    if (end <= from || m_fraction <= 0)
        return s;
    if (m_fraction <= 0.5) {
        s.increments = quint64(ceilingsBefore(end) - ceilingsBefore(from));
        s.decrements = quint64(ceilingsBefore(end - 1) - ceilingsBefore(from - 1));
    } else {
        const auto floors = [this](qint64 a, qint64 b) { return (b - a) - (ceilingsBefore(b) - ceilingsBefore(a)); };
        s.decrements = quint64(floors(from, end));
        s.increments = quint64(floors(from - 1, end - 1));
    }
    return s;
}

QByteArray GmpJustification::jcBytes(qint64 end) const
{
    if (!isValid())
        return QByteArray(6, '\0');
    qint64 t = qMax<qint64>(end - 1, 0);
    for (int back = 0; back < 3 && t > 0 && cmAt(t) != cmAt(t - 1); ++back)
        --t;
    const bool changed = t > 0 && cmAt(t) != cmAt(t - 1);
    const quint32 cm = quint32(cmAt(t)) & 0x3FFFu;
    // Only a value that changes every multiframe by one (cm ending in one half) is sent plainly, as a
    // larger change is: II = DI = 1.
    const quint32 jc12 = (cm << 2) | (changed ? 0x3u : 0x0u);
    const quint32 cnd = quint32(cndAt(t)) & 0x3FFu;
    QByteArray jc(6, '\0');
    jc[0] = char(jc12 >> 8);
    jc[1] = char(jc12 & 0xFF);
    jc[2] = char(crc(jc12, 16, 8, 0x0D));
    jc[3] = char(cnd >> 5);
    jc[4] = char(cnd & 0x1F);
    jc[5] = char(crc(cnd, 10, 5, 0x03));
    return jc;
}
