#include "qcmaparameterdouble.h"

bool QcmaParameterDouble::setValue(const QVariant &value)
{
    return convertInto(value, &QVariant::toDouble, m_value);
}

bool QcmaParameterDouble::accepts(const QcmaParameter &candidate, QString *reason) const
{
    return QcmaParameter::accepts(candidate, reason) && withinRange(candidate.getDouble(), m_minimum, m_maximum, reason);
}
