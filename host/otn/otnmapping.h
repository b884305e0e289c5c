#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include "host/hostexport.h"

// The host's record of one direction's OTN signal and multiplex structure.
// Fields: 0 interface signal (11008/12006), 1 client signal (11009/12007), 2-4 the multiplexing of
// stages 0-2 (11010, 11011, 11166 / 12008, 12009, 12022; 0 = no multiplexing, also when undefined).
// Level 0 is the line's ODU (shown under its OTU name); stage s sits between levels s and s + 1.
class ZELOTNMODEL_EXPORT OtnMapping
{
public:
    enum Field { FieldInterface = 0, FieldClient = 1, FieldStage0 = 2, FieldStage1 = 3, FieldStage2 = 4 };
    static constexpr int fieldCount = 5;
    static constexpr int maxStages = 3;
    static constexpr int maxLevels = 4;

    OtnMapping() { init(); }
    OtnMapping(int interfaceSignal, int clientSignal, int stage0, int stage1, int stage2);

    // Back to the neutral record: every field 0.
    void init();

    int operator[](int field) const { return value(field); }
    int value(int field) const { return (field >= 0 && field < fieldCount) ? m_fields[field] : 0; }
    void setValue(int field, int value);

    // The fields form a structure the tester can generate (interface, client and stages fit together).
    bool isValid() const;

    // ODU levels: 1 + the number of multiplexing stages present.
    int getOduCount() const;
    QString getOduName(int level) const;     // "ODU2", "ODU1", "ODU0", "ODUflex", "ODU2e", "ODUC1", ...
    QStringList getOduNames() const;
    QString getHoOduName() const;            // level 0
    QString getLoOduName() const;            // the last level, which carries the client

    bool hasOdtu(int stage) const;           // stage 0-2 present
    bool hasExtendedOpu(int level) const;    // level's OPU is an extended OPU2 (GFP into Ext. OPU2)
    bool hasOduFlex(int stage) const;        // the stage's lower-order ODU is an ODUflex
    bool isGfp() const;
    bool isGfpF() const;
    bool isGfpT() const;
    bool isFcGfp() const;                    // Fibre Channel client through GFP
    bool isGmp(int level) const;             // level's OPU payload is GMP-mapped
    bool isAmp(int level) const;             // level's OPU payload is AMP-mapped
    bool isOTLC() const;                     // interface is an OTUCn lane interface

    // Logical lanes of an interface signal value (0 when the interface is not multi-lane).
    static int numOfLldLane(int interfaceSignal);

    // The multiplex kind (nsSettings::Otn::Multiplex_t) of every present stage, stage 0 first.
    QVector<int> convertMultiplexes() const;
    // Stage-1 and stage-2 parameter values to the multiplex kind (stage-0 values are kinds already).
    static int convertMux2ToMux(int stage1Value);
    static int convertMux3ToMux(int stage2Value);

    // Payload type (PSI[0]) of each level's OPU, level 0 first.
    QList<quint8> getPayloadTypes() const;

    bool operator==(const OtnMapping &other) const;
    bool operator!=(const OtnMapping &other) const { return !(*this == other); }

private:
    int m_fields[fieldCount];
};
