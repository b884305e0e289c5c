#pragma once

#include "host/hostexport.h"

// Parameter ids of the OTN group, per multiplex stage or ODU level (index 0 = highest order).
// An entry of 0 means the stage or level has no such parameter.
namespace PID {
namespace Otn {
namespace TX {
// The line's section monitoring: TTI SAPI (16 bytes), DAPI (16), operator specific (32), third byte.
constexpr int OTU_SM_TTI_SAPI = 11016;
constexpr int OTU_SM_TTI_DAPI = 11017;
constexpr int OTU_SM_TTI_OS = 11018;
constexpr int OTU_SM_BITS = 11019;
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
} // namespace TX
namespace RX {
ZELOTNMODEL_EXPORT extern const int MAIN_TP[3];
ZELOTNMODEL_EXPORT extern const int MAIN_TS[3];
ZELOTNMODEL_EXPORT extern const int NUMBER_OF_TS[3];
ZELOTNMODEL_EXPORT extern const int MAPPING[5];
ZELOTNMODEL_EXPORT extern const int DET_MODE[3];
} // namespace RX
namespace MEASUREMENT {
ZELOTNMODEL_EXPORT extern const int MSIM_DETECTION[3];
ZELOTNMODEL_EXPORT extern const int MSIM_REFERENCE_DATA[3];
} // namespace MEASUREMENT
} // namespace Otn
} // namespace PID
