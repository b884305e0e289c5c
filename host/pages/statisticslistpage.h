#pragma once

#include <QList>

#include "host/contract/testresultidentifier.h"
#include "host/parameters/intervaldata.h"
#include "page.h"

// Base of the result pages: the result view it shows and the ports whose counters it lists.
class ZELBASE_EXPORT StatisticsListPage : public Page
{
    Q_OBJECT
public:
    StatisticsListPage(const TestResultIdentifier &identifier, zelServerManager *manager, const QList<int> &ports,
                       QWidget *parent = nullptr);

    const TestResultIdentifier &identifier() const { return m_identifier; }
    QList<int> ports() const { return m_ports; }
    quint32 intervalSelector() const { return m_intervalSelector; }
    void setIntervalSelector(quint32 selector) { m_intervalSelector = selector; }

private:
    TestResultIdentifier m_identifier;
    QList<int> m_ports;
    quint32 m_intervalSelector = currentIntervalSelector;
};
