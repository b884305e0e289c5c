#include "otntpts.h"

#include <QVector>

#include "host/diagnostics/zeldiagnostics.h"
#include "otnmapping.h"
#include "otnsettings.h"
#include "otnsignalcatalogue.h"

namespace {

const OtnSignalCatalogue::Multiplex *stageMultiplex(int stage, const OtnMapping &mapping)
{
    if (!mapping.hasOdtu(stage))
        return nullptr;
    return OtnSignalCatalogue::multiplex(mapping.convertMultiplexes().value(stage));
}

// An ODUflex takes its TS count from the user; 0 means one TS, the smallest ODUflex.
quint32 flexTs(const OtnSignalCatalogue::Multiplex &m, quint32 flexTsCount)
{
    if (flexTsCount == 0)
        return 1;
    return qMin<quint32>(flexTsCount, quint32(m.tsCount));
}

} // namespace

TpTsInfo OtnTpTs::getTpTsInfo(int stage, const OtnMapping &mapping, quint32 flexTsCount)
{
    TpTsInfo info;
    const OtnSignalCatalogue::Multiplex *m = stageMultiplex(stage, mapping);
    if (!m)
        return info;
    info.tsCount = quint32(m->tsCount);
    info.payloadType = m->payloadType;
    info.tsTotal = quint32(m->tsTotal);
    info.autoDetection = quint32(m->autoDetection);
    if (m->lo == OtnSignalCatalogue::OduFlex) {
        info.tsPerTp = flexTs(*m, flexTsCount);
        info.tpCount = info.tsCount / info.tsPerTp;
    } else {
        info.tsPerTp = quint32(m->tsPerTp);
        info.tpCount = quint32(m->tpCount);
    }
    info.multiplexFactor = info.tpCount;
    return info;
}

// Fixed structures give TP i the TS i * tsPerTp + 1 onwards. Elsewhere TP i starts at its main TS and takes
// the next free TS after it (wrapping round); the start TS of all TPs are placed before any TP grows, so a
// later TP's start is never taken by an earlier TP's tail. A TP that cannot get all its TS is left out.
void OtnTpTs::assignCh(int stage, const OtnMapping &mapping, int copyStatus, quint32 mainTp, const int *mainTs,
                       quint32 flexTsCount, int *channels, const QBitArray *allocated)
{
    if (!channels)
        return;
    for (int t = 0; t < maxTs; ++t)
        channels[t] = -1;
    const TpTsInfo info = getTpTsInfo(stage, mapping, flexTsCount);
    const int tsCount = qMin(int(info.tsCount), int(maxTs));
    const int tpCount = int(info.tpCount);
    const int tsPerTp = int(info.tsPerTp);
    if (tsCount == 0 || tpCount == 0 || tsPerTp == 0)
        return;

    if (info.autoDetection == 0) {
        for (int tp = 0; tp < tpCount; ++tp) {
            for (int k = 0; k < tsPerTp && tp * tsPerTp + k < tsCount; ++k)
                channels[tp * tsPerTp + k] = tp;
        }
    } else {
        auto usable = [&](int t) {
            if (channels[t] != -1)
                return false;
            return !allocated || t >= allocated->size() || !allocated->testBit(t);
        };
        QVector<int> start(tpCount, -1);
        for (int tp = 0; tp < tpCount; ++tp) {
            const int first = mainTs ? mainTs[tp] - 1 : tp * tsPerTp;
            if (first >= 0 && first < tsCount && usable(first)) {
                start[tp] = first;
                channels[first] = tp;
            }
        }
        for (int tp = 0; tp < tpCount; ++tp) {
            QVector<int> taken;
            int from = start[tp];
            if (from < 0) {
                for (int t = 0; t < tsCount && from < 0; ++t) {
                    if (usable(t))
                        from = t;
                }
                if (from < 0)
                    continue;
                taken << from;
                channels[from] = tp;
            } else {
                taken << from;
            }
            for (int step = 1; step < tsCount && taken.size() < tsPerTp; ++step) {
                const int t = (from + step) % tsCount;
                if (usable(t)) {
                    channels[t] = tp;
                    taken << t;
                }
            }
            if (taken.size() < tsPerTp) {
                for (int t : qAsConst(taken))
                    channels[t] = -1;
            }
        }
    }

    if (copyStatus == nsSettings::Otn::COPY_OFF) {
        for (int t = 0; t < maxTs; ++t) {
            if (channels[t] != int(mainTp) - 1)
                channels[t] = -1;
        }
    }
}

void OtnTpTs::copyTs(int *list, const QByteArray &bytes, int count)
{
    if (!list)
        return;
    ZEL_ASSERT(count >= 0 && count <= bytes.size() && count <= maxTs,
               QStringLiteral("OtnTpTs::copyTs: %1 entries asked from %2 bytes").arg(count).arg(bytes.size()));
    const int n = qBound(0, qMin(count, bytes.size()), int(maxTs));
    for (int i = 0; i < n; ++i)
        list[i] = quint8(bytes.at(i));
}
