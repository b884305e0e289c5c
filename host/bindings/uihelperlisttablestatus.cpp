#include "uihelperlisttablestatus.h"

#include <QLoggingCategory>
#include <QTableWidget>

#include "host/diagnostics/zeldiagnostics.h"
#include "uihelper_status.h"

UiHelperListTableStatus::UiHelperListTableStatus(QTableWidget *table, QObject *parent)
    : UiHelperList(parent), m_table(table)
{
}

void UiHelperListTableStatus::addUiHelper(int row, int column, std::unique_ptr<UiHelper_Status> helper,
                                          std::unique_ptr<QWidget> cellWidget)
{
    AddUiHelper(std::move(helper));
    if (!cellWidget)
        return;
    if (!m_table || row < 0 || column < 0) {
        ZEL_ASSERT_TEXT(false, "m_table && row >= 0 && column >= 0",
                        QStringLiteral("no table cell (%1, %2) for the status cell widget").arg(row).arg(column));
        return;
    }
    if (row >= m_table->rowCount()) {
        qCDebug(lcZelIgnored) << "status table grows to" << row + 1 << "rows";
        m_table->setRowCount(row + 1);
    }
    if (column >= m_table->columnCount()) {
        qCDebug(lcZelIgnored) << "status table grows to" << column + 1 << "columns";
        m_table->setColumnCount(column + 1);
    }
    m_table->setCellWidget(row, column, cellWidget.release());
    const QPair<int, int> cell(row, column);
    if (!m_cells.contains(cell))
        m_cells.append(cell);
}

void UiHelperListTableStatus::Clear()
{
    UiHelperList::Clear();
    if (m_table) {
        for (const QPair<int, int> &cell : qAsConst(m_cells))
            m_table->removeCellWidget(cell.first, cell.second);
    }
    m_cells.clear();
}
