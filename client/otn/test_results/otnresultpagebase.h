#pragma once

#include <QVector>

#include "client/otn/otnexport.h"
#include "host/otn/otnresultrows.h"
#include "host/pages/statisticslisttablepage.h"
#include "host/pages/statisticstableitem.h"

// The OTN result pages' table: the rows of the shared result description (OtnResultRows), as the host's
// statistics table draws them.
class ZELOTN_EXPORT OtnResultPageBase : public StatisticsListTablePage
{
    Q_OBJECT
public:
    OtnResultPageBase(const TestResultIdentifier &identifier, zelServerManager *manager, const QList<int> &ports,
                      QWidget *parent = nullptr);
    ~OtnResultPageBase() override;

    const QVector<nsStatistics::TableItem> &rows() const { return m_rows; }

    // How the table draws a described row.
    static nsStatistics::TableItem tableItem(const OtnResultRows::Row &row);

protected:
    // The table's rows, every one shown, and the described row behind each.
    void setRows(const QVector<OtnResultRows::Row> &rows);
    const QVector<OtnResultRows::Row> &describedRows() const { return m_described; }

    QVector<nsStatistics::TableItem> m_rows;

private:
    QVector<OtnResultRows::Row> m_described;
};
