#pragma once

#include "qcmaparameter.h"

// Byte-array parameter. A non-zero fixed length makes every other length invalid.
class ZELCORE_EXPORT QcmaParameterByteArray : public QcmaParameter
{
public:
    explicit QcmaParameterByteArray(int sid = 0, const QByteArray &value = {}, int fixedLength = 0)
        : QcmaParameter(sid), m_value(value), m_fixedLength(fixedLength) {}

    int getType() const override { return TypeByteArray; }
    QByteArray getValue() const { return m_value; }
    void setValue(const QByteArray &value) { m_value = value; }
    bool setValue(const QVariant &value) override;
    QVariant toVariant() const override { return m_value; }
    QByteArray getByteArray() const override { return m_value; }

    int fixedLength() const { return m_fixedLength; }
    void setFixedLength(int length) { m_fixedLength = length; }

    bool accepts(const QcmaParameter &candidate, QString *reason) const override;
    std::unique_ptr<QcmaParameter> clone() const override { return std::make_unique<QcmaParameterByteArray>(*this); }

private:
    QByteArray m_value;
    int m_fixedLength = 0;
};
