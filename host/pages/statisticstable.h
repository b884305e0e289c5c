#pragma once

#include <QHash>
#include <QTableWidget>
#include <QVector>

#include "host/hostexport.h"
#include "host/parameters/intervaldata.h"
#include "host/texts/widgettext.h"
#include "statisticstableitem.h"

// The result table: draws the rows a result page describes, names the counters after the server's
// catalogue and shows one interval's values, formatted by row kind: counts as whole numbers, rates in
// scientific notation, names and states as text.
class ZELBASE_EXPORT StatisticsTable : public QTableWidget
{
    Q_OBJECT
public:
    // Column titles of a section header when the row names none; noColumnText leaves a column untitled.
    static constexpr int defaultFirstColumnText = 4560;
    static constexpr int defaultSecondColumnText = 4563;
    static constexpr int noColumnText = -1;
    static constexpr int columns = 3;

    using Values = QHash<int, IntervalDataCounters::Value>;

    explicit StatisticsTable(QWidget *parent = nullptr);

    // New rows; the values shown last stay shown in them.
    void setTableItems(const QVector<nsStatistics::TableItem> &items);
    QVector<nsStatistics::TableItem> tableItems() const { return m_items; }

    // The group and port whose catalogue names the counter rows carry.
    void setCounterScope(int group, int port);
    // Shows an interval's values; a counter the interval does not carry shows "-".
    void showValues(const Values &values);
    void clearValues();

    // The table row of a counter (its first), or -1.
    int rowOfCounter(int counterId) const;
    // The texts of a table row, column by column.
    QStringList rowTexts(int row) const;

    void setTerminology(int terminology);
    // The texts of the page's server (the built-in texts until then).
    void setTexts(const WidgetText &texts);

    static QString countText(quint64 count);
    // "1.25E-07"; "-" for a counter without a rate.
    static QString rateText(double rate);

private:
    void rebuild();
    void addRow(const nsStatistics::TableItem &item);
    void fillRow(int row, const nsStatistics::TableItem &item);
    void fitValueColumns();
    QString uiText(int number) const;
    QString counterName(int counterId) const;

    QVector<nsStatistics::TableItem> m_items;
    QHash<int, int> m_rowOfItem;   // index in m_items -> table row, for shown data rows
    Values m_values;
    WidgetText m_texts;
    int m_terminology = 0;
    int m_group = 0;
    int m_port = 0;
};
