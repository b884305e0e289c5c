#pragma once

#include "host/hostexport.h"

// Parameter ids of the OTN group, per multiplex stage or ODU level (index 0 = highest order).
// An entry of 0 means the stage or level has no such parameter.
namespace PID {

// Index of id among the first entries of an id table; -1 when it is not there.
inline int indexIn(const int *table, int entries, int id)
{
    for (int index = 0; index < entries; ++index) {
        if (table[index] == id)
            return index;
    }
    return -1;
}

namespace Otn {
namespace TX {
// The line's section monitoring: TTI SAPI (16 bytes), DAPI (16), operator specific (32), third byte.
constexpr int OTU_SM_TTI_SAPI = 11016;
constexpr int OTU_SM_TTI_DAPI = 11017;
constexpr int OTU_SM_TTI_OS = 11018;
constexpr int OTU_SM_BITS = 11019;
// The rest of the OTU overhead in row 1: GCC0 (2 bytes), RES (2 bytes, 1 beside the OSMC) and the OTUCn's
// OSMC (1 byte, first OTL slice only).
constexpr int OTU_GCC0 = 11020;
constexpr int OTU_RES = 11021;
constexpr int OTU_OSMC = 11205;
// OTL slice of an OTLC interface (0 = the first slice) and the TTI encoding (0 = structured SAPI/DAPI).
constexpr int OTLC_SLICE_NUMBER = 11204;
constexpr int TTI_ENCODING = 13001;

ZELOTNMODEL_EXPORT extern const int MAIN_TP[3];
ZELOTNMODEL_EXPORT extern const int MAIN_TS[3];
ZELOTNMODEL_EXPORT extern const int NUMBER_OF_TS[3];
ZELOTNMODEL_EXPORT extern const int ALLOC[3];
ZELOTNMODEL_EXPORT extern const int MAPPING[5];
ZELOTNMODEL_EXPORT extern const int TX_COPY[3];
ZELOTNMODEL_EXPORT extern const int OPU_PAYLOAD_TYPE[4];
ZELOTNMODEL_EXPORT extern const int ODU_FAS[4];
ZELOTNMODEL_EXPORT extern const int ODU_EXP[4];
ZELOTNMODEL_EXPORT extern const int ODU_GCC1[4];
ZELOTNMODEL_EXPORT extern const int ODU_GCC2[4];
ZELOTNMODEL_EXPORT extern const int ODU_RES1[4];
ZELOTNMODEL_EXPORT extern const int ODU_RES2[4];
ZELOTNMODEL_EXPORT extern const int ODU_APS_FB[4];
ZELOTNMODEL_EXPORT extern const int ODU_APS_SB[4];
ZELOTNMODEL_EXPORT extern const int ODU_PM_BITS[4];
ZELOTNMODEL_EXPORT extern const int ODU_PM_TTI_SAPI[4];
ZELOTNMODEL_EXPORT extern const int ODU_PM_TTI_DAPI[4];
ZELOTNMODEL_EXPORT extern const int ODU_PM_TTI_OS[4];
ZELOTNMODEL_EXPORT extern const int ODU_TCM_TTI_SAPI[6];
ZELOTNMODEL_EXPORT extern const int ODU_TCM_TTI_DAPI[6];
ZELOTNMODEL_EXPORT extern const int ODU_TCM_TTI_OS[6];
ZELOTNMODEL_EXPORT extern const int ODU_FTFL_FOI[4];
ZELOTNMODEL_EXPORT extern const int ODU_FTFL_FOS[4];
ZELOTNMODEL_EXPORT extern const int ODU_FTFL_FFI[4];
ZELOTNMODEL_EXPORT extern const int ODU_FTFL_BOI[4];
ZELOTNMODEL_EXPORT extern const int ODU_FTFL_BOS[4];
ZELOTNMODEL_EXPORT extern const int ODU_FTFL_BFI[4];
ZELOTNMODEL_EXPORT extern const int ODU_TCM_BITS[4][6];
ZELOTNMODEL_EXPORT extern const int ODU_TCM_TTI_OH[4][6];
// The overhead set-up of levels 0 to 2, the parameter a customised screen's overhead button stands for.
ZELOTNMODEL_EXPORT extern const int OVERHEAD_SETUP[3];
} // namespace TX
namespace RX {
ZELOTNMODEL_EXPORT extern const int MAIN_TP[3];
ZELOTNMODEL_EXPORT extern const int MAIN_TS[3];
ZELOTNMODEL_EXPORT extern const int NUMBER_OF_TS[3];
ZELOTNMODEL_EXPORT extern const int MAPPING[5];
ZELOTNMODEL_EXPORT extern const int DET_MODE[3];
// Trace identifier detection of the tandem connections TCM1-TCM6: the mode (0 off, 1 SAPI, 2 DAPI,
// 3 both) and the expected SAPI and DAPI (16 bytes each).
ZELOTNMODEL_EXPORT extern const int TCM_TTI_DETECTION[6];
ZELOTNMODEL_EXPORT extern const int TCM_EXPECTED_SAPI[6];
ZELOTNMODEL_EXPORT extern const int TCM_EXPECTED_DAPI[6];
// The SAPI and DAPI (16 bytes each) the path trace of each ODU level is expected to carry; PM trace
// detection (PM_TTI_DETECTION) compares them.
ZELOTNMODEL_EXPORT extern const int PM_EXPECTED_SAPI[4];
ZELOTNMODEL_EXPORT extern const int PM_EXPECTED_DAPI[4];
} // namespace RX
namespace MEASUREMENT {
ZELOTNMODEL_EXPORT extern const int MSIM_DETECTION[3];
ZELOTNMODEL_EXPORT extern const int MSIM_REFERENCE_DATA[3];
} // namespace MEASUREMENT
namespace STIMULI {
// The offset of each level's payload from its server, in ppm.
ZELOTNMODEL_EXPORT extern const int PAYLOAD_OFFSET[4];
} // namespace STIMULI

// Single parameters of the OTN group, named here once for the host, the plug-in and the tester.
namespace TX {
constexpr int PORT_MODE = 11001;
constexpr int CLOCK_SOURCE = 11002;
constexpr int FEC_CONTROL = 11012;
constexpr int GFP_T_CSF_REPLACEMENT = 11015;
constexpr int GFP_F_PTI = 11134;
constexpr int GFP_F_PFI = 11135;
constexpr int GFP_F_EXI = 11136;
constexpr int GFP_F_UPI = 11137;
constexpr int GFP_F_CID = 11138;
constexpr int GFP_F_SPARE = 11139;
constexpr int GFP_F_CHEC_PRESYNC = 11140;
constexpr int LINE_RATE = 11141;
constexpr int MODULE = 11143;
constexpr int FIRST_LANE_MAPPING = 11145; // one parameter per physical lane follows
constexpr int LANE_COUNT = 11165;
constexpr int BULK_PATTERN = 11206;
constexpr int BULK_POLARITY = 11207;
constexpr int LASER = 17403;
} // namespace TX
namespace RX {
constexpr int MODULE = 12001;
constexpr int FEC_CONTROL = 12010;
constexpr int LINE_RATE = 12018;
constexpr int TTI_DETECTION_ENABLE = 12028;
constexpr int BULK_PATTERN = 12029;
constexpr int BULK_POLARITY = 12030;
constexpr int PLM_DETECTION = 12501;
constexpr int TCM = 13002;
// Trace identifier detection of the line's section and of the ODU paths: the mode (0 off, 1 SAPI,
// 2 DAPI, 3 both) and the section's expected SAPI and DAPI (16 bytes each).
constexpr int SM_TTI_DETECTION = 13003;
constexpr int SM_EXPECTED_SAPI = 13004;
constexpr int SM_EXPECTED_DAPI = 13005;
constexpr int PM_TTI_DETECTION = 13007;
// Whether a trace mismatch of the section (SM) and of the ODU paths (PM) has its consequent actions:
// ODU-AIS in place of what the layer carries (0 off, 1 on, the default).
constexpr int SM_TIM_ACTION = 13047;
constexpr int PM_TIM_ACTION = 13048;
} // namespace RX
// Measured values of the optical interface and the transceiver.
namespace PHYSICAL {
constexpr int TX_LEVEL = 8101;
constexpr int TX_FREQUENCY = 8102;
constexpr int TX_OFFSET = 8103;
constexpr int TX_WAVELENGTH = 8104;
constexpr int RX_LEVEL_STATUS = 8105;
constexpr int RX_LEVEL = 8106;
constexpr int RX_FREQUENCY = 8107;
constexpr int RX_OFFSET = 8108;
constexpr int MODULE_WAVELENGTH = 8301;
constexpr int MODULE_TEMPERATURE = 8302;
constexpr int RX_POWER_LANE1 = 8311; // lanes 2-4 follow
constexpr int TX_POWER_LANE1 = 8321; // lanes 2-4 follow
} // namespace PHYSICAL
// The line's alarms and errors: its frame, its section monitoring, its FEC and the lanes of an OTUCn.
namespace STATUS {
constexpr int LOS = 101;
constexpr int LOF = 102;
constexpr int OOF = 103;
constexpr int LOM = 106;
constexpr int OOM = 109;
constexpr int OTU_AIS = 110;
constexpr int SM_TIM = 113;
constexpr int SM_BIAE = 114;
constexpr int SM_IAE = 115;
constexpr int SM_BDI = 116;
constexpr int OTUCN_LOL = 433;
constexpr int FAS_ERROR = 1101;
constexpr int MFAS_ERROR = 1104;
constexpr int SM_BIP8 = 1107;
constexpr int SM_BEI = 1109;
constexpr int FEC_CORRECTED = 1111;
constexpr int FEC_UNCORRECTABLE = 1112;
constexpr int OTUCN_LANE_ERROR = 1429;
} // namespace STATUS
// The interval data of the overhead capture: one record per ODU level.
namespace CAPTURE {
constexpr int OVERHEAD = 3101;
} // namespace CAPTURE
// The stimuli area: the panels, each registered under its own id, and what they insert.
namespace STIMULI {
constexpr int ERROR_ALARM_PANEL = 15;
constexpr int JUSTIFICATION_PANEL = 16;
constexpr int FREQUENCY_PANEL = 17;
constexpr int LANE_SKEW_PANEL = 19;
constexpr int LEVEL = 14001;
// The alarm or error inserted on LEVEL and how: mode, burst length, alternating counts, rate.
constexpr int ITEM = 14002;
constexpr int MODE = 14003;
constexpr int BURST = 14004;
constexpr int ALTERNATE_ERROR = 14005;
constexpr int ALTERNATE_NORMAL = 14006;
constexpr int RATE = 14007;
// The port's generator inserting what the stimuli panels set (the container's category): the client
// writes INSERTION_ON to start and INSERTION_OFF to stop; the tester ends a single or burst insertion
// itself (INSERTION_DONE) and stops one whose item the structure no longer offers (INSERTION_STOPPED).
constexpr int INSERTION = 14046;
enum InsertionState { INSERTION_OFF = 0, INSERTION_ON = 1, INSERTION_DONE = 2, INSERTION_STOPPED = 3 };
// Pointer justification at JUSTIFICATION_LEVEL: a burst of movements in one direction, started by
// writing 1 to JUSTIFICATION_APPLY.
constexpr int JUSTIFICATION_LEVEL = 14008;
constexpr int JUSTIFICATION_BURST = 14009;
constexpr int JUSTIFICATION_MOVE = 14010;
constexpr int JUSTIFICATION_APPLY = 14011;
constexpr int FREQUENCY_OFFSET = 14012;
// Errors in the GMP overhead (Cm, CnD CRCs) of GMP_LEVEL.
constexpr int GMP_LEVEL = 14016;
constexpr int GMP_ITEM = 14017;
constexpr int GMP_ERROR_BITS = 14019;
// Errors in GFP frames: the item, single, burst or continuous, the bits, the interval of the client
// signal fail items (CSF) and the length of a burst.
constexpr int GFP_ITEM = 14020;
constexpr int GFP_MODE = 14021;
constexpr int GFP_ERROR_BITS = 14022;
constexpr int GFP_INTERVAL = 14023;
constexpr int GFP_ERROR_LENGTH = 14024;
// FEC test errors: symbol errors at a rate (mantissa and exponent, the FAS spared or not) or whole
// sub-rows, once or continuously.
constexpr int FEC_ITEM = 14025;
constexpr int FEC_MODE = 14026;
constexpr int FEC_RATE = 14027;
constexpr int FEC_RATE_EXPONENT = 14028;
constexpr int FEC_EXCLUDE_FAS = 14029;
constexpr int FEC_SUBROW = 14030;
constexpr int CATEGORY = 14031;
// Alarms and errors on the logical lanes of a multi-lane signal: none, alarm or error, the item, a burst
// or alternating error and normal frames, and the lanes.
constexpr int LLD_TYPE = 14032;
constexpr int LLD_INSERTION = 14033;
constexpr int LLD_ALARM = 14034;
constexpr int LLD_ERROR = 14035;
constexpr int LLD_BURST = 14036;
constexpr int LLD_ALTERNATE_ERROR = 14037;
constexpr int LLD_ALTERNATE_NORMAL = 14038;
constexpr int LLD_ERROR_LANES = 14039;
// The lane skew: in bits and in ns, on logical (0) or physical lanes, and the lanes it delays.
constexpr int SKEW_BITS = 14040;
constexpr int SKEW_NS = 14041;
constexpr int SKEW_LANE_TYPE = 14042;
constexpr int SKEW_LOGICAL_LANES = 14043;
constexpr int SKEW_PHYSICAL_LANES = 14045;
} // namespace STIMULI
// The tributary scan: running (1) or stopped (0), the main TP setting of level 0 (levels 1 and 2 follow, the
// plug-in's PID::Otn::TS::MAIN_TP), and the interval data of its result words.
namespace SCAN {
constexpr int RUNNING = 16001;
constexpr int FIRST_MAIN_TP = 16002;
constexpr int RESULT = 7101;
} // namespace SCAN
} // namespace Otn
} // namespace PID
