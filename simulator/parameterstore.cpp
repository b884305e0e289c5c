#include "parameterstore.h"

#include <cmath>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/catalogue/parametercatalogue.h"

ParameterStore::ParameterStore(const ParameterCatalogue &catalogue, int portCount)
    : m_portCount(qBound(1, portCount, nsSID::max_number_of_ports))
{
    for (const ParameterDefinition *d : catalogue.all()) {
        QList<int> ports;
        if (d->global) {
            ports.append(nsSID::noPort);
        } else {
            for (int port = 1; port <= m_portCount; ++port)
                ports.append(port);
        }
        for (int port : qAsConst(ports)) {
            const int sid = nsSID::build(port, d->group, d->id);
            std::unique_ptr<QcmaParameter> p = d->createParameter(sid);
            if (!p)
                continue;
            m_values[sid] = std::move(p);
            m_order.append(sid);
        }
    }
}

ParameterStore::~ParameterStore() = default;

const QcmaParameter *ParameterStore::value(int sid) const
{
    const auto it = m_values.find(keyOf(sid));
    return it == m_values.end() ? nullptr : it->second.get();
}

QcmaParameter *ParameterStore::find(int sid)
{
    const auto it = m_values.find(keyOf(sid));
    return it == m_values.end() ? nullptr : it->second.get();
}

int ParameterStore::intValue(int sid) const
{
    const QcmaParameter *p = value(sid);
    return (p && p->isDefined()) ? p->getInt() : 0;
}

std::vector<std::unique_ptr<QcmaParameter>> ParameterStore::snapshot() const
{
    std::vector<std::unique_ptr<QcmaParameter>> copies;
    copies.reserve(size_t(m_order.size()));
    for (int sid : m_order)
        copies.push_back(value(sid)->clone());
    return copies;
}

bool ParameterStore::validate(const QcmaParameter &candidate, QString *reason) const
{
    const QcmaParameter *current = value(candidate.getSID());
    QString why;
    if (!current)
        why = QStringLiteral("unknown parameter");
    else if (!candidate.isDefined())
        why = QStringLiteral("undefined value");
    else if (!current->isDefined())
        why = QStringLiteral("not available in the current configuration");
    else if (candidate.getType() == QcmaParameter::TypeDouble && !std::isfinite(candidate.getDouble()))
        why = QStringLiteral("value is not a finite number");
    else
        current->accepts(candidate, &why);
    if (reason)
        *reason = why;
    return why.isEmpty();
}

bool ParameterStore::assign(const QcmaParameter &candidate)
{
    QcmaParameter *current = find(candidate.getSID());
    if (!current)
        return false;
    const QVariant before = current->toVariant();
    current->setValue(candidate.toVariant());
    if (current->toVariant() == before)
        return false;
    markChanged(keyOf(candidate.getSID()));
    return true;
}

bool ParameterStore::setValue(int sid, const QVariant &value)
{
    QcmaParameter *current = find(sid);
    if (!current)
        return false;
    const QVariant before = current->toVariant();
    if (!current->setValue(value) || current->toVariant() == before)
        return false;
    markChanged(keyOf(sid));
    return true;
}

bool ParameterStore::setDefined(int sid, bool defined)
{
    QcmaParameter *current = find(sid);
    if (!current || current->isDefined() == defined)
        return false;
    current->setDefined(defined);
    markChanged(keyOf(sid));
    return true;
}

bool ParameterStore::setActiveEnums(int sid, const QVector<int> &activeValues)
{
    QcmaParameter *current = find(sid);
    if (!current || current->getType() != QcmaParameter::TypeEnum)
        return false;
    auto *e = static_cast<QcmaParameterEnum *>(current);
    const QVector<int> before = e->activeEnums();
    e->setAllEnumsActive(false);
    for (int v : activeValues)
        e->setEnumActive(v, true);
    if (e->activeEnums() == before)
        return false;
    markChanged(keyOf(sid));
    return true;
}

bool ParameterStore::setRange(int sid, double minimum, double maximum)
{
    QcmaParameter *current = find(sid);
    if (!current)
        return false;
    bool changed = false;
    switch (current->getType()) {
    case QcmaParameter::TypeInt: {
        auto *p = static_cast<QcmaParameterInt *>(current);
        changed = p->minimum() != int(minimum) || p->maximum() != int(maximum);
        p->setRange(int(minimum), int(maximum));
        break;
    }
    case QcmaParameter::TypeUInt: {
        auto *p = static_cast<QcmaParameterUInt *>(current);
        changed = p->minimum() != uint(minimum) || p->maximum() != uint(maximum);
        p->setRange(uint(minimum), uint(maximum));
        break;
    }
    case QcmaParameter::TypeDouble: {
        // The double kind has no range setter: a new object with the same value and decimals.
        auto *p = static_cast<QcmaParameterDouble *>(current);
        if (p->minimum() == minimum && p->maximum() == maximum)
            return false;
        auto replacement = std::make_unique<QcmaParameterDouble>(p->getSID(), p->getValue(), minimum, maximum,
                                                                 p->decimals());
        replacement->setDefined(p->isDefined());
        m_values[keyOf(sid)] = std::move(replacement);
        changed = true;
        break;
    }
    default:
        return false;
    }
    if (changed)
        markChanged(keyOf(sid));
    return changed;
}

bool ParameterStore::setByteArray(int sid, const QByteArray &bytes, int fixedLength)
{
    QcmaParameter *current = find(sid);
    if (!current || current->getType() != QcmaParameter::TypeByteArray)
        return false;
    auto *p = static_cast<QcmaParameterByteArray *>(current);
    if (p->getValue() == bytes && p->fixedLength() == fixedLength)
        return false;
    p->setValue(bytes);
    p->setFixedLength(fixedLength);
    markChanged(keyOf(sid));
    return true;
}

bool ParameterStore::setBitArray(int sid, const QBitArray &bits)
{
    QcmaParameter *current = find(sid);
    if (!current || current->getType() != QcmaParameter::TypeBitArray)
        return false;
    auto *p = static_cast<QcmaParameterBitArray *>(current);
    if (p->getValue() == bits)
        return false;
    p->setValue(bits);
    markChanged(keyOf(sid));
    return true;
}

QList<int> ParameterStore::takeChanges()
{
    QList<int> changes;
    changes.swap(m_changes);
    m_changed.clear();
    return changes;
}

void ParameterStore::markChanged(int key)
{
    if (m_changed.contains(key))
        return;
    m_changed.insert(key);
    m_changes.append(key);
}
