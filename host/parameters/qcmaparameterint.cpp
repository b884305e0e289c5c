#include "qcmaparameterint.h"

bool QcmaParameterInt::setValue(const QVariant &value)
{
    bool ok = false;
    const int v = value.toInt(&ok);
    if (ok)
        m_value = v;
    return ok;
}

bool QcmaParameterInt::accepts(const QcmaParameter &candidate, QString *reason) const
{
    if (!QcmaParameter::accepts(candidate, reason))
        return false;
    const int v = candidate.getInt();
    if (v < m_minimum || v > m_maximum) {
        if (reason)
            *reason = QStringLiteral("value %1 outside %2..%3").arg(v).arg(m_minimum).arg(m_maximum);
        return false;
    }
    return true;
}
