#include "qcmaparametermap.h"

QcmaParameterMap::QcmaParameterMap(const QcmaParameterMap &other)
{
    *this = other;
}

QcmaParameterMap &QcmaParameterMap::operator=(const QcmaParameterMap &other)
{
    if (this == &other)
        return *this;
    clear();
    for (const auto &entry : other.m_values)
        m_values.emplace(entry.first, entry.second->clone());
    return *this;
}

void QcmaParameterMap::AddParameter(const QcmaParameter *parameter)
{
    if (parameter)
        m_values[parameter->getSID()] = parameter->clone();
}

QList<const QcmaParameter *> QcmaParameterMap::parameters() const
{
    QList<const QcmaParameter *> list;
    for (const auto &entry : m_values)
        list.append(entry.second.get());
    return list;
}

const QcmaParameter *QcmaParameterMap::find(int sid) const
{
    const auto it = m_values.find(sid);
    return it == m_values.end() ? nullptr : it->second.get();
}
