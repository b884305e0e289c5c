#include "qcmaparameterenum.h"

QcmaParameterEnum::QcmaParameterEnum(int sid, int value, int minimum, int maximum)
    : QcmaParameterInt(sid, value, minimum, maximum),
      m_active(int(qBound(qint64(0), qint64(maximum) - minimum + 1, qint64(maxValues))), true)
{
}

bool QcmaParameterEnum::isEnumActive(int value) const
{
    const int index = value - minimum();
    return index >= 0 && index < m_active.size() && m_active.at(index);
}

void QcmaParameterEnum::setEnumActive(int value, bool active)
{
    const int index = value - minimum();
    if (index >= 0 && index < m_active.size())
        m_active[index] = active;
}

void QcmaParameterEnum::setAllEnumsActive(bool active)
{
    m_active.fill(active);
}

QVector<int> QcmaParameterEnum::activeEnums() const
{
    QVector<int> values;
    for (int i = 0; i < m_active.size(); ++i) {
        if (m_active.at(i))
            values.append(minimum() + i);
    }
    return values;
}

bool QcmaParameterEnum::accepts(const QcmaParameter &candidate, QString *reason) const
{
    if (!QcmaParameterInt::accepts(candidate, reason))
        return false;
    if (!isEnumActive(candidate.getEnum())) {
        if (reason)
            *reason = QStringLiteral("enumerator %1 is not active").arg(candidate.getEnum());
        return false;
    }
    return true;
}
