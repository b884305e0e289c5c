#pragma once

#include <QVector>

#include "transmittedsignal.h"

class ParameterStore;

// The result words of a port's tributary scan: the receiver walks its configured structure while the
// port's own transmitter feeds it. Word 0 is the line, 1-80 the first level's tributaries, 81-82 the
// tributaries below the chosen first-level one. A tributary the transmitter does not carry as the
// receiver expects shows the alarms a tester would see there; the tributaries the receiver itself
// follows (its main TP of each stage) show the alarms it raises there as well.
class TributaryScanBuilder
{
public:
    // Alarm bits of a result word.
    static constexpr quint32 otuAis = 0x8000;
    static constexpr quint32 lof = 0x4000;
    static constexpr quint32 oof = 0x2000;
    static constexpr quint32 lom = 0x1000;
    static constexpr quint32 oom = 0x0800;
    static constexpr quint32 smBiae = 0x0400;
    static constexpr quint32 smBdi = 0x0200;
    static constexpr quint32 smIae = 0x0100;
    static constexpr quint32 loflom = 0x0080;
    static constexpr quint32 oduAis = 0x0040;
    static constexpr quint32 oduOci = 0x0020;
    static constexpr quint32 oduLck = 0x0010;
    static constexpr quint32 pmBdi = 0x0008;
    static constexpr quint32 msim = 0x0004;
    static constexpr int wordCount = 83;

    static QVector<quint32> words(const ParameterStore &store, int port,
                                  const TransmittedSignal::Insertion &insertion = TransmittedSignal::Insertion());
    // The bits of the alarms current on the line, and on ODU level k of the received structure.
    static quint32 lineAlarms(const ParameterStore &store, int port);
    static quint32 oduAlarms(const ParameterStore &store, int port, int level);
};
