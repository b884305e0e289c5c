#pragma once

// The transceivers a test port can hold, in the value order of the Tx module parameter, which is also
// the module type the server reports for a port, and which of them carry several physical lanes: only
// those offer the lane interfaces, the lane skew stimuli and a power value per lane.
namespace OtnModule {

enum Type { Sfp = 0, QsfpPlus = 1, Cfp = 2, Cfp2 = 3, Cfp4 = 4, Qsfp28Adapter = 5, Cxp = 6, Qsfp28 = 7 };
constexpr int typeCount = 8;

constexpr bool isMultiLane(int type)
{
    return type == Cfp2 || type == Cfp4 || type == Cxp;
}

// The value of the Rx module parameter that names the same transceiver (0 there is "OFF"); -1 for a
// type that names none.
constexpr int rxValueOf(int type)
{
    constexpr int rxValues[typeCount] = {1, 2, 3, 5, 7, 6, 4, 8};
    return type >= 0 && type < typeCount ? rxValues[type] : -1;
}

constexpr bool isMultiLaneRxValue(int value)
{
    for (int type = 0; type < typeCount; ++type) {
        if (rxValueOf(type) == value)
            return isMultiLane(type);
    }
    return false;
}

} // namespace OtnModule
