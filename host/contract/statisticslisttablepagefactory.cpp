#include "statisticslisttablepagefactory.h"

StatisticsListTablePageFactory::StatisticsListTablePageFactory(QList<int> *ports) : m_ports(ports) {}

StatisticsListTablePageFactory::StatisticsListTablePageFactory(const StatisticsListTablePageFactory &other) = default;

StatisticsListTablePageFactory &
StatisticsListTablePageFactory::operator=(const StatisticsListTablePageFactory &other) = default;

StatisticsListTablePageFactory::~StatisticsListTablePageFactory() = default;
