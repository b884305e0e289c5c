#pragma once

#include <QPointer>

#include "uihelperlist.h"

class QTableWidget;
class QWidget;
class UiHelper_Status;

// The status bindings of a table: each binding's cell widget is placed in the table at its cell.
class ZELBASE_EXPORT UiHelperListTableStatus : public UiHelperList
{
    Q_OBJECT
public:
    explicit UiHelperListTableStatus(QTableWidget *table, QObject *parent = nullptr);

    void addUiHelper(int row, int column, UiHelper_Status *helper, QWidget *cellWidget);
    void Clear(bool deleteHelpers = true) override;
    QTableWidget *table() const { return m_table; }

private:
    QPointer<QTableWidget> m_table;
};
