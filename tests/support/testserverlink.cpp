#include "testserverlink.h"

#include <QTimer>

#include "host/parameters/qcmaparameter.h"

TestServerLink::TestServerLink(const QByteArray &catalogueJson, QObject *parent) : ServerLink(parent)
{
    if (!catalogueJson.isEmpty())
        m_catalogue.loadJson(catalogueJson, nullptr);
}

TestServerLink::~TestServerLink()
{
    qDeleteAll(m_values);
}

QList<QcmaParameter *> TestServerLink::snapshot() const
{
    QList<QcmaParameter *> list;
    for (const QcmaParameter *p : m_values)
        list.append(p->clone());
    return list;
}

void TestServerLink::addParameter(QcmaParameter *parameter)
{
    delete m_values.take(parameter->getSID());
    m_values.insert(parameter->getSID(), parameter);
}

void TestServerLink::write(const QList<const QcmaParameter *> &parameters)
{
    ++m_writeRequests;
    for (const QcmaParameter *p : parameters) {
        QcmaParameter *current = m_values.value(p->getSID(), nullptr);
        if (!current)
            continue;
        if (current->accepts(*p, nullptr)) {
            m_values.insert(p->getSID(), p->clone());
            delete current;
        }
        announce(*m_values.value(p->getSID()));
    }
}

void TestServerLink::serverChange(QcmaParameter *parameter)
{
    addParameter(parameter);
    announce(*parameter);
}

void TestServerLink::announce(const QcmaParameter &parameter)
{
    QSharedPointer<QcmaParameter> copy(parameter.clone());
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
