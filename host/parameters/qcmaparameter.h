#pragma once

#include <memory>

#include <QBitArray>
#include <QByteArray>
#include <QString>
#include <QVariant>

#include "host/hostexport.h"

// The value of one server parameter, named by its SID. Typed kinds derive from it.
class ZELCORE_EXPORT QcmaParameter
{
public:
    enum Type { TypeInt = 1, TypeEnum = 2, TypeUInt = 3, TypeDouble = 4, TypeByteArray = 5, TypeBitArray = 6 };

    explicit QcmaParameter(int sid = 0) : m_sid(sid) {}
    virtual ~QcmaParameter();

    int getSID() const { return m_sid; }
    void setSID(int sid) { m_sid = sid; }
    virtual int getType() const = 0;

    bool isDefined() const { return m_defined; }
    void setDefined(bool defined) { m_defined = defined; }

    // Value accessors of every kind; a kind that holds no such value answers 0 or empty.
    int getEnum() const { return getInt(); }
    virtual int getInt() const { return 0; }
    virtual uint getUInt() const { return 0; }
    virtual double getDouble() const { return 0.0; }
    virtual QByteArray getByteArray() const { return {}; }
    virtual QBitArray getBitArray() const { return {}; }

    // Generic write: converts the variant to this kind's value. False when it cannot.
    virtual bool setValue(const QVariant &value) = 0;
    virtual QVariant toVariant() const = 0;

    // Whether candidate is an acceptable new value for this parameter (same kind, within range).
    virtual bool accepts(const QcmaParameter &candidate, QString *reason) const;

    virtual std::unique_ptr<QcmaParameter> clone() const = 0;
    bool sameValue(const QcmaParameter &other) const;
    QString describe() const;

protected:
    QcmaParameter(const QcmaParameter &) = default;
    QcmaParameter &operator=(const QcmaParameter &) = default;

    // The numeric kinds' generic write: converts with one of QVariant's toInt, toUInt, toDouble and
    // leaves into unchanged when that fails.
    template <typename T>
    static bool convertInto(const QVariant &value, T (QVariant::*convert)(bool *) const, T &into)
    {
        bool ok = false;
        const T converted = (value.*convert)(&ok);
        if (ok)
            into = converted;
        return ok;
    }
    // The numeric kinds' range rule: minimum and maximum belong to the range.
    template <typename T>
    static bool withinRange(T value, T minimum, T maximum, QString *reason)
    {
        if (value < minimum || value > maximum) {
            if (reason)
                *reason = QStringLiteral("value %1 outside %2..%3").arg(value).arg(minimum).arg(maximum);
            return false;
        }
        return true;
    }

private:
    int m_sid = 0;
    bool m_defined = true;
};
