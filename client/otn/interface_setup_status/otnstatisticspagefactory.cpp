#include "otnstatisticspagefactory.h"

#include "host/pages/statisticslistpage.h"

OtnStatisticsPageFactory::OtnStatisticsPageFactory(QList<int> *ports) : StatisticsListTablePageFactory(ports) {}

OtnStatisticsPageFactory::OtnStatisticsPageFactory(const OtnStatisticsPageFactory &other) = default;

OtnStatisticsPageFactory &OtnStatisticsPageFactory::operator=(const OtnStatisticsPageFactory &other) = default;

OtnStatisticsPageFactory::~OtnStatisticsPageFactory() = default;

StatisticsListPage *OtnStatisticsPageFactory::createPage(const TestResultIdentifier &identifier,
                                                         zelServerManager *manager)
{
    // The OTN result page is not in the library yet; until it is, no page is built.
    Q_UNUSED(identifier)
    Q_UNUSED(manager)
    return nullptr;
}

ClientInfo OtnStatisticsPageFactory::clientInfo(zelServerManager *manager) const
{
    ClientInfo info;
    const QList<int> *list = ports();
    info.port = (list && !list->isEmpty()) ? list->first() : 0;
    info.serverManager = manager;
    return info;
}
