#pragma once

#include <QList>

#include "host/hostexport.h"

class StatisticsListPage;
class TestResultIdentifier;
class zelServerManager;

// Builds a plug-in's result pages for the ports of the host's result view.
class ZELBASE_EXPORT StatisticsListTablePageFactory
{
public:
    // The list stays the caller's; the factory only reads it.
    explicit StatisticsListTablePageFactory(QList<int> *ports);
    StatisticsListTablePageFactory(const StatisticsListTablePageFactory &other);
    StatisticsListTablePageFactory &operator=(const StatisticsListTablePageFactory &other);
    virtual ~StatisticsListTablePageFactory();

    // A new page (the caller owns it), or null when the plug-in has none.
    virtual StatisticsListPage *createPage(const TestResultIdentifier &identifier, zelServerManager *manager) = 0;

    QList<int> *ports() const { return m_ports; }

private:
    QList<int> *m_ports = nullptr;
};
