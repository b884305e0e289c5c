#include "otnpid.h"

// Ids of the OTN group (0x0D0000). Stage and level tables follow one block per level, so that the
// server's per-level parameters can be told apart by their id alone.
namespace PID {
namespace Otn {
namespace TX {
const int MAIN_TP[3] = {11128, 11132, 11201};
const int MAIN_TS[3] = {11129, 11133, 11202};
const int NUMBER_OF_TS[3] = {11131, 11200, 0};
const int ALLOC[3] = {11130, 11199, 0};
const int MAPPING[5] = {11008, 11009, 11010, 11011, 11166};
const int TX_COPY[3] = {11119, 11120, 11121};
const int OPU_PAYLOAD_TYPE[4] = {11025, 11026, 11027, 11028};
const int ODU_FAS[4] = {11029, 11030, 11031, 11032};
const int ODU_EXP[4] = {11033, 11034, 11035, 11036};
const int ODU_GCC1[4] = {11037, 11038, 11039, 11040};
const int ODU_GCC2[4] = {11041, 11042, 11043, 11044};
const int ODU_RES1[4] = {11045, 11046, 11047, 11048};
const int ODU_RES2[4] = {11049, 11050, 11051, 11052};
const int ODU_APS_FB[4] = {11053, 11054, 11055, 11056};
const int ODU_APS_SB[4] = {11057, 11058, 11059, 11060};
const int ODU_PM_BITS[4] = {11061, 11062, 11063, 11064};
const int ODU_PM_TTI_SAPI[4] = {11065, 11066, 11067, 11068};
const int ODU_PM_TTI_DAPI[4] = {11069, 11070, 11071, 11072};
const int ODU_PM_TTI_OS[4] = {11073, 11074, 11075, 11076};
const int ODU_FTFL_FOI[4] = {11077, 11078, 11079, 11080};
const int ODU_FTFL_FOS[4] = {11081, 11082, 11083, 11084};
const int ODU_FTFL_FFI[4] = {11085, 11086, 11087, 11088};
const int ODU_FTFL_BOI[4] = {11089, 11090, 11091, 11092};
const int ODU_FTFL_BOS[4] = {11093, 11094, 11095, 11096};
const int ODU_FTFL_BFI[4] = {11097, 11098, 11099, 11100};
// Full TTI messages of the TCMs exist on the line level only; lower levels carry one TTI byte each.
const int ODU_TCM_TTI_SAPI[6] = {11101, 11102, 11103, 11104, 11105, 11106};
const int ODU_TCM_TTI_DAPI[6] = {11107, 11108, 11109, 11110, 11111, 11112};
const int ODU_TCM_TTI_OS[6] = {11113, 11114, 11115, 11116, 11117, 11118};
const int ODU_TCM_BITS[4][6] = {
    {11210, 11211, 11212, 11213, 11214, 11215},
    {11216, 11217, 11218, 11219, 11220, 11221},
    {11222, 11223, 11224, 11225, 11226, 11227},
    {11228, 11229, 11230, 11231, 11232, 11233},
};
const int ODU_TCM_TTI_OH[4][6] = {
    {0, 0, 0, 0, 0, 0},
    {11240, 11241, 11242, 11243, 11244, 11245},
    {11246, 11247, 11248, 11249, 11250, 11251},
    {11252, 11253, 11254, 11255, 11256, 11257},
};
const int OVERHEAD_SETUP[3] = {11022, 11023, 11024};
} // namespace TX

namespace RX {
const int MAIN_TP[3] = {12012, 12016, 12024};
const int MAIN_TS[3] = {12013, 12017, 12025};
const int NUMBER_OF_TS[3] = {12014, 12023, 0};
const int MAPPING[5] = {12006, 12007, 12008, 12009, 12022};
const int DET_MODE[3] = {12011, 12015, 12026};
const int TCM_TTI_DETECTION[6] = {13011, 13015, 13019, 13023, 13027, 13031};
const int TCM_EXPECTED_SAPI[6] = {13012, 13016, 13020, 13024, 13028, 13032};
const int TCM_EXPECTED_DAPI[6] = {13013, 13017, 13021, 13025, 13029, 13033};
const int PM_EXPECTED_SAPI[4] = {13008, 13041, 13043, 13045};
const int PM_EXPECTED_DAPI[4] = {13009, 13042, 13044, 13046};
} // namespace RX

namespace MEASUREMENT {
const int MSIM_DETECTION[3] = {13035, 13036, 13039};
const int MSIM_REFERENCE_DATA[3] = {13037, 13038, 13040};
} // namespace MEASUREMENT

namespace STIMULI {
const int PAYLOAD_OFFSET[4] = {14013, 14014, 14015, 14044};
} // namespace STIMULI
} // namespace Otn
} // namespace PID
