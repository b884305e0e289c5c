#include "parametercatalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include "apps/shared/sid.h"
#include "strictjson.h"

bool ParameterCatalogue::loadJson(const QByteArray &json, QStringList *errors)
{
    QString parseError;
    const QJsonDocument doc = StrictJson::parse(json, &parseError);
    if (doc.isNull()) {
        if (errors)
            errors->append(parseError);
        return false;
    }
    bool ok = true;
    const QJsonArray parameters = doc.object().value(QStringLiteral("parameters")).toArray();
    for (const QJsonValue &v : parameters) {
        QString error;
        const ParameterDefinition d = ParameterDefinition::fromJson(v.toObject(), &error);
        const quint32 k = key(d.group, d.id);
        if (error.isEmpty() && m_definitions.contains(k))
            error = QStringLiteral("parameter %1 of group 0x%2 defined twice").arg(d.id).arg(d.group, 0, 16);
        if (!error.isEmpty()) {
            ok = false;
            if (errors)
                errors->append(error);
            continue;
        }
        m_definitions.insert(k, d);
        m_order.append(k);
    }
    return ok;
}

bool ParameterCatalogue::loadFile(const QString &path, QStringList *errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errors)
            errors->append(QStringLiteral("cannot open %1").arg(path));
        return false;
    }
    return loadJson(file.readAll(), errors);
}

QByteArray ParameterCatalogue::toJson() const
{
    QJsonArray parameters;
    for (quint32 k : m_order)
        parameters.append(m_definitions.value(k).toJson());
    return QJsonDocument(QJsonObject{{QStringLiteral("parameters"), parameters}}).toJson(QJsonDocument::Compact);
}

const ParameterDefinition *ParameterCatalogue::find(int group, int id) const
{
    const auto it = m_definitions.constFind(key(group, id));
    return it == m_definitions.constEnd() ? nullptr : &it.value();
}

const ParameterDefinition *ParameterCatalogue::findBySid(int sid) const
{
    return find(nsSID::groupOf(sid), nsSID::idOf(sid));
}

QList<const ParameterDefinition *> ParameterCatalogue::all() const
{
    QList<const ParameterDefinition *> list;
    for (quint32 k : m_order)
        list.append(&m_definitions.find(k).value());
    return list;
}
