#pragma once

#include "qcmaparameter.h"

// Floating-point parameter with an inclusive range and a display precision.
class ZELCORE_EXPORT QcmaParameterDouble : public QcmaParameter
{
public:
    explicit QcmaParameterDouble(int sid = 0, double value = 0.0, double minimum = -1e300, double maximum = 1e300,
                                 int decimals = 3)
        : QcmaParameter(sid), m_value(value), m_minimum(minimum), m_maximum(maximum), m_decimals(decimals) {}

    int getType() const override { return TypeDouble; }
    double getValue() const { return m_value; }
    void setValue(double value) { m_value = value; }
    bool setValue(const QVariant &value) override;
    QVariant toVariant() const override { return m_value; }

    int getInt() const override { return int(m_value); }
    uint getUInt() const override { return m_value < 0 ? 0u : uint(m_value); }
    double getDouble() const override { return m_value; }

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    int decimals() const { return m_decimals; }

    bool accepts(const QcmaParameter &candidate, QString *reason) const override;
    std::unique_ptr<QcmaParameter> clone() const override { return std::make_unique<QcmaParameterDouble>(*this); }

private:
    double m_value = 0.0;
    double m_minimum = -1e300;
    double m_maximum = 1e300;
    int m_decimals = 3;
};
