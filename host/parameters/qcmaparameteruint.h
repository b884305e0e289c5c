#pragma once

#include "qcmaparameter.h"

// Unsigned integer parameter with an inclusive range.
class ZELCORE_EXPORT QcmaParameterUInt : public QcmaParameter
{
public:
    explicit QcmaParameterUInt(int sid = 0, uint value = 0, uint minimum = 0, uint maximum = 0xFFFFFFFFu)
        : QcmaParameter(sid), m_value(value), m_minimum(minimum), m_maximum(maximum) {}

    int getType() const override { return TypeUInt; }
    uint getValue() const { return m_value; }
    void setValue(uint value) { m_value = value; }
    bool setValue(const QVariant &value) override;
    QVariant toVariant() const override { return m_value; }

    int getInt() const override { return int(m_value); }
    uint getUInt() const override { return m_value; }
    double getDouble() const override { return m_value; }

    uint minimum() const { return m_minimum; }
    uint maximum() const { return m_maximum; }
    void setRange(uint minimum, uint maximum) { m_minimum = minimum; m_maximum = maximum; }

    bool accepts(const QcmaParameter &candidate, QString *reason) const override;
    std::unique_ptr<QcmaParameter> clone() const override { return std::make_unique<QcmaParameterUInt>(*this); }

private:
    uint m_value = 0;
    uint m_minimum = 0;
    uint m_maximum = 0xFFFFFFFFu;
};
