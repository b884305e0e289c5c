#include "statisticstable.h"

#include <QFontMetrics>
#include <QHeaderView>

#include "apps/shared/sid.h"

namespace {

const QString noValue = QStringLiteral("-");
const QColor headerBackground(0xDD, 0xDD, 0xDD);
constexpr int tableRowHeight = 22;
constexpr int valueColumnWidth = 96;
constexpr int titlePadding = 16;   // the cell margins around a text

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

bool isHeader(int kind)
{
    return kind == nsStatistics::RowHeader || kind == nsStatistics::RowSectionHeader;
}

} // namespace

StatisticsTable::StatisticsTable(QWidget *parent) : QTableWidget(parent)
{
    setColumnCount(columns);
    horizontalHeader()->setVisible(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(tableRowHeight);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < columns; ++c) {
        horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
        setColumnWidth(c, valueColumnWidth);
    }
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
}

void StatisticsTable::setTableItems(const QVector<nsStatistics::TableItem> &items)
{
    m_items = items;
    rebuild();
}

void StatisticsTable::setCounterScope(int group, int port)
{
    if (group == m_group && port == m_port)
        return;
    m_group = group;
    m_port = port;
    rebuild();
}

void StatisticsTable::showValues(const Values &values)
{
    m_values = values;
    for (auto it = m_rowOfItem.cbegin(); it != m_rowOfItem.cend(); ++it)
        fillRow(it.value(), m_items.at(it.key()));
    fitValueColumns();
}

void StatisticsTable::clearValues()
{
    showValues(Values());
}

int StatisticsTable::rowOfCounter(int counterId) const
{
    int first = -1;
    for (auto it = m_rowOfItem.cbegin(); it != m_rowOfItem.cend(); ++it) {
        const nsStatistics::TableItem &item = m_items.at(it.key());
        const bool carries = item.counterId == counterId
                             || (item.kind == nsStatistics::RowPairSecond && item.pairCounterId == counterId);
        if (carries && (first < 0 || it.value() < first))
            first = it.value();
    }
    return first;
}

QStringList StatisticsTable::rowTexts(int row) const
{
    QStringList texts;
    for (int c = 0; c < columnCount(); ++c)
        texts.append(item(row, c) ? item(row, c)->text() : QString());
    return texts;
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

QString StatisticsTable::countText(quint64 count)
{
    return QString::number(count);
}

QString StatisticsTable::rateText(double rate)
{
    return rate < 0 ? noValue : QString::number(rate, 'E', 2);
}

void StatisticsTable::rebuild()
{
    clearSpans();
    clearContents();
    setRowCount(0);
    m_rowOfItem.clear();
    for (int i = 0; i < m_items.size(); ++i) {
        const nsStatistics::TableItem &item = m_items.at(i);
        if (!item.shown || item.kind == nsStatistics::RowSectionEnd)
            continue;
        addRow(item);
        if (!isHeader(item.kind))
            m_rowOfItem.insert(i, rowCount() - 1);
    }
    for (auto it = m_rowOfItem.cbegin(); it != m_rowOfItem.cend(); ++it)
        fillRow(it.value(), m_items.at(it.key()));
    fitValueColumns();
}

void StatisticsTable::fitValueColumns()
{
    // A value column is as wide as its widest title ("Logical Lane") or value (an octet count), at least
    // the default; a name or state spanning both columns fits them together.
    int widths[columns] = {0, valueColumnWidth, valueColumnWidth};
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 1; c < columns; ++c) {
            const QTableWidgetItem *cell = item(r, c);
            if (cell && columnSpan(r, c) == 1)
                widths[c] = qMax(widths[c], QFontMetrics(cell->font()).horizontalAdvance(cell->text()) + titlePadding);
        }
    }
    for (int c = 1; c < columns; ++c) {
        if (columnWidth(c) != widths[c])
            setColumnWidth(c, widths[c]);
    }
}

void StatisticsTable::addRow(const nsStatistics::TableItem &row)
{
    using namespace nsStatistics;
    const int r = rowCount();
    insertRow(r);
    QString texts[columns];
    const bool header = isHeader(row.kind);
    const auto columnTitle = [this](int id, int fallback) {
        if (id == noColumnText)
            return QString();
        return uiText(id ? id : fallback);
    };
    if (row.kind == RowSectionHeader) {
        texts[0] = uiText(row.textIds[0]);
        texts[1] = columnTitle(row.textIds[1], defaultFirstColumnText);
        texts[2] = columnTitle(row.textIds[2], defaultSecondColumnText);
    } else if (row.kind == RowHeader) {
        texts[0] = uiText(row.textIds[0]);
        texts[1] = columnTitle(row.textIds[1], 0);
    } else {
        texts[0] = row.textIds[0] ? uiText(row.textIds[0]) : counterName(row.counterId);
    }
    for (int c = 0; c < columns; ++c) {
        QTableWidgetItem *cell = readOnlyItem(texts[c]);
        if (header) {
            QFont font = cell->font();
            font.setBold(true);
            cell->setFont(font);
            cell->setBackground(headerBackground);
        }
        if (c > 0)
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(r, c, cell);
    }
    // A name or state may be longer than a number: it takes both value columns.
    if (row.kind == RowValue)
        setSpan(r, 1, 1, columns - 1);
}

void StatisticsTable::fillRow(int row, const nsStatistics::TableItem &item)
{
    using namespace nsStatistics;
    const auto value = m_values.constFind(item.counterId);
    const bool known = value != m_values.cend();
    QString first = known ? countText(value->count) : noValue;
    QString second;
    // A counter that names or states something shows its text, whatever the row's kind.
    if (known && !value->text.isEmpty())
        first = value->text;
    switch (item.kind) {
    case RowAlarmError:
        second = known ? rateText(value->rate) : noValue;
        break;
    case RowPairSecond: {
        const auto pair = m_values.constFind(item.pairCounterId);
        second = pair != m_values.cend() ? countText(pair->count) : noValue;
        break;
    }
    default:
        break;
    }
    QTableWidgetItem *firstCell = this->item(row, 1);
    firstCell->setText(first);
    // A state other than its first value (unavailable time) stands out.
    firstCell->setForeground(item.flagA && known && value->count != 0 ? QBrush(Qt::red) : QBrush());
    this->item(row, 2)->setText(second);
}

QString StatisticsTable::uiText(int number) const
{
    return number > 0 ? m_texts.getUiText(number, m_terminology) : QString();
}

QString StatisticsTable::counterName(int counterId) const
{
    const QString name = m_texts.getSidName(nsSID::build(m_port, m_group, counterId), m_terminology);
    return name.isEmpty() ? QString::number(counterId) : name;
}
