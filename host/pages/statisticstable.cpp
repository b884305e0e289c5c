#include "statisticstable.h"

#include <QHeaderView>

#include "host/texts/widgettext.h"

namespace {
constexpr int tableColumns = 3;
const QString noValue = QStringLiteral("-");

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}
} // namespace

StatisticsTable::StatisticsTable(QWidget *parent) : QTableWidget(parent)
{
    setColumnCount(tableColumns);
    horizontalHeader()->setVisible(false);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void StatisticsTable::setTableItems(const QVector<nsStatistics::TableItem> &items)
{
    m_items = items;
    rebuild();
}

bool StatisticsTable::setCounterValue(int counterId, const QString &value)
{
    const QList<QPair<int, int>> cells = m_cells.value(counterId);
    for (const auto &cell : cells)
        item(cell.first, cell.second)->setText(value);
    return !cells.isEmpty();
}

int StatisticsTable::rowOfCounter(int counterId) const
{
    const QList<QPair<int, int>> cells = m_cells.value(counterId);
    return cells.isEmpty() ? -1 : cells.first().first;
}

void StatisticsTable::setTerminology(int terminology)
{
    if (terminology == m_terminology)
        return;
    m_terminology = terminology;
    rebuild();
}

void StatisticsTable::setTexts(const WidgetText &texts)
{
    m_texts = texts;
    rebuild();
}

void StatisticsTable::rebuild()
{
    clearContents();
    setRowCount(0);
    m_cells.clear();
    for (const nsStatistics::TableItem &item : qAsConst(m_items)) {
        if (item.shown)
            addRow(item);
    }
}

void StatisticsTable::addRow(const nsStatistics::TableItem &row)
{
    using namespace nsStatistics;
    if (row.kind == RowSectionEnd)
        return;
    const int r = rowCount();
    insertRow(r);
    QString texts[tableColumns];
    const bool header = row.kind == RowHeader || row.kind == RowSectionHeader;
    if (row.kind == RowSectionHeader) {
        texts[0] = uiText(row.textIds[0]);
        texts[1] = uiText(row.textIds[1] ? row.textIds[1] : defaultFirstColumnText);
        texts[2] = uiText(row.textIds[2] ? row.textIds[2] : defaultSecondColumnText);
    } else if (row.kind == RowHeader) {
        texts[0] = uiText(row.textIds[0]);
        texts[1] = uiText(row.textIds[1]);
    } else {
        // Rows without a text of their own are named after their counter until a value names them.
        texts[0] = row.textIds[0] ? uiText(row.textIds[0]) : QString::number(row.counterId);
        texts[1] = noValue;
        if (row.kind == RowPairSecond)
            texts[2] = noValue;
    }
    for (int c = 0; c < tableColumns; ++c) {
        QTableWidgetItem *cell = readOnlyItem(texts[c]);
        if (header) {
            QFont font = cell->font();
            font.setBold(true);
            cell->setFont(font);
        }
        if (c > 0)
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(r, c, cell);
    }
    if (header)
        return;
    if (row.counterId >= 0)
        m_cells[row.counterId].append(qMakePair(r, 1));
    if (row.kind == RowPairSecond && row.pairCounterId >= 0)
        m_cells[row.pairCounterId].append(qMakePair(r, 2));
}

QString StatisticsTable::uiText(int number) const
{
    return number ? m_texts.getUiText(number, m_terminology) : QString();
}
