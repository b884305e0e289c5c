#include "otnresultpagebase.h"

#include "host/pages/statisticstable.h"

static_assert(OtnResultRows::noText == StatisticsTable::noColumnText, "an untitled column reads the same");

OtnResultPageBase::OtnResultPageBase(const TestResultIdentifier &identifier, zelServerManager *manager,
                                     const QList<int> &ports, QWidget *parent)
    : StatisticsListTablePage(identifier, manager, ports, parent)
{
}

OtnResultPageBase::~OtnResultPageBase() = default;

nsStatistics::TableItem OtnResultPageBase::tableItem(const OtnResultRows::Row &row)
{
    nsStatistics::TableItem item;
    item.section = row.section;
    item.counterId = row.counterId;
    item.columns = 1;
    switch (row.kind) {
    case OtnResultRows::SectionHeader:
        item.kind = nsStatistics::RowSectionHeader;
        break;
    case OtnResultRows::Header:
        item.kind = nsStatistics::RowHeader;
        break;
    case OtnResultRows::SectionEnd:
        item.kind = nsStatistics::RowSectionEnd;
        break;
    case OtnResultRows::AlarmError:
        item.kind = nsStatistics::RowAlarmError;
        break;
    case OtnResultRows::Value:
        item.kind = nsStatistics::RowValue;
        break;
    case OtnResultRows::State:
        item.kind = nsStatistics::RowValue;
        item.flagA = true;
        break;
    case OtnResultRows::SecondValue:
        item.kind = nsStatistics::RowValue;
        item.flagB = true;
        break;
    case OtnResultRows::Count:
        item.kind = nsStatistics::RowCount;
        break;
    case OtnResultRows::Pair:
        item.kind = row.pairCounterId < 0 ? nsStatistics::RowPair : nsStatistics::RowPairSecond;
        item.pairCounterId = row.pairCounterId;
        break;
    }
    for (int i = 0; i < 3; ++i)
        item.textIds[i] = row.texts[i];
    return item;
}

void OtnResultPageBase::setRows(const QVector<OtnResultRows::Row> &rows)
{
    m_described = rows;
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (const OtnResultRows::Row &row : rows)
        m_rows.append(tableItem(row));
}
