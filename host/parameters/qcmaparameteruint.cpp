#include "qcmaparameteruint.h"

bool QcmaParameterUInt::setValue(const QVariant &value)
{
    bool ok = false;
    const uint v = value.toUInt(&ok);
    if (ok)
        m_value = v;
    return ok;
}

bool QcmaParameterUInt::accepts(const QcmaParameter &candidate, QString *reason) const
{
    if (!QcmaParameter::accepts(candidate, reason))
        return false;
    const uint v = candidate.getUInt();
    if (v < m_minimum || v > m_maximum) {
        if (reason)
            *reason = QStringLiteral("value %1 outside %2..%3").arg(v).arg(m_minimum).arg(m_maximum);
        return false;
    }
    return true;
}
