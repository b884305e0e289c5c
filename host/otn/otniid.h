#pragma once

#include "host/hostexport.h"

// Ids of the OTN alarm, error, client, GFP, lane, mapping-name, justification and performance counters
// (group 0x0D0000), single or per ODU level (index 0 = the line's ODU) or per tandem connection (index 0 =
// TCM1). An entry of 0 means the level has no such counter. The line's own alarms and errors are the
// status parameters of PID::Otn::STATUS.
namespace nsIID {
namespace Otn {
namespace Alarm {
ZELOTNMODEL_EXPORT extern const int SUM_ERRALARM[4];
ZELOTNMODEL_EXPORT extern const int ODU_LOF_LOM[4];
ZELOTNMODEL_EXPORT extern const int ODU_OOF[4];
ZELOTNMODEL_EXPORT extern const int ODU_OOM[4];
ZELOTNMODEL_EXPORT extern const int ODU_AIS[4];
ZELOTNMODEL_EXPORT extern const int ODU_LCK[4];
ZELOTNMODEL_EXPORT extern const int ODU_OCI[4];
ZELOTNMODEL_EXPORT extern const int PM_TIM[4];
ZELOTNMODEL_EXPORT extern const int PM_BDI[4];
ZELOTNMODEL_EXPORT extern const int PLM[4];
ZELOTNMODEL_EXPORT extern const int FSF[4];
ZELOTNMODEL_EXPORT extern const int FSD[4];
ZELOTNMODEL_EXPORT extern const int BSF[4];
ZELOTNMODEL_EXPORT extern const int BSD[4];
ZELOTNMODEL_EXPORT extern const int MSIM[4];
ZELOTNMODEL_EXPORT extern const int TCMi_TIM[6];
ZELOTNMODEL_EXPORT extern const int TCMi_BIAE[6];
ZELOTNMODEL_EXPORT extern const int TCMi_BDI[6];
ZELOTNMODEL_EXPORT extern const int TCMi_IAE[6];
ZELOTNMODEL_EXPORT extern const int TCMi_LTC[6];
} // namespace Alarm

namespace Error {
ZELOTNMODEL_EXPORT extern const int ODU_FAS[4];
ZELOTNMODEL_EXPORT extern const int PM_BIP8[4];
ZELOTNMODEL_EXPORT extern const int PM_BEI[4];
ZELOTNMODEL_EXPORT extern const int CRC8[4];
ZELOTNMODEL_EXPORT extern const int CRC5[4];
ZELOTNMODEL_EXPORT extern const int TCMi_BIP8[6];
ZELOTNMODEL_EXPORT extern const int TCMi_BEI[6];
// Justification control and OPU multiframe errors of the level's payload.
ZELOTNMODEL_EXPORT extern const int JC[4];
ZELOTNMODEL_EXPORT extern const int OMFI[4];
} // namespace Error

// The client signal the innermost level carries: its failure, the test pattern of a bulk or NULL client,
// and the frames and octets sent and received.
namespace Client {
constexpr int CSF = 167;
constexpr int LOFD = 168;
constexpr int PATTERN_LOSS = 169;
constexpr int BIT_ERROR = 1174;
constexpr int TX_FRAMES = 1601;
constexpr int TX_OCTETS = 1602;
constexpr int TX_ERRORED_FRAMES = 1603;
constexpr int RX_FRAMES = 1604;
constexpr int RX_OCTETS = 1605;
constexpr int RX_ERRORED_FRAMES = 1606;
constexpr int PATTERN_SYNC_SECONDS = 2717;
constexpr int BIT_ERROR_COUNT = 2718;
} // namespace Client

// GFP: the header checks (cHEC, tHEC, eHEC), the client signal fail its client management frames
// signal, the transparent mapping's codes and superblocks, and the frames of the framed mapping.
namespace Gfp {
constexpr int CSF = 434;
constexpr int CHEC_CORRECTABLE = 1149;
constexpr int CHEC_UNCORRECTABLE = 1150;
constexpr int THEC_CORRECTABLE = 1151;
constexpr int THEC_UNCORRECTABLE = 1152;
constexpr int T_10B_ERROR = 1153;
constexpr int T_SUPERBLOCK_CRC = 1154;
constexpr int T_DISPARITY = 1155;
constexpr int T_INVALID_CODE = 1156;
constexpr int CLIENT_DATA_LOSS = 1157;
constexpr int TX_FRAMES = 1161;
constexpr int IDLE_FRAMES = 1165;
constexpr int EHEC_CORRECTABLE = 1166;
constexpr int EHEC_UNCORRECTABLE = 1167;
constexpr int PFCS_ERROR = 1168;
constexpr int FRAME_LENGTH_ERROR = 1169;
constexpr int CLIENT_FRAMES = 1401;
constexpr int CLIENT_ERRORED_FRAMES = 1402;
constexpr int T_SUPERBLOCKS = 1403;
constexpr int T_ERRORED_SUPERBLOCKS = 1404;
constexpr int T_CODES = 1405;
constexpr int T_ERRORED_CODES = 1406;
constexpr int RX_FRAMES = 1407;
constexpr int RX_CLIENT_FRAMES = 1408;
constexpr int RX_MANAGEMENT_FRAMES = 1409;
constexpr int RX_DISCARDED_FRAMES = 1410;
} // namespace Gfp

// The logical lanes of a multi-lane interface: their alarms and summary, the seconds and counts of
// their alarms and errors, and the skew measured between them.
namespace Lane {
constexpr int SKEW_EXCEEDED = 170;
constexpr int LLD_LOF_SECONDS = 176;
constexpr int LLD_OOF_SECONDS = 177;
constexpr int LOR_SECONDS = 178;
constexpr int OOR_SECONDS = 179;
constexpr int LLD_LOF = 401;
constexpr int LLD_OOF = 402;
constexpr int LOR = 403;
constexpr int OOR = 404;
constexpr int SUMMARY = 405;
constexpr int LLD_FAS_ERROR_COUNT = 1177;
constexpr int LLD_MFAS_ERROR_COUNT = 1178;
constexpr int LLM_ERROR_COUNT = 1179;
constexpr int LLD_FAS_ERROR = 1411;
constexpr int LLD_MFAS_ERROR = 1412;
constexpr int LLM_ERROR = 1413;
constexpr int SKEW_LOGICAL = 2140;
constexpr int SKEW_PHYSICAL = 2141;
} // namespace Lane

// Value rows naming the line and what a level carries.
namespace Mapping {
constexpr int LINE_NAME = 10001;
constexpr int LINE_PER_NAME = 10009;
ZELOTNMODEL_EXPORT extern const int ODU_NAME[4];
ZELOTNMODEL_EXPORT extern const int AMP_NAME[4];
ZELOTNMODEL_EXPORT extern const int GMP_NAME[4];
ZELOTNMODEL_EXPORT extern const int ODU_PER_NAME[4];
} // namespace Mapping

// Justification counters of the level's OPU (AMP) and Cm statistics (GMP).
namespace Pointer {
ZELOTNMODEL_EXPORT extern const int Offset_AMP[4];
ZELOTNMODEL_EXPORT extern const int PJC[4];
ZELOTNMODEL_EXPORT extern const int PJC2[4];
ZELOTNMODEL_EXPORT extern const int PJC3[4];
ZELOTNMODEL_EXPORT extern const int NJC[4];
ZELOTNMODEL_EXPORT extern const int NJC2[4];
ZELOTNMODEL_EXPORT extern const int Offset_GMP[4];
ZELOTNMODEL_EXPORT extern const int Inc0[4];
ZELOTNMODEL_EXPORT extern const int Dec0[4];
ZELOTNMODEL_EXPORT extern const int Inc1[4];
ZELOTNMODEL_EXPORT extern const int Dec1[4];
ZELOTNMODEL_EXPORT extern const int Inc2[4];
ZELOTNMODEL_EXPORT extern const int Dec2[4];
ZELOTNMODEL_EXPORT extern const int IncOver[4];
ZELOTNMODEL_EXPORT extern const int DecOver[4];
ZELOTNMODEL_EXPORT extern const int CmtMin[4];
ZELOTNMODEL_EXPORT extern const int CmtMax[4];
} // namespace Pointer

// G.8201 figures of the line's section, of the ODU path (per level) and of the tandem connections of the
// line's ODU.
namespace Performance {
constexpr int SES_LINE_NEAREND = 5132;
constexpr int SES_LINE_FAREND = 5142;
constexpr int SES_LINE_BIDIRECTIONAL = 5152;
constexpr int BBE_LINE_NEAREND = 5162;
constexpr int BBE_LINE_FAREND = 5172;
constexpr int BBE_LINE_BIDIRECTIONAL = 5182;
constexpr int UAS_LINE_NEAREND = 5192;
constexpr int UAS_LINE_FAREND = 5202;
constexpr int UAS_LINE_BIDIRECTIONAL = 5212;
constexpr int STAT_LINE_NEAREND = 5222;
constexpr int STAT_LINE_FAREND = 5232;
constexpr int STAT_LINE_BIDIRECTIONAL = 5242;
ZELOTNMODEL_EXPORT extern const int STAT_ODU_NEAREND[4];
ZELOTNMODEL_EXPORT extern const int SES_ODU_NEAREND[4];
ZELOTNMODEL_EXPORT extern const int BBE_ODU_NEAREND[4];
ZELOTNMODEL_EXPORT extern const int UAS_ODU_NEAREND[4];
ZELOTNMODEL_EXPORT extern const int STAT_ODU_FAREND[4];
ZELOTNMODEL_EXPORT extern const int SES_ODU_FAREND[4];
ZELOTNMODEL_EXPORT extern const int BBE_ODU_FAREND[4];
ZELOTNMODEL_EXPORT extern const int UAS_ODU_FAREND[4];
ZELOTNMODEL_EXPORT extern const int STAT_ODU_BIDIRECTIONAL[4];
ZELOTNMODEL_EXPORT extern const int SES_ODU_BIDIRECTIONAL[4];
ZELOTNMODEL_EXPORT extern const int BBE_ODU_BIDIRECTIONAL[4];
ZELOTNMODEL_EXPORT extern const int UAS_ODU_BIDIRECTIONAL[4];
ZELOTNMODEL_EXPORT extern const int STAT_TCMi_NEAREND[6];
ZELOTNMODEL_EXPORT extern const int SES_TCMi_NEAREND[6];
ZELOTNMODEL_EXPORT extern const int BBE_TCMi_NEAREND[6];
ZELOTNMODEL_EXPORT extern const int UAS_TCMi_NEAREND[6];
ZELOTNMODEL_EXPORT extern const int STAT_TCMi_FAREND[6];
ZELOTNMODEL_EXPORT extern const int SES_TCMi_FAREND[6];
ZELOTNMODEL_EXPORT extern const int BBE_TCMi_FAREND[6];
ZELOTNMODEL_EXPORT extern const int UAS_TCMi_FAREND[6];
ZELOTNMODEL_EXPORT extern const int STAT_TCMi_BIDIRECTIONAL[6];
ZELOTNMODEL_EXPORT extern const int SES_TCMi_BIDIRECTIONAL[6];
ZELOTNMODEL_EXPORT extern const int BBE_TCMi_BIDIRECTIONAL[6];
ZELOTNMODEL_EXPORT extern const int UAS_TCMi_BIDIRECTIONAL[6];
} // namespace Performance
} // namespace Otn
} // namespace nsIID
