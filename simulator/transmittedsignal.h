#pragma once

#include <limits>

#include <QByteArray>

#include "inserteditem.h"

class ParameterStore;

// What a port's transmitter sends now: its setup as the user set it, with what the port's generator
// inserts in place of it (the overhead bits, traces and payload type it sends otherwise, the light, the
// frame and multiframe alignment it corrupts). The receiver of the loop reads the sent signal here, never
// the setup directly, so that it finds an inserted alarm the way it finds one the setup sends.
class TransmittedSignal
{
public:
    // An alarm the generator inserts (what it does, the TCM of a TCMi item) on an ODU level or on chosen
    // logical lanes (bit j: lane j), for a run of frames of its layer in a row (endless: until stopped).
    struct Insertion {
        static constexpr quint64 endless = std::numeric_limits<quint64>::max();
        InsertedItem::What what = InsertedItem::Nothing;
        int tcm = 0;
        int level = 0;
        quint64 frames = endless;
        quint32 lanes = 0;

        bool operator==(const Insertion &other) const
        {
            return what == other.what && tcm == other.tcm && level == other.level && frames == other.frames
                   && lanes == other.lanes;
        }
        bool operator!=(const Insertion &other) const { return !(*this == other); }
    };

    TransmittedSignal(const ParameterStore &store, int port, const Insertion &insertion);

    // A transmitter parameter as it is sent (0 / empty when the port has none).
    int intOf(int id) const;
    QByteArray bytesOf(int id) const;
    // The laser is on and the port sends.
    bool light() const;
    // OTU-AIS of an OTUk: the generic AIS sequence in place of the frame.
    bool genericAis() const;
    // The logical lanes of a multi-lane interface carry their lane alignment as built.
    bool lanesAligned() const;
    // Lane frames in a row whose frame alignment the chosen logical lanes send corrupted: 0 none, endless
    // until stopped.
    quint64 corruptedLaneAlignment() const;
    // The time by which the transmitter delays some of its lanes behind the others (0 when it delays none
    // or all of them alike).
    double laneSkewSeconds() const;
    // Frames in a row whose frame alignment (FAS) or multiframe alignment (MFAS) ODU level k sends
    // corrupted: 0 none, endless until stopped.
    quint64 corruptedFrameAlignment(int level) const;
    quint64 corruptedMultiframeAlignment(int level) const;
    // The OPU4 of level k sends its multiframe indicator (OMFI) out of its 0-79 sequence.
    bool omfiOutOfSequence(int level) const;
    // The multiplex structure identifier level k sends is not the one of the multiplex it carries.
    bool msiMisstated(int level) const;
    // The client's OPU signals client signal fail (PSI[2] bit 1).
    bool clientSignalFail() const;
    // GFP client management frames signal client signal fail.
    bool gfpClientSignalFail() const;

private:
    bool inserts(InsertedItem::What what, int level) const;
    bool insertsOnAnyLevel(InsertedItem::What what) const;
    bool otucn() const;

    const ParameterStore &m_store;
    int m_port;
    Insertion m_insertion;
};
