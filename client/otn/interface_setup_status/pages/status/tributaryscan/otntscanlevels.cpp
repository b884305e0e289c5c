#include "otntscanlevels.h"

#include "host/otn/otnmapping.h"

namespace {

constexpr struct {
    quint32 mask;
    const char *name;
} alarmBits[] = {
    {0x8000, "OTU-AIS"}, {0x4000, "LOF"},    {0x2000, "OOF"},     {0x1000, "LOM"},
    {0x0800, "OOM"},     {0x0400, "SM-BIAE"}, {0x0200, "SM-BDI"},  {0x0100, "SM-IAE"},
    {0x0080, "LOFLOM"},  {0x0040, "ODU-AIS"}, {0x0020, "ODU-OCI"}, {0x0010, "ODU-LCK"},
    {0x0008, "PM-BDI"},  {0x0004, "MSIM"},
};

// Stage-0 multiplexing values whose lower-order ODU is an ODUflex.
bool isFlexStage(int stage0Value)
{
    return stage0Value == 20 || stage0Value == 21 || stage0Value == 22;
}

// Tributaries of the first level by the stage-0 multiplexing (12008).
int firstLevelChannels(int stage0Value)
{
    switch (stage0Value) {
    case 1:
        return 8;
    case 2:
    case 3:
    case 7:
    case 9:
    case 12:
    case 13:
        return 4;
    case 4:
    case 19:
        return 2;
    case 5:
    case 6:
        return 16;
    case 11:
        return 32;
    case 14:
        return 80;
    case 15:
        return 40;
    case 16:
    case 18:
        return 10;
    default:
        return 0;
    }
}

} // namespace

int OtnTScanLevels::channelCount(const OtnMapping &mapping, int level)
{
    switch (level) {
    case 0:
        return 1;
    case 1:
        return firstLevelChannels(mapping[OtnMapping::FieldStage0]);
    case 2:
        // Only an ODU1 that carries ODU0s (ODTU01) is walked below the first level.
        return mapping[OtnMapping::FieldStage1] == 1 ? 2 : 0;
    default:
        return 0;
    }
}

bool OtnTScanLevels::levelAvailable(const OtnMapping &mapping, int level)
{
    if (level == 0)
        return true;
    if (level < 0 || level >= levelCount || isFlexStage(mapping[OtnMapping::FieldStage0]))
        return false;
    return mapping.hasOdtu(level - 1);
}

QStringList OtnTScanLevels::alarmNames(quint32 word)
{
    QStringList names;
    for (const auto &bit : alarmBits) {
        if (word & bit.mask)
            names.append(QString::fromLatin1(bit.name));
    }
    return names;
}
