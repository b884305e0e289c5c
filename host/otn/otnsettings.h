#pragma once

namespace nsSettings {
namespace Otn {

// Multiplex kinds: the value of the stage-0 mapping parameter (11010/12008); the stage-1 and stage-2
// parameters are converted to these by OtnMapping::convertMux2ToMux and convertMux3ToMux.
enum Multiplex_t {
    MUX_NONE = 0,
    MUX_ODU0_ODU2 = 1,        // ODTU2.1, GMP, 8 x 1.25G TS
    MUX_ODU1_ODU2_PT20 = 2,   // ODTU12, AMP, 4 x 2.5G TS
    MUX_ODU1_ODU2_PT21 = 3,   // ODTU12, AMP, 8 x 1.25G TS (2 per ODU1)
    MUX_ODU0_ODU1 = 4,        // ODTU01, AMP, 2 TS
    MUX_ODU1_ODU3_PT20 = 5,   // ODTU13, AMP, 16 x 2.5G TS
    MUX_ODU1_ODU3_PT21 = 6,   // ODTU13, AMP, 32 x 1.25G TS (2 per ODU1)
    MUX_ODU2_ODU3_PT20 = 7,   // ODTU23, AMP, 16 x 2.5G TS (4 per ODU2)
    MUX_RESERVED_8 = 8,
    MUX_ODU2_ODU3_PT21 = 9,   // ODTU23, AMP, 32 x 1.25G TS (8 per ODU2)
    MUX_ODU2E_ODU3 = 10,      // ODTU3.9, GMP, 9 of 32 TS per ODU2e
    MUX_ODU0_ODU3 = 11,       // ODTU3.1, GMP, 32 TS
    MUX_ODU2E_ODU3E2 = 12,    // ODTU3e2, GMP, 8 of 32 TS per ODU2e
    MUX_ODU2E_ODU3E1 = 13,    // ODTU3e1, AMP, 4 of 16 x 2.5G TS per ODU2e
    MUX_ODU0_ODU4 = 14,       // ODTU4.1, GMP, 80 TS
    MUX_ODU1_ODU4 = 15,       // ODTU4.2, GMP
    MUX_ODU2_ODU4 = 16,       // ODTU4.8, GMP
    MUX_RESERVED_17 = 17,
    MUX_ODU2E_ODU4 = 18,      // ODTU4.8, GMP
    MUX_ODU3_ODU4 = 19,       // ODTU4.31, GMP
    MUX_ODUFLEX_ODU2 = 20,    // ODTU2.ts, GMP
    MUX_ODUFLEX_ODU3 = 21,    // ODTU3.ts, GMP
    MUX_ODUFLEX_ODU4 = 22     // ODTU4.ts, GMP
};

// What the dummy tributary ports of a stage carry (the Dummy CH setting, PID::Otn::TX::TX_COPY).
enum CopyStat {
    COPY_OFF = 0,    // dummy TPs unequipped
    COPY_MAIN = 1    // dummy TPs carry a copy of the main TP (default)
};

} // namespace Otn
} // namespace nsSettings
