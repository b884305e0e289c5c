#include "statisticslistpage.h"

StatisticsListPage::StatisticsListPage(const TestResultIdentifier &identifier, zelServerManager *manager,
                                       const QList<int> &ports, QWidget *parent)
    : Page(manager, parent), m_identifier(identifier), m_ports(ports)
{
    if (!m_ports.isEmpty())
        m_port = m_ports.first();
}
