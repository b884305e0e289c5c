#include "testserverlink.h"

#include <QTimer>

#include "host/parameters/qcmaparameter.h"

TestServerLink::TestServerLink(const QByteArray &catalogueJson, QObject *parent) : ServerLink(parent)
{
    if (!catalogueJson.isEmpty())
        m_catalogue->loadJson(catalogueJson, nullptr);
}

TestServerLink::~TestServerLink() = default;

std::vector<std::unique_ptr<QcmaParameter>> TestServerLink::snapshot() const
{
    std::vector<std::unique_ptr<QcmaParameter>> list;
    for (const auto &entry : m_values)
        list.push_back(entry.second->clone());
    return list;
}

void TestServerLink::addParameter(std::unique_ptr<QcmaParameter> parameter)
{
    const int sid = parameter->getSID();
    m_values[sid] = std::move(parameter);
}

const QcmaParameter *TestServerLink::value(int sid) const
{
    const auto it = m_values.find(sid);
    return it == m_values.end() ? nullptr : it->second.get();
}

void TestServerLink::write(const QList<const QcmaParameter *> &parameters)
{
    ++m_writeRequests;
    for (const QcmaParameter *p : parameters) {
        const QcmaParameter *current = value(p->getSID());
        if (!current)
            continue;
        if (current->accepts(*p, nullptr))
            addParameter(p->clone());
        announce(*value(p->getSID()));
    }
}

void TestServerLink::serverChange(std::unique_ptr<QcmaParameter> parameter)
{
    const QcmaParameter &value = *parameter;
    addParameter(std::move(parameter));
    announce(value);
}

void TestServerLink::announce(const QcmaParameter &parameter)
{
    QSharedPointer<QcmaParameter> copy(parameter.clone().release());
    QTimer::singleShot(0, this, [this, copy] { emit parameterChanged(copy); });
}

void TestServerLink::requestIntervalData(int port, int group, quint32 selector)
{
    m_intervalRequests << port << group << int(selector);
    if (m_intervalReply) {
        QSharedPointer<IntervalData> reply = m_intervalReply;
        QTimer::singleShot(0, this, [this, reply] { emit intervalDataArrived(reply); });
    }
}
