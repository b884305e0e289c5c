#pragma once

#include <QStringList>

#include "client/otn/otnexport.h"

class OtnMapping;

// What the tributary scan shows of a received structure: the channels of each level, the levels the
// scan can reach, and the alarm names a result word stands for.
namespace OtnTScanLevels {

constexpr int levelCount = 3;
// Buttons made per level: the line, the first level's tributaries, those below one of them.
constexpr int maxChannels[levelCount] = {1, 80, 2};

// Channels of the level in the structure (level 0 always 1); 0 when the level has none.
ZELOTN_EXPORT int channelCount(const OtnMapping &mapping, int level);
// Whether the scan reaches the level: the line always, the others when the stage above multiplexes
// fixed tributaries (an ODUflex stage has none to walk).
ZELOTN_EXPORT bool levelAvailable(const OtnMapping &mapping, int level);
// The names of the alarm bits set in a result word, in the order the tester lists them.
ZELOTN_EXPORT QStringList alarmNames(quint32 word);

} // namespace OtnTScanLevels
