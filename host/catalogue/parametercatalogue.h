#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "parameterdefinition.h"

// Every parameter the server knows, as the server describes them (loaded from JSON).
class ZELCORE_EXPORT ParameterCatalogue
{
public:
    // Reads a JSON document {"parameters": [...]}; problems are appended to errors.
    bool loadJson(const QByteArray &json, QStringList *errors);
    bool loadFile(const QString &path, QStringList *errors);
    // The document loadJson reads back into the same catalogue, definitions in their order.
    QByteArray toJson() const;

    const ParameterDefinition *find(int group, int id) const;
    const ParameterDefinition *findBySid(int sid) const;
    QList<const ParameterDefinition *> all() const;
    int count() const { return m_definitions.size(); }

private:
    static quint32 key(int group, int id) { return quint32(group) | quint32(id & 0xFFFF); }
    QHash<quint32, ParameterDefinition> m_definitions;
    QList<quint32> m_order;
};
