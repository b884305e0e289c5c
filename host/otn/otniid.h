#pragma once

#include "host/hostexport.h"

// Ids of the OTN alarm, error, mapping-name, justification and performance counters (group 0x0D0000),
// per ODU level (index 0 = the line's ODU) or per tandem connection (index 0 = TCM1).
// An entry of 0 means the level has no such counter.
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
} // namespace Error

// Value rows naming what a level carries.
namespace Mapping {
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

// G.8201 figures of the ODU path (per level) and of the tandem connections of the line's ODU.
namespace Performance {
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
