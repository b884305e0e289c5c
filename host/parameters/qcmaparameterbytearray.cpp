#include "qcmaparameterbytearray.h"

bool QcmaParameterByteArray::setValue(const QVariant &value)
{
    if (!value.canConvert<QByteArray>())
        return false;
    m_value = value.toByteArray();
    return true;
}

bool QcmaParameterByteArray::accepts(const QcmaParameter &candidate, QString *reason) const
{
    if (!QcmaParameter::accepts(candidate, reason))
        return false;
    const int length = candidate.getByteArray().size();
    if (m_fixedLength > 0 && length != m_fixedLength) {
        if (reason)
            *reason = QStringLiteral("byte length %1, expected %2").arg(length).arg(m_fixedLength);
        return false;
    }
    return true;
}
