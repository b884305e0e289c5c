#pragma once

#include <QVector>

#include "qcmaparameterint.h"

// Enumeration parameter: an integer in minimum..maximum whose enumerators can be switched active or not.
class ZELCORE_EXPORT QcmaParameterEnum : public QcmaParameterInt
{
public:
    // The most values one enumeration spans; a wider range keeps only the first ones switchable.
    static constexpr int maxValues = 65536;

    explicit QcmaParameterEnum(int sid = 0, int value = 0, int minimum = 0, int maximum = 0);

    int getType() const override { return TypeEnum; }

    bool isEnumActive(int value) const;
    void setEnumActive(int value, bool active);
    void setAllEnumsActive(bool active);
    QVector<int> activeEnums() const;

    bool accepts(const QcmaParameter &candidate, QString *reason) const override;
    std::unique_ptr<QcmaParameter> clone() const override { return std::make_unique<QcmaParameterEnum>(*this); }

private:
    QVector<bool> m_active;   // index = value - minimum
};
