#pragma once

#include "client/otn/components/clientinfo.h"
#include "client/otn/otnexport.h"
#include "host/contract/statisticslisttablepagefactory.h"

// Builds the OTN result page for the ports of the host's result view.
class ZELOTN_EXPORT OtnStatisticsPageFactory : public StatisticsListTablePageFactory
{
public:
    explicit OtnStatisticsPageFactory(QList<int> *ports);
    OtnStatisticsPageFactory(const OtnStatisticsPageFactory &other);
    OtnStatisticsPageFactory &operator=(const OtnStatisticsPageFactory &other);
    ~OtnStatisticsPageFactory() override;

    StatisticsListPage *createPage(const TestResultIdentifier &identifier, zelServerManager *manager) override;

    // What the result page is given: the first port of the list (0 without a list) and the manager.
    ClientInfo clientInfo(zelServerManager *manager) const;
};
