// The tributary scan's result words read against any received structure.
#include "fuzzinput.h"

#include "client/otn/interface_setup_status/pages/status/tributaryscan/otntscanlevels.h"
#include "host/otn/otnmapping.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    OtnMapping mapping;
    for (int field = 0; field < 5; ++field)
        mapping.setValue(field, qint8(in.byte()));
    for (int level = -1; level <= OtnTScanLevels::levelCount; ++level) {
        const int channels = OtnTScanLevels::channelCount(mapping, level);
        FUZZ_CHECK(channels >= 0);
        if (level >= 0 && level < OtnTScanLevels::levelCount)
            FUZZ_CHECK(channels <= OtnTScanLevels::maxChannels[level]);
        OtnTScanLevels::levelAvailable(mapping, level);
    }
    while (!in.atEnd()) {
        const quint32 word = in.word();
        const QStringList names = OtnTScanLevels::alarmNames(word);
        FUZZ_CHECK(word != 0 || names.isEmpty());
        FUZZ_CHECK(names.size() <= 32);
    }
    return 0;
}
