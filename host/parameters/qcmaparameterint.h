#pragma once

#include <climits>

#include "qcmaparameter.h"

// Signed integer parameter with an inclusive range.
class ZELCORE_EXPORT QcmaParameterInt : public QcmaParameter
{
public:
    explicit QcmaParameterInt(int sid = 0, int value = 0, int minimum = INT_MIN, int maximum = INT_MAX)
        : QcmaParameter(sid), m_value(value), m_minimum(minimum), m_maximum(maximum) {}

    int getType() const override { return TypeInt; }
    int getValue() const { return m_value; }
    void setValue(int value) { m_value = value; }
    bool setValue(const QVariant &value) override;
    QVariant toVariant() const override { return m_value; }

    int getInt() const override { return m_value; }
    uint getUInt() const override { return uint(m_value); }
    double getDouble() const override { return m_value; }

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setRange(int minimum, int maximum) { m_minimum = minimum; m_maximum = maximum; }

    bool accepts(const QcmaParameter &candidate, QString *reason) const override;
    std::unique_ptr<QcmaParameter> clone() const override { return std::make_unique<QcmaParameterInt>(*this); }

private:
    int m_value = 0;
    int m_minimum = INT_MIN;
    int m_maximum = INT_MAX;
};
