#pragma once

#include <QBitArray>
#include <QByteArray>

#include "host/hostexport.h"

class OtnMapping;

// Tributary port (TP) and slot (TS) figures of one multiplexing stage.
struct ZELOTNMODEL_EXPORT TpTsInfo {
    quint32 tsCount = 0;          // TS of the higher-order OPU that the stage's TS map shows
    quint32 tpCount = 0;          // tributary ports (lower-order ODUs) of the stage
    quint32 tsPerTp = 0;          // TS each lower-order ODU occupies
    quint32 payloadType = 0;      // PT of the higher-order OPU: 0x20 (ODTUjk only) or 0x21 (GMP capable)
    quint32 tsTotal = 0;          // TS open to allocation (8, 32 or 80; 0 when TS are not allocated)
    quint32 multiplexFactor = 0;  // lower-order ODUs the stage carries ("x4")
    quint32 autoDetection = 0;    // 0: TP fixes the TS; 1: TS found automatically; 3: ODUflex, TS count shown
};

// Tributary port and slot computations on a multiplex structure.
class ZELOTNMODEL_EXPORT OtnTpTs
{
public:
    static constexpr int maxTs = 80;

    // Figures of the stage; flexTsCount is the TS count of an ODUflex stage (0 = its default).
    static TpTsInfo getTpTsInfo(int stage, const OtnMapping &mapping, quint32 flexTsCount);

    // Fills channels[t] (t = 0-79) with the 0-based tributary port carried in TS t + 1, or -1 for none.
    // mainTs[i] is the first TS (1-based) of TP i + 1; allocated, when given, limits the usable TS: as on
    // the TS allocation grids, whose cells are inverted, a clear bit is an allocated (usable) TS.
    static void assignCh(int stage, const OtnMapping &mapping, int copyStatus, quint32 mainTp, const int *mainTs,
                         quint32 flexTsCount, int *channels, const QBitArray *allocated = nullptr);

    // list[i] = byte i (the TS of TP i + 1) for the first count bytes; further entries stay as they are.
    static void copyTs(int *list, const QByteArray &bytes, int count);
};
