#include "cmcalculator.h"

#include <cmath>

#include "host/diagnostics/zeldiagnostics.h"
#include "otnsignalcatalogue.h"
#include "otntpts.h"

namespace {

using Catalogue = OtnSignalCatalogue;

// Bytes of one ODU frame (4 x 3824): the basis of a client's Cm per OPU frame.
constexpr double oduFrameBytes = 15296;
constexpr double oduColumns = 3824;

} // namespace

CmCalculator::CmCalculator() = default;

double CmCalculator::oduFlexRate(int tsCount)
{
    const int n = qMax(tsCount, 1);
    if (n <= 8)
        return n * 1249177.230;
    if (n <= 32)
        return n * 1254470.354;
    return n * 1301467.133;
}

void CmCalculator::updateConstant(const OtnMapping &mapping, int payloadValue)
{
    m_mapping = mapping;
    m_flexTs = qMax(payloadValue, 1);
    rebuild();
}

void CmCalculator::setMapping(const OtnMapping &mapping)
{
    m_mapping = mapping;
    rebuild();
}

void CmCalculator::rebuild()
{
    m_payloads.clear();
    for (double &rate : m_oduRates)
        rate = 0;

    const int count = m_mapping.getOduCount();
    const QVector<int> kinds = m_mapping.convertMultiplexes();
    const Catalogue::Interface *iface = Catalogue::interfaceSignal(m_mapping[OtnMapping::FieldInterface]);
    QVector<Catalogue::OduType> types;
    types << (iface ? iface->odu : Catalogue::OduNone);
    for (int kind : kinds) {
        const Catalogue::Multiplex *m = Catalogue::multiplex(kind);
        types << (m ? m->lo : Catalogue::OduNone);
    }
    for (int level = 0; level < count; ++level) {
        if (types[level] == Catalogue::OduFlex) {
            const int maxTs = int(OtnTpTs::getTpTsInfo(level - 1, m_mapping, 0).tsCount);
            m_oduRates[level] = oduFlexRate(qMin(m_flexTs, qMax(maxTs, 1)));
        } else {
            m_oduRates[level] = Catalogue::odu(types[level]).rateKbps;
        }
    }

    for (int level = 1; level < count; ++level) {
        const Catalogue::Multiplex *m = Catalogue::multiplex(kinds.value(level - 1));
        Payload p;
        p.name = m_mapping.getOduName(level);
        p.rate = m_oduRates[level];
        p.serverLevel = level - 1;
        p.gmp = m && m->procedure == Catalogue::ProcGmp;
        if (p.gmp && m->odtuColumns > 0) {
            const quint32 flex = m->lo == Catalogue::OduFlex ? quint32(m_flexTs) : 0;
            p.wordBytes = int(OtnTpTs::getTpTsInfo(level - 1, m_mapping, flex).tsPerTp);
            // The ODTU gets odtuColumns/10 of the server's 3824 columns per TS and multiframe.
            p.factor = m->gmpBlocks * oduColumns / (p.wordBytes * (m->odtuColumns / 10.0));
            p.capacity = m->gmpBlocks;
        }
        m_payloads << p;
    }

    const Catalogue::Client *client = Catalogue::client(m_mapping[OtnMapping::FieldClient]);
    if (client && (client->procedure == Catalogue::ProcAmp || client->procedure == Catalogue::ProcGmp)
        && m_payloads.size() < maxLevels) {
        Payload p;
        p.name = QStringLiteral("Client");
        p.rate = client->rateKbps;
        p.serverLevel = count - 1;
        p.gmp = client->procedure == Catalogue::ProcGmp;
        const Catalogue::Odu &server = Catalogue::odu(types.value(count - 1));
        if (p.gmp && server.gmpWordBytes > 0) {
            p.wordBytes = server.gmpWordBytes;
            p.factor = oduFrameBytes / p.wordBytes;
            p.capacity = double(server.payloadBytes) / p.wordBytes;
        }
        m_payloads << p;
    }
}

CmLevelInfo CmCalculator::getLevelInfo(int level) const
{
    CmLevelInfo info;
    if (level < 0 || level >= m_payloads.size())
        return info;
    info.present = true;
    info.name = m_payloads[level].name;
    info.cm = m_payloads[level].gmp;
    return info;
}

void CmCalculator::setOffset(int level, double ppm)
{
    ZEL_ASSERT(level >= lineLevel && level < maxLevels,
               QStringLiteral("CmCalculator::setOffset: no level %1").arg(level));
    if (level == lineLevel)
        m_lineOffset = ppm;
    else if (level >= 0 && level < maxLevels)
        m_offsets[level] = ppm;
}

// The server of a payload runs at its nominal rate moved by the offset of the level it belongs to: the line
// for ODU level 0, payload level l - 1 for ODU level l.
double CmCalculator::serverRate(int oduLevel) const
{
    const double ppm = oduLevel == 0 ? m_lineOffset : m_offsets[oduLevel - 1];
    return m_oduRates[oduLevel] * (1 + ppm * 1e-6);
}

CmResult CmCalculator::calcCm(int level) const
{
    CmResult result;
    if (level < 0 || level >= m_payloads.size())
        return result;
    const Payload &p = m_payloads[level];
    if (!p.gmp || p.factor <= 0 || p.rate <= 0)
        return result;
    const double server = serverRate(p.serverLevel);
    if (server <= 0)
        return result;
    const double cm = p.rate * (1 + m_offsets[level] * 1e-6) / server * p.factor;
    if (cm <= 0 || cm > p.capacity)
        return result;
    result.valid = true;
    result.cm = cm;
    // With one-byte words Cn equals Cm and the whole fraction lives in Cm; wider words leave bytes over.
    result.cnd = p.wordBytes > 1 ? p.wordBytes * (cm - std::floor(cm)) : 0;
    return result;
}
