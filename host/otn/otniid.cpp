#include "otniid.h"

// Level 0 has no LO-ODU framing counters of its own (the line's LOF, OOF and OOM count there); level 3
// never carries a multiplex, so it has no MSIM. Justification and performance ids run in blocks of ten
// per direction, the line's SM figures at offset 2 and the ODU levels at offsets 3 to 6.
namespace nsIID {
namespace Otn {
namespace Alarm {
const int SUM_ERRALARM[4] = {171, 172, 173, 174};
const int ODU_LOF_LOM[4] = {0, 104, 105, 406};
const int ODU_OOF[4] = {0, 107, 108, 407};
const int ODU_OOM[4] = {0, 111, 112, 408};
const int ODU_AIS[4] = {117, 118, 119, 409};
const int ODU_LCK[4] = {120, 121, 122, 410};
const int ODU_OCI[4] = {123, 124, 125, 411};
const int PM_TIM[4] = {126, 127, 128, 412};
const int PM_BDI[4] = {129, 130, 131, 413};
const int PLM[4] = {162, 163, 164, 414};
const int FSF[4] = {417, 418, 419, 420};
const int FSD[4] = {421, 422, 423, 424};
const int BSF[4] = {425, 426, 427, 428};
const int BSD[4] = {429, 430, 431, 432};
const int MSIM[4] = {165, 166, 415, 0};
const int TCMi_TIM[6] = {132, 133, 134, 135, 136, 137};
const int TCMi_BIAE[6] = {138, 139, 140, 141, 142, 143};
const int TCMi_BDI[6] = {144, 145, 146, 147, 148, 149};
const int TCMi_IAE[6] = {150, 151, 152, 153, 154, 155};
const int TCMi_LTC[6] = {156, 157, 158, 159, 160, 161};
} // namespace Alarm

namespace Error {
const int ODU_FAS[4] = {0, 1102, 1103, 1414};
const int PM_BIP8[4] = {1113, 1114, 1115, 1415};
const int PM_BEI[4] = {1119, 1120, 1121, 1417};
const int CRC8[4] = {1421, 1422, 1423, 1424};
const int CRC5[4] = {1425, 1426, 1427, 1428};
const int TCMi_BIP8[6] = {1122, 1123, 1124, 1125, 1126, 1127};
const int TCMi_BEI[6] = {1128, 1129, 1130, 1131, 1132, 1133};
const int JC[4] = {2407, 2408, 2409, 2410};
const int OMFI[4] = {2411, 2412, 2413, 2414};
} // namespace Error

namespace Mapping {
const int ODU_NAME[4] = {10002, 10003, 10004, 10005};
const int AMP_NAME[4] = {10020, 10021, 10022, 10023};
const int GMP_NAME[4] = {10024, 10025, 10026, 10027};
const int ODU_PER_NAME[4] = {10010, 10011, 10012, 10013};
} // namespace Mapping

namespace Pointer {
const int Offset_AMP[4] = {2200, 2201, 2202, 2203};
const int PJC[4] = {2204, 2205, 2206, 2207};
const int PJC2[4] = {2208, 2209, 2210, 2211};
const int PJC3[4] = {2212, 2213, 2214, 2215};
const int NJC[4] = {2216, 2217, 2218, 2219};
const int NJC2[4] = {2220, 2221, 2222, 2223};
const int Offset_GMP[4] = {2224, 2225, 2226, 2227};
const int Inc0[4] = {2228, 2229, 2230, 2231};
const int Dec0[4] = {2232, 2233, 2234, 2235};
const int Inc1[4] = {2236, 2237, 2238, 2239};
const int Dec1[4] = {2240, 2241, 2242, 2243};
const int Inc2[4] = {2244, 2245, 2246, 2247};
const int Dec2[4] = {2248, 2249, 2250, 2251};
const int IncOver[4] = {2252, 2253, 2254, 2255};
const int DecOver[4] = {2256, 2257, 2258, 2259};
const int CmtMin[4] = {2260, 2261, 2262, 2263};
const int CmtMax[4] = {2264, 2265, 2266, 2267};
} // namespace Pointer

namespace Performance {
const int SES_ODU_NEAREND[4] = {5133, 5134, 5135, 5136};
const int SES_ODU_FAREND[4] = {5143, 5144, 5145, 5146};
const int SES_ODU_BIDIRECTIONAL[4] = {5153, 5154, 5155, 5156};
const int BBE_ODU_NEAREND[4] = {5163, 5164, 5165, 5166};
const int BBE_ODU_FAREND[4] = {5173, 5174, 5175, 5176};
const int BBE_ODU_BIDIRECTIONAL[4] = {5183, 5184, 5185, 5186};
const int UAS_ODU_NEAREND[4] = {5193, 5194, 5195, 5196};
const int UAS_ODU_FAREND[4] = {5203, 5204, 5205, 5206};
const int UAS_ODU_BIDIRECTIONAL[4] = {5213, 5214, 5215, 5216};
const int STAT_ODU_NEAREND[4] = {5223, 5224, 5225, 5226};
const int STAT_ODU_FAREND[4] = {5233, 5234, 5235, 5236};
const int STAT_ODU_BIDIRECTIONAL[4] = {5243, 5244, 5245, 5246};
const int SES_TCMi_NEAREND[6] = {5400, 5401, 5402, 5403, 5404, 5405};
const int SES_TCMi_FAREND[6] = {5410, 5411, 5412, 5413, 5414, 5415};
const int SES_TCMi_BIDIRECTIONAL[6] = {5420, 5421, 5422, 5423, 5424, 5425};
const int BBE_TCMi_NEAREND[6] = {5430, 5431, 5432, 5433, 5434, 5435};
const int BBE_TCMi_FAREND[6] = {5440, 5441, 5442, 5443, 5444, 5445};
const int BBE_TCMi_BIDIRECTIONAL[6] = {5450, 5451, 5452, 5453, 5454, 5455};
const int UAS_TCMi_NEAREND[6] = {5460, 5461, 5462, 5463, 5464, 5465};
const int UAS_TCMi_FAREND[6] = {5470, 5471, 5472, 5473, 5474, 5475};
const int UAS_TCMi_BIDIRECTIONAL[6] = {5480, 5481, 5482, 5483, 5484, 5485};
const int STAT_TCMi_NEAREND[6] = {5490, 5491, 5492, 5493, 5494, 5495};
const int STAT_TCMi_FAREND[6] = {5500, 5501, 5502, 5503, 5504, 5505};
const int STAT_TCMi_BIDIRECTIONAL[6] = {5510, 5511, 5512, 5513, 5514, 5515};
} // namespace Performance
} // namespace Otn
} // namespace nsIID
