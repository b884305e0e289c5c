#pragma once

#include <QString>
#include <QStringList>
#include <QPair>
#include <QVariant>
#include <QVector>

#include "host/otn/otnmapping.h"

class ParameterStore;
class StructureRules;

// A signal and multiplex structure the simulated tester powers on with, named as a tester's user
// knows it. Both directions of every port get the same structure, so that the receiver expects what
// the transmitter sends on the loop, unless the structure's receiver settings say otherwise. The values are given by their names in the mapping catalogue, in
// the order the mapping dialog asks for them; the tester's rules derive the rest (tributary slots and
// ports, payload types, lanes, line rates).
class PowerOnStructure
{
public:
    QString name;               // command line name, "otu4-odu2-odu0"
    QString title;              // "OTU4 > ODU2 > ODU0"
    QString interfaceSignal;    // value names of the mapping parameters
    QString clientSignal;
    QStringList stages;         // stage 0 first; missing stages carry no multiplex
    quint32 flexTsCount = 0;    // TS of the ODUflex, on the stage that carries one
    int moduleType = 0;         // transceiver (OtnModule::Type) the signal needs
    // Receiver settings (parameter id, value) by which the receiver expects something other than what
    // the transmitter sends, so that it reports what it finds; none in a clean loop.
    QVector<QPair<int, QVariant>> receiverSettings;
    // False: the transmitter equips only the main tributary port of each stage (Dummy CH off), so that
    // the other tributaries arrive unequipped.
    bool dummyCopies = true;

    // Every structure, the default first.
    static const QVector<PowerOnStructure> &all();
    static const PowerOnStructure *find(const QString &name);
    static const PowerOnStructure &defaultStructure();

    // The mapping record of the names; problem says which name is unknown.
    OtnMapping mapping(QString *problem = nullptr) const;
    // Whether the structure's interface needs a transceiver with several physical lanes.
    bool needsMultiLaneModule() const;

    // Sets the structure on both directions of the port, field by field as the mapping dialog would,
    // letting the rules follow each step. False, with the reason, when the tester ends up elsewhere.
    bool applyTo(ParameterStore &store, StructureRules &rules, int port, QString *problem) const;
};
