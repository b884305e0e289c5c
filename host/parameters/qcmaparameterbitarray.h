#pragma once

#include "qcmaparameter.h"

// Bit-array parameter; its size is fixed by the server's definition.
class ZELCORE_EXPORT QcmaParameterBitArray : public QcmaParameter
{
public:
    explicit QcmaParameterBitArray(int sid = 0, const QBitArray &value = {}) : QcmaParameter(sid), m_value(value) {}

    int getType() const override { return TypeBitArray; }
    QBitArray getValue() const { return m_value; }
    void setValue(const QBitArray &value) { m_value = value; }
    bool setValue(const QVariant &value) override;
    QVariant toVariant() const override { return m_value; }
    QBitArray getBitArray() const override { return m_value; }

    bool accepts(const QcmaParameter &candidate, QString *reason) const override;
    std::unique_ptr<QcmaParameter> clone() const override { return std::make_unique<QcmaParameterBitArray>(*this); }

private:
    QBitArray m_value;
};
