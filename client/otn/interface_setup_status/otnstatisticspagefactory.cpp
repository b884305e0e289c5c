#include "otnstatisticspagefactory.h"

#include "client/otn/test_results/otnresultpage.h"

OtnStatisticsPageFactory::OtnStatisticsPageFactory(QList<int> *ports) : StatisticsListTablePageFactory(ports) {}

OtnStatisticsPageFactory::OtnStatisticsPageFactory(const OtnStatisticsPageFactory &other) = default;

OtnStatisticsPageFactory &OtnStatisticsPageFactory::operator=(const OtnStatisticsPageFactory &other) = default;

OtnStatisticsPageFactory::~OtnStatisticsPageFactory() = default;

StatisticsListPage *OtnStatisticsPageFactory::createPage(const TestResultIdentifier &identifier,
                                                         zelServerManager *manager)
{
    const QList<int> *list = ports();
    return new OtnResultPage(identifier, list ? *list : QList<int>(), clientInfo(manager));
}

ClientInfo OtnStatisticsPageFactory::clientInfo(zelServerManager *manager) const
{
    ClientInfo info;
    const QList<int> *list = ports();
    info.port = (list && !list->isEmpty()) ? list->first() : 0;
    info.serverManager = manager;
    return info;
}
