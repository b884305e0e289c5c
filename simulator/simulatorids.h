#pragma once

// Parameter ids the simulated tester computes with (OTN group 0x0D0000 unless noted).
namespace SimId {

constexpr int txModule = 11143;
constexpr int rxModule = 12001;

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
constexpr int portMode = 11001;
constexpr int txClockSource = 11002;
constexpr int txLineRate = 11141;
constexpr int rxLineRate = 12018;
constexpr int txFecControl = 11012;
constexpr int rxFecControl = 12010;
constexpr int otuRes = 11021;
constexpr int osmc = 11205;
constexpr int sliceNumber = 11204;
constexpr int rxSlice = 12028;
constexpr int firstLaneMapping = 11145;
constexpr int maxLanes = 20;
constexpr int laneCount = 11165;

constexpr int smTtiSapi = 11016;
constexpr int smTtiDapi = 11017;
constexpr int smTtiOs = 11018;
constexpr int smBits = 11019;
constexpr int gcc0 = 11020;

constexpr int ttiEncoding = 13001;
constexpr int rxTcm = 13002;

constexpr int stimuliLevel = 14001;
constexpr int justificationLevel = 14008;
constexpr int frequencyOffset = 14012;
constexpr int gmpLevel = 14016;
constexpr int stimuliCategory = 14031;
constexpr int lldErrorLanes = 14039;
constexpr int skewBits = 14040;
constexpr int skewNs = 14041;
constexpr int skewLaneType = 14042;
constexpr int skewLogicalLanes = 14043;
constexpr int skewPhysicalLanes = 14045;

constexpr int scanRunning = 16001;
constexpr int scanChannel[3] = {16002, 16003, 16004};
constexpr int scanResult = 7101;
constexpr int capture = 3101;

constexpr int txLevel = 8101;
constexpr int txFrequency = 8102;
constexpr int txOffset = 8103;
constexpr int rxLevelStatus = 8105;
constexpr int rxLevel = 8106;
constexpr int rxFrequency = 8107;
constexpr int rxOffset = 8108;
constexpr int los = 101;

// Group 0x060000: the terminology of a port.
constexpr int terminologyGroup = 0x060000;
constexpr int terminology = 30001;

} // namespace SimId
