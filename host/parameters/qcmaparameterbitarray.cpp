#include "qcmaparameterbitarray.h"

bool QcmaParameterBitArray::setValue(const QVariant &value)
{
    if (!value.canConvert<QBitArray>())
        return false;
    m_value = value.toBitArray();
    return true;
}

bool QcmaParameterBitArray::accepts(const QcmaParameter &candidate, QString *reason) const
{
    if (!QcmaParameter::accepts(candidate, reason))
        return false;
    if (candidate.getBitArray().size() != m_value.size()) {
        if (reason)
            *reason = QStringLiteral("bit count %1, expected %2").arg(candidate.getBitArray().size()).arg(m_value.size());
        return false;
    }
    return true;
}
