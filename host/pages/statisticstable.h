#pragma once

#include <QHash>
#include <QPair>
#include <QTableWidget>
#include <QVector>

#include "host/hostexport.h"
#include "host/texts/widgettext.h"
#include "statisticstableitem.h"

// The result table: draws the rows a result page describes and shows the counter values it is given.
class ZELBASE_EXPORT StatisticsTable : public QTableWidget
{
    Q_OBJECT
public:
    // Column titles of a section header when the row names none.
    static constexpr int defaultFirstColumnText = 4560;
    static constexpr int defaultSecondColumnText = 4563;

    explicit StatisticsTable(QWidget *parent = nullptr);

    void setTableItems(const QVector<nsStatistics::TableItem> &items);
    QVector<nsStatistics::TableItem> tableItems() const { return m_items; }

    // Shows a counter's value in every row that carries the counter. False when no row does.
    bool setCounterValue(int counterId, const QString &value);
    // The table row of a counter (its first), or -1.
    int rowOfCounter(int counterId) const;

    void setTerminology(int terminology);
    // The texts of the page's server (the built-in texts until then).
    void setTexts(const WidgetText &texts);

private:
    void rebuild();
    void addRow(const nsStatistics::TableItem &item);
    QString uiText(int number) const;

    QVector<nsStatistics::TableItem> m_items;
    QHash<int, QList<QPair<int, int>>> m_cells;   // counter id -> (row, column)
    WidgetText m_texts;
    int m_terminology = 0;
};
