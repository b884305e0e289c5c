#include "qcmaparameterdouble.h"

bool QcmaParameterDouble::setValue(const QVariant &value)
{
    bool ok = false;
    const double v = value.toDouble(&ok);
    if (ok)
        m_value = v;
    return ok;
}

bool QcmaParameterDouble::accepts(const QcmaParameter &candidate, QString *reason) const
{
    if (!QcmaParameter::accepts(candidate, reason))
        return false;
    const double v = candidate.getDouble();
    if (v < m_minimum || v > m_maximum) {
        if (reason)
            *reason = QStringLiteral("value %1 outside %2..%3").arg(v).arg(m_minimum).arg(m_maximum);
        return false;
    }
    return true;
}
