#pragma once

#include <QList>
#include <QMap>

#include "qcmaparameter.h"

// Pending parameter values keyed by SID, each held as an owned copy; the newest value of a SID wins.
class ZELCORE_EXPORT QcmaParameterMap
{
public:
    QcmaParameterMap() = default;
    QcmaParameterMap(const QcmaParameterMap &other);
    QcmaParameterMap &operator=(const QcmaParameterMap &other);
    ~QcmaParameterMap();

    void AddParameter(const QcmaParameter *parameter);
    // Appends a copy of every held value (in SID order) to list; the caller owns them.
    void AddToParameterList(QList<QcmaParameter *> &list) const;

    const QcmaParameter *find(int sid) const;
    bool isEmpty() const { return m_values.isEmpty(); }
    int count() const { return m_values.size(); }
    void clear();

private:
    QMap<int, QcmaParameter *> m_values;
};
