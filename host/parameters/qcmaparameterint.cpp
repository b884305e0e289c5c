#include "qcmaparameterint.h"

bool QcmaParameterInt::setValue(const QVariant &value)
{
    return convertInto(value, &QVariant::toInt, m_value);
}

bool QcmaParameterInt::accepts(const QcmaParameter &candidate, QString *reason) const
{
    return QcmaParameter::accepts(candidate, reason) && withinRange(candidate.getInt(), m_minimum, m_maximum, reason);
}
