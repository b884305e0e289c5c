#pragma once

#include <QPair>
#include <QPointer>
#include <QVector>

#include "uihelperlist.h"

class QTableWidget;
class QWidget;
class UiHelper_Status;

// The status bindings of a table: each binding's cell widget is placed in the table at its cell (the
// table takes it over and grows to hold it). Clear takes the cell widgets out of the table as well.
class ZELBASE_EXPORT UiHelperListTableStatus : public UiHelperList
{
    Q_OBJECT
public:
    explicit UiHelperListTableStatus(QTableWidget *table, QObject *parent = nullptr);

    void addUiHelper(int row, int column, std::unique_ptr<UiHelper_Status> helper, std::unique_ptr<QWidget> cellWidget);
    void Clear() override;
    QTableWidget *table() const { return m_table; }

    int cellCount() const { return m_cells.size(); }

private:
    QPointer<QTableWidget> m_table;
    QVector<QPair<int, int>> m_cells;   // (row, column) of each placed cell widget
};
