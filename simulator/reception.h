#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QVector>

#include "host/otn/otnmapping.h"
#include "transmittedsignal.h"

class ParameterStore;

// What a port's receiver finds while it receives the port's own transmitter (the loop), layer by layer
// from the line inward as the G.798 sink functions find it: the alarms it reports, the error counters it
// runs with the errors each frame of their layer brings, and the frame rate of every ODU level it expects.
// It reads what the transmitter sends now (TransmittedSignal: the setup with what the generator inserts).
// Alarms and counters are grouped by the level whose summary they feed (the logical lanes last).
class Reception
{
public:
    static constexpr int laneGroup = OtnMapping::maxLevels;
    static constexpr int groupCount = OtnMapping::maxLevels + 1;
    // Bits of one ODU frame (4 x 3824 bytes), the block of every BIP-8.
    static constexpr double oduFrameBits = 4 * 3824 * 8;
    // A GFP client at full load: 1518-byte frames with their GFP and idle overhead.
    static constexpr double gfpFrameBytes = 1526;

    // An error counter of the receiver: the ODU level whose frames it counts in (the line's counters
    // count in the frames of level 0), the errors each frame brings, and whether the layer is monitored
    // at all (no counting while it is lost or carries a maintenance signal).
    struct Counter {
        int level = 0;
        double perFrame = 0;
        bool counting = false;
    };

    // What reaches an ODU level: nothing (the receiver has no frame above it), a frame it cannot find in
    // the tributary that should carry it (LOFLOM), ODU-AIS in place of the level (a defect above replaced
    // it), or the level as it was sent.
    enum class Arrival { Nothing, Lost, Ais, Signal };

    Reception(const ParameterStore &store, int port,
              const TransmittedSignal::Insertion &insertion = TransmittedSignal::Insertion());

    const OtnMapping &received() const { return m_rx; }
    // Raised (true) or not, for every alarm the receiver decides.
    const QHash<int, bool> &alarms() const { return m_alarms; }
    const QHash<int, Counter> &counters() const { return m_counters; }
    const QVector<int> &groupIds(int group) const { return m_groupIds[group]; }
    Arrival arrival(int level) const;
    // Whether what level k carries reaches the level below as it was sent: the level arrived, carries no
    // maintenance signal and its receiver replaces nothing (TIM with its action, PLM, MSIM).
    bool passesOn(int level) const;
    // Frames per second of ODU level k of the received structure (0 for a level it does not have).
    double framesPerSecond(int level) const;
    // The FEC decoder counts the line's bit errors (decoding or monitoring), and corrects them.
    bool countsFecErrors() const { return m_fecCounts; }
    bool correctsFecErrors() const { return m_fecCorrects; }

    // Every alarm and error counter a reception decides, whatever the structure.
    static QSet<int> decidedIds();
    // Nominal bit rate of ODU level k of a structure (an ODUflex by the TS count the port gives it).
    static double oduBitRate(const ParameterStore &store, int port, const OtnMapping &mapping, int level);
    // Level k of the structure carries a multiplex in an OPU4, whose multiframe follows the OMFI.
    static bool omfiMultiplex(const OtnMapping &mapping, int level);
    // GFP frames per second of the structure's client (the OPU payload of its last level, full load).
    static double gfpFramesPerSecond(const ParameterStore &store, int port, const OtnMapping &mapping);
    // The logical lanes of the interface carry a logical lane marker (LLM) in FAS byte 6: all but OTL3.4,
    // whose lanes are told apart by the MFAS.
    static bool carriesLaneMarker(int interfaceSignal);

private:
    void alarm(int group, int id, bool raised);
    void counter(int group, int id, int level, double perFrame, bool counting);
    // The line's section (with its logical lanes, 0 for a single-lane interface); what reaches the
    // line's ODU.
    Arrival receiveLine(bool signal, bool sameInterface, int logicalLanes, bool otucn);
    // The lanes, framed one by one, are aligned to each other (the skew taken out) or not; the line's frame
    // is lost with their alignment.
    bool receiveLanes(int logicalLanes, bool framed, bool noFrame);
    // The client the last level carries, sent as the transmitter's structure has it.
    void receiveClient(int lastLevel, const OtnMapping &tx);
    // The most skew between the logical lanes the receiver takes out.
    double skewToleranceSeconds() const;
    void receiveTcms(bool arriving);
    // The level's lower-order ODU is unequipped where the receiver looks for it: the transmitter equips
    // only its own main tributary port, and the receiver follows another.
    bool unequipped(int level) const;
    // A frame or multiframe alignment corrupted for a run of frames of level k is lost: the run lasts
    // long enough (3 ms) for the receiver to declare the loss.
    bool lost(int level, quint64 corruptedFrames) const;
    int intOf(int id) const;
    QByteArray bytesOf(int id) const;
    // The third byte of a transmitted SM, PM or TCM field as it is sent.
    uint sentByte3(int id) const { return uint(m_sent.intOf(id)) & 0xFFu; }
    bool traceMismatch(int detectionId, int expectedSapiId, int expectedDapiId, int sentSapiId, int sentDapiId) const;

    const ParameterStore &m_store;
    int m_port;
    TransmittedSignal m_sent;
    bool m_fecCounts = false;
    bool m_fecCorrects = false;
    OtnMapping m_rx;
    double m_framesPerSecond[OtnMapping::maxLevels] = {};
    Arrival m_arrival[OtnMapping::maxLevels] = {};
    bool m_passesOn[OtnMapping::maxLevels] = {};
    QHash<int, bool> m_alarms;
    QHash<int, Counter> m_counters;
    QVector<int> m_groupIds[groupCount];
};
