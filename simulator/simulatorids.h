#pragma once

// Parameter ids only the simulated tester computes with (OTN group); the ids the screens share with it
// are in host/otn/otnpid.h.
namespace SimId {

// Transceivers in the value order of the Tx module parameter.
enum TxModuleType {
    ModuleSfp = 0,
    ModuleQsfpPlus = 1,
    ModuleCfp = 2,
    ModuleCfp2 = 3,
    ModuleCfp4 = 4,
    ModuleQsfp28Adapter = 5,
    ModuleCxp = 6,
    ModuleQsfp28 = 7
};
constexpr int txModuleCount = 8;
// The same transceivers in the value order of the Rx module parameter (0 there is "OFF").
constexpr int rxModuleOfTx[txModuleCount] = {1, 2, 3, 5, 7, 6, 4, 8};

// Only transceivers with several physical lanes carry the lane interfaces.
constexpr bool isMultiLaneTxModule(int module)
{
    return module == ModuleCfp2 || module == ModuleCfp4 || module == ModuleCxp;
}
constexpr bool isMultiLaneRxModule(int module)
{
    return module == rxModuleOfTx[ModuleCfp2] || module == rxModuleOfTx[ModuleCfp4]
           || module == rxModuleOfTx[ModuleCxp];
}

constexpr int maxLanes = 20; // lane mapping parameters that follow PID::Otn::TX::FIRST_LANE_MAPPING

// Whether a trace mismatch of the section (SM) and of the ODU paths (PM) has its consequent actions:
// ODU-AIS in place of what the layer carries (0 off, 1 on, the default).
constexpr int smTimAction = 13047;
constexpr int pmTimAction = 13048;

constexpr int stimuliLevel = 14001;
constexpr int justificationLevel = 14008;
constexpr int gmpLevel = 14016;
constexpr int stimuliCategory = 14031;
constexpr int lldErrorLanes = 14039;
constexpr int skewBits = 14040;
constexpr int skewNs = 14041;
constexpr int skewLaneType = 14042;
constexpr int skewLogicalLanes = 14043;
constexpr int skewPhysicalLanes = 14045;

} // namespace SimId
