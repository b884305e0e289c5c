#pragma once

// An alarm or error item of the port's insertion (a value of the item parameter) by what it does to the
// signal, found by the name the insertion catalogue (OtnAlarmError) gives the value, so that the tester
// keeps no second table of item values. A value the catalogue does not know does nothing.
class InsertedItem
{
public:
    enum What {
        Nothing,
        // Alarms.
        Los,
        Lof,
        Oof,
        Lom,
        Oom,
        OtuAis,
        Lol,
        SmBdi,
        SmIae,
        SmBiae,
        SmTim,
        OduAis,
        OduOci,
        OduLck,
        PmBdi,
        PmTim,
        Plm,
        Loflom,
        Loomfi,
        Msim,
        OpuCsf,
        TcmBdi,
        TcmIae,
        TcmBiae,
        TcmLtc,
        // Alarms of the container's other categories, which the catalogue does not name: the client
        // signal fail of GFP client management frames, and the frame (LLD-LOF, LLD-OOF) or alignment
        // (LOR) of chosen logical lanes.
        GfpCsf,
        LaneLof,
        LaneOof,
        LaneRecovery,
        // Errors.
        Fas,
        Mfas,
        SmBip8,
        SmBei,
        PmBip8,
        PmBei,
        LineBit,
        PatternBit,
        ClientB1,
        ClientBlock,
        TcmBip8,
        TcmBei
    };

    explicit InsertedItem(int item);

    What what() const { return m_what; }
    // The tandem connection of a TCMi item, 0 for TCM1.
    int tcm() const { return m_tcm; }

private:
    What m_what = Nothing;
    int m_tcm = 0;
};
