#pragma once

#include <memory>
#include <vector>

#include <QList>

#include "qcmaparameter.h"

// Pending parameter values, one per SID, each held as an owned copy, in the order they were added: a batch
// goes to the server in the order its values were set. A newer value of a SID replaces the older one and
// takes its place at the end.
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
    // Every held value in the order added, still owned by the map: one batch for the server.
    QList<const QcmaParameter *> parameters() const;

    const QcmaParameter *find(int sid) const;
    bool isEmpty() const { return m_values.empty(); }
    int count() const { return int(m_values.size()); }
    void clear() { m_values.clear(); }

private:
    std::vector<std::unique_ptr<QcmaParameter>> m_values;
};
