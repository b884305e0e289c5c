#include "interfacesetuppagefactory.h"

#include "setuppageproperty.h"

InterfaceSetupPageFactory::InterfaceSetupPageFactory() = default;

InterfaceSetupPageFactory::InterfaceSetupPageFactory(const InterfaceSetupPageFactory &other)
    : m_physicalStatus(other.m_physicalStatus), m_errorStatus(other.m_errorStatus)
{
    copyRecords(other);
}

InterfaceSetupPageFactory &InterfaceSetupPageFactory::operator=(const InterfaceSetupPageFactory &other)
{
    if (this == &other)
        return *this;
    clearRecords();
    m_physicalStatus = other.m_physicalStatus;
    m_errorStatus = other.m_errorStatus;
    copyRecords(other);
    return *this;
}

InterfaceSetupPageFactory::~InterfaceSetupPageFactory()
{
    clearRecords();
}

std::vector<SampleDialog> InterfaceSetupPageFactory::createSampleDialogs(zelServerManager *, int)
{
    return {};
}

QList<const StatusPageProperty *> InterfaceSetupPageFactory::allStatusPageProperties() const
{
    QList<const StatusPageProperty *> list{&m_physicalStatus, &m_errorStatus};
    for (const StatusPageProperty *p : m_statusPages)
        list.append(p);
    return list;
}

void InterfaceSetupPageFactory::copyRecords(const InterfaceSetupPageFactory &other)
{
    for (const SetupPageProperty *p : other.m_setupPages)
        m_setupPages.append(new SetupPageProperty(*p));
    for (const StatusPageProperty *p : other.m_statusPages)
        m_statusPages.append(new StatusPageProperty(*p));
}

void InterfaceSetupPageFactory::clearRecords()
{
    qDeleteAll(m_setupPages);
    m_setupPages.clear();
    qDeleteAll(m_statusPages);
    m_statusPages.clear();
}
