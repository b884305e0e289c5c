#include "qcmaparametermap.h"

#include <algorithm>

QcmaParameterMap::QcmaParameterMap(const QcmaParameterMap &other)
{
    *this = other;
}

QcmaParameterMap &QcmaParameterMap::operator=(const QcmaParameterMap &other)
{
    if (this == &other)
        return *this;
    clear();
    for (const auto &value : other.m_values)
        m_values.push_back(value->clone());
    return *this;
}

void QcmaParameterMap::AddParameter(const QcmaParameter *parameter)
{
    if (!parameter)
        return;
    // Copied first: the value given may be the one held.
    std::unique_ptr<QcmaParameter> copy = parameter->clone();
    const int sid = copy->getSID();
    m_values.erase(std::remove_if(m_values.begin(), m_values.end(),
                                  [sid](const std::unique_ptr<QcmaParameter> &held) { return held->getSID() == sid; }),
                   m_values.end());
    m_values.push_back(std::move(copy));
}

QList<const QcmaParameter *> QcmaParameterMap::parameters() const
{
    QList<const QcmaParameter *> list;
    for (const auto &value : m_values)
        list.append(value.get());
    return list;
}

const QcmaParameter *QcmaParameterMap::find(int sid) const
{
    const auto it = std::find_if(m_values.begin(), m_values.end(),
                                 [sid](const std::unique_ptr<QcmaParameter> &held) { return held->getSID() == sid; });
    return it == m_values.end() ? nullptr : it->get();
}
