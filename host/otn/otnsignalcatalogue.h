#pragma once

#include <QString>
#include <QVector>

#include "host/hostexport.h"

// What the values of the OTN mapping parameters stand for: the ODU of each interface signal, the ODUs,
// tributary slots and mapping procedure of each multiplex kind, and what each client signal needs.
// The single source of these facts for OtnMapping, OtnTpTs, OtnStructureRules and CmCalculator.
class ZELOTNMODEL_EXPORT OtnSignalCatalogue
{
public:
    enum OduType {
        OduNone = 0,
        Odu0, Odu1, Odu2, Odu2e, Odu3, Odu4, OduFlex,
        Odu1e, Odu1f, Odu2f, Odu3e1, Odu3e2, OduC1
    };

    // How a payload sits in its OPU. Bmp, Gfp and Pattern use no justification.
    enum Procedure { ProcNone = 0, ProcAmp, ProcGmp, ProcBmp, ProcGfp, ProcPattern };

    struct Odu {
        OduType type = OduNone;
        const char *name = "";
        double rateKbps = 0;        // nominal ODU bit rate; ODUflex: 0 (depends on its TS count)
        double tolerancePpm = 0;
        int gmpWordBytes = 0;       // M of a GMP client mapped straight into this OPU (0: none)
        int payloadBytes = 0;       // OPU payload bytes per frame open to a client mapping
    };

    struct Interface {
        int value = -1;
        const char *name = "";
        OduType odu = OduNone;
        int logicalLanes = 0;       // 0: not a multi-lane signal
        bool otlc = false;          // OTUCn lane interface
        bool multiLaneModule = false;  // needs a module with several physical lanes
        bool laneOnly = false;      // one lane of a multi-lane signal: carries a test pattern only
    };

    struct Multiplex {
        int kind = 0;               // nsSettings::Otn::Multiplex_t
        const char *name = "";
        OduType ho = OduNone;
        OduType lo = OduNone;
        Procedure procedure = ProcNone;
        quint8 payloadType = 0;     // PT of the higher-order OPU
        int tsCount = 0;            // TS of the higher-order OPU (2.5G TS for PT 20 structures)
        int tsPerTp = 0;            // TS per lower-order ODU; ODUflex: 0 (its TS count decides)
        int tpCount = 0;            // lower-order ODUs; ODUflex: 0 (tsCount / its TS count)
        int tsTotal = 0;            // TS open to allocation (0: the TS are fixed)
        int autoDetection = 0;      // TpTsInfo::autoDetection
        int odtuColumns = 0;        // GMP: ODTU payload columns per TS (x10 to stay integral: 4760, 1190, 475)
        int gmpBlocks = 0;          // GMP: M-byte blocks per multiframe (P of the server)
    };

    struct Client {
        int value = -1;
        const char *name = "";      // neutral (and SDH) name
        const char *sonet = "";     // SONET name where it differs, else empty
        Procedure procedure = ProcNone;
        quint8 payloadType = 0;
        QVector<OduType> carriers;  // ODUs whose OPU can carry the client (empty: every ODU)
        double rateKbps = 0;        // nominal rate as mapped (after transcoding); pattern and GFP: 0
        bool gfpT = false;
        bool gfpF = false;
        bool fcGfp = false;
        bool extendedOpu2 = false;
        bool pattern = false;       // a test pattern fills the OPU
        bool sdh = false;
        bool ethernet = false;
    };

    static const Odu &odu(OduType type);
    static QString oduName(OduType type);

    // Null when the value is not a defined (active) value of its parameter.
    static const Interface *interfaceSignal(int value);
    static const Multiplex *multiplex(int kind);
    static const Client *client(int value);

    // Every value of each parameter, in value order, including reserved ones (name "Reserved", inactive).
    static QVector<int> interfaceValues();
    static QVector<int> clientValues();
    static QVector<int> multiplexKinds();
    static int interfaceValueCount();
    static int clientValueCount();
    static int multiplexKindCount();

    // Values of the stage-1 and stage-2 parameters (0 = no multiplexing) and their multiplex kinds.
    static QVector<int> stage1Values();
    static QVector<int> stage2Values();
    static int stage1Kind(int value);
    static int stage2Kind(int value);

    // Names as the catalogue shows them (terminology 0 neutral, 1 SDH, 2 SONET).
    static QString interfaceName(int value);
    static QString clientName(int value, int terminology = 0);
    static QString multiplexName(int kind);
    static QString stage1Name(int value);
    static QString stage2Name(int value);

    static bool clientFits(const Client &client, OduType lo);
};
