#include "qcmaparameter.h"

QcmaParameter::~QcmaParameter() = default;

bool QcmaParameter::accepts(const QcmaParameter &candidate, QString *reason) const
{
    if (candidate.getType() != getType()) {
        if (reason)
            *reason = QStringLiteral("wrong parameter type %1 (expected %2)").arg(candidate.getType()).arg(getType());
        return false;
    }
    return true;
}

bool QcmaParameter::sameValue(const QcmaParameter &other) const
{
    return other.getType() == getType() && other.isDefined() == isDefined() && other.toVariant() == toVariant();
}

QString QcmaParameter::describe() const
{
    return QStringLiteral("sid=0x%1 type=%2 %3")
        .arg(uint(m_sid), 8, 16, QLatin1Char('0'))
        .arg(getType())
        .arg(isDefined() ? toVariant().toString() : QStringLiteral("(undefined)"));
}
