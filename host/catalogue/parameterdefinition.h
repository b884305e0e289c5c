#pragma once

#include <memory>

#include <QJsonObject>
#include <QString>
#include <QVariant>
#include <QVector>

#include "host/hostexport.h"

class QcmaParameter;

// How the server describes one parameter: kind, range, enumerators with their names, default.
class ZELCORE_EXPORT ParameterDefinition
{
public:
    struct Enumerator {
        int value = 0;
        QString names[3];   // by terminology 0 (neutral), 1 (SDH), 2 (SONET); empty = use names[0]
        bool active = true;
    };

    int id = 0;
    int group = 0;
    int kind = 0;           // QcmaParameter::Type
    QString name;
    QString unit;
    bool global = false;    // true: no port (port 127)
    bool definedByDefault = true;
    QVariant defaultValue;
    double minimum = 0;
    double maximum = 0;
    int decimals = 0;
    int length = 0;         // byte arrays: fixed length (0 = free); bit arrays: bit count
    int customHelperKind = 0;   // a widget only the technology makes on customised screens (0 = none)
    QVector<Enumerator> enumerators;

    static ParameterDefinition fromJson(const QJsonObject &object, QString *error);
    // The object fromJson reads back into the same definition.
    QJsonObject toJson() const;

    // A new parameter of this definition holding its default value (null for an unknown kind).
    std::unique_ptr<QcmaParameter> createParameter(int sid) const;
    QString valueName(int value, int terminology) const;
    // Whether a value the server sends fits this description: the same kind, a finite decimal within
    // its range, an enumerator of the list. Integer ranges and array lengths follow the configuration. An undefined value always fits.
    bool admits(const QcmaParameter &value, QString *reason) const;
    const Enumerator *enumerator(int value) const;
};
