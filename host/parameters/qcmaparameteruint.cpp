#include "qcmaparameteruint.h"

bool QcmaParameterUInt::setValue(const QVariant &value)
{
    return convertInto(value, &QVariant::toUInt, m_value);
}

bool QcmaParameterUInt::accepts(const QcmaParameter &candidate, QString *reason) const
{
    return QcmaParameter::accepts(candidate, reason) && withinRange(candidate.getUInt(), m_minimum, m_maximum, reason);
}
