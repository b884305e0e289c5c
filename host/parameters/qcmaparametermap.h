#pragma once

#include <map>
#include <memory>

#include <QList>

#include "qcmaparameter.h"

// Pending parameter values keyed by SID, each held as an owned copy; the newest value of a SID wins.
class ZELCORE_EXPORT QcmaParameterMap
{
public:
    QcmaParameterMap() = default;
    QcmaParameterMap(const QcmaParameterMap &other);
    QcmaParameterMap &operator=(const QcmaParameterMap &other);
    QcmaParameterMap(QcmaParameterMap &&other) noexcept = default;
    QcmaParameterMap &operator=(QcmaParameterMap &&other) noexcept = default;
    ~QcmaParameterMap() = default;

    void AddParameter(const QcmaParameter *parameter);
    // Every held value in SID order, still owned by the map: one batch for the server.
    QList<const QcmaParameter *> parameters() const;

    const QcmaParameter *find(int sid) const;
    bool isEmpty() const { return m_values.empty(); }
    int count() const { return int(m_values.size()); }
    void clear() { m_values.clear(); }

private:
    std::map<int, std::unique_ptr<QcmaParameter>> m_values;
};
