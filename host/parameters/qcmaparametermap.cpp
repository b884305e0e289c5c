#include "qcmaparametermap.h"

QcmaParameterMap::QcmaParameterMap(const QcmaParameterMap &other)
{
    *this = other;
}

QcmaParameterMap &QcmaParameterMap::operator=(const QcmaParameterMap &other)
{
    if (this == &other)
        return *this;
    clear();
    for (const QcmaParameter *p : other.m_values)
        m_values.insert(p->getSID(), p->clone());
    return *this;
}

QcmaParameterMap::~QcmaParameterMap()
{
    clear();
}

void QcmaParameterMap::AddParameter(const QcmaParameter *parameter)
{
    if (!parameter)
        return;
    delete m_values.take(parameter->getSID());
    m_values.insert(parameter->getSID(), parameter->clone());
}

void QcmaParameterMap::AddToParameterList(QList<QcmaParameter *> &list) const
{
    for (const QcmaParameter *p : m_values)
        list.append(p->clone());
}

const QcmaParameter *QcmaParameterMap::find(int sid) const
{
    return m_values.value(sid, nullptr);
}

void QcmaParameterMap::clear()
{
    qDeleteAll(m_values);
    m_values.clear();
}
