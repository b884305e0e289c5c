// A customised-screen file as a user may hand it over: any bytes open as a whole screen or are refused
// with a reason, leaving the screen they were read into as it was; a screen taken saves and reads back equal.
#include "fuzzinput.h"

#include "customscreen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CustomScreen screen;
    screen.name = QStringLiteral("before");
    screen.sids = {1, 2};
    QString error;
    if (!CustomScreen::fromJson(QByteArray(reinterpret_cast<const char *>(data), int(size)), &screen, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        FUZZ_CHECK(screen.name == QLatin1String("before") && screen.sids == QList<int>({1, 2}));
        return 0;
    }
    CustomScreen again;
    FUZZ_CHECK(CustomScreen::fromJson(screen.toJson(), &again, &error));
    FUZZ_CHECK(again.name == screen.name && again.sids == screen.sids);
    return 0;
}
