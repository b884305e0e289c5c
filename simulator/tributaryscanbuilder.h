#pragma once

#include <QVector>

class ParameterStore;

// The result words of a port's tributary scan: the receiver walks its configured structure while the
// port's own transmitter feeds it. Word 0 is the line, 1-80 the first level's tributaries, 81-82 the
// tributaries below the chosen first-level one. A tributary the transmitter does not carry as the
// receiver expects shows the alarms a tester would see there.
class TributaryScanBuilder
{
public:
    // Alarm bits of a result word.
    static constexpr quint32 lof = 0x4000;
    static constexpr quint32 oof = 0x2000;
    static constexpr quint32 loflom = 0x0080;
    static constexpr quint32 oduOci = 0x0020;
    static constexpr quint32 msim = 0x0004;
    static constexpr int wordCount = 83;

    static QVector<quint32> words(const ParameterStore &store, int port);
};
