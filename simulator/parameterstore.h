#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include <QBitArray>
#include <QByteArray>
#include <QList>
#include <QSet>
#include <QVariant>
#include <QVector>

class ParameterCatalogue;
class QcmaParameter;

// The values the simulated tester holds: every per-port definition of the catalogue once for each
// port 1..portCount, every global one once on port 127. Keyed by SID without the flag bit.
class ParameterStore
{
public:
    ParameterStore(const ParameterCatalogue &catalogue, int portCount);
    ~ParameterStore();
    ParameterStore(const ParameterStore &) = delete;
    ParameterStore &operator=(const ParameterStore &) = delete;

    static int keyOf(int sid) { return int(unsigned(sid) & 0x7FFFFFFFu); }

    int portCount() const { return m_portCount; }
    bool contains(int sid) const { return m_values.count(keyOf(sid)) != 0; }
    const QcmaParameter *value(int sid) const;
    // Current value of a parameter as an int (0 when absent or undefined).
    int intValue(int sid) const;
    // SIDs in catalogue order, ports ascending within each definition.
    QList<int> sids() const { return m_order; }
    // Copies of every value.
    std::vector<std::unique_ptr<QcmaParameter>> snapshot() const;

    // Whether a client may write candidate; reason tells why not.
    bool validate(const QcmaParameter &candidate, QString *reason) const;
    // Takes over the value of a validated candidate; true when the held value changed.
    bool assign(const QcmaParameter &candidate);

    // Changes made by the server itself. Each returns true and records the SID as changed when
    // something really changed.
    bool setValue(int sid, const QVariant &value);
    bool setDefined(int sid, bool defined);
    bool setActiveEnums(int sid, const QVector<int> &activeValues);
    bool setRange(int sid, double minimum, double maximum);
    // Byte arrays: the value and the fixed length (0 = any length).
    bool setByteArray(int sid, const QByteArray &bytes, int fixedLength);
    // Bit arrays: the size follows the given array.
    bool setBitArray(int sid, const QBitArray &bits);

    // SIDs changed since the last call, in the order of their first change.
    QList<int> takeChanges();

private:
    void markChanged(int key);
    QcmaParameter *find(int sid);

    std::unordered_map<int, std::unique_ptr<QcmaParameter>> m_values;
    QList<int> m_order;
    QList<int> m_changes;
    QSet<int> m_changed;
    int m_portCount = 0;
};
