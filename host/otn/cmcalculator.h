#pragma once

#include <QString>
#include <QVector>

#include "host/hostexport.h"
#include "otnmapping.h"

// One payload level of a structure: a lower-order ODU, or the client on the last ODU.
struct ZELOTNMODEL_EXPORT CmLevelInfo {
    bool present = false;
    QString name;
    bool cm = false;     // GMP-mapped: it has a Cm
};

struct ZELOTNMODEL_EXPORT CmResult {
    bool valid = false;
    double cm = 0;       // mean M-byte words per server (multi)frame
    double cnd = 0;      // mean bytes per (multi)frame beyond the whole words: M x frac(cm); 0 for M = 1
};

// Cm and CnD of the GMP-mapped payloads of a structure, with frequency offsets on the line and on
// each payload. Payload level i is ODU level i + 1 while such a level exists, then the client when it is
// asynchronously mapped (AMP or GMP).
class ZELOTNMODEL_EXPORT CmCalculator
{
public:
    static constexpr int maxLevels = 4;
    static constexpr int lineLevel = -1;

    CmCalculator();

    // Rates of the structure; payloadValue is the TS count of an ODUflex of stage 0 (below 1 counts as 1).
    void updateConstant(const OtnMapping &mapping, int payloadValue);
    void setMapping(const OtnMapping &mapping);
    CmLevelInfo getLevelInfo(int level) const;
    void setOffset(int level, double ppm);
    CmResult calcCm(int level) const;

    // ODUflex(GFP) nominal rate for n TS: n x ODU2.ts, ODU3.ts or ODU4.ts by the size of n.
    static double oduFlexRate(int tsCount);

private:
    struct Payload {
        QString name;
        bool gmp = false;
        double rate = 0;         // nominal rate of the payload, kbit/s
        int serverLevel = 0;     // ODU level whose OPU carries it
        double factor = 0;       // cm = f_payload / f_server x factor
        double capacity = 0;     // most words a (multi)frame holds
        int wordBytes = 0;       // M
    };

    void rebuild();
    double serverRate(int oduLevel) const;

    OtnMapping m_mapping;
    int m_flexTs = 1;
    double m_oduRates[OtnMapping::maxLevels] = {};
    QVector<Payload> m_payloads;
    double m_lineOffset = 0;
    double m_offsets[maxLevels] = {};
};
