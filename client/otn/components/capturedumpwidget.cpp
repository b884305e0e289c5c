#include "capturedumpwidget.h"
#include "ui_capturedumpwidget.h"

#include <QComboBox>
#include <QHeaderView>
#include <QVBoxLayout>

#include "host/texts/widgettext.h"

#include "otnohtext.h"
#include "otnpayloadtype.h"

namespace {

constexpr int cellFontPixels = 12;
constexpr int rowHeight = 22;
constexpr int minimumColumnWidth = 22;
constexpr int uiTextCharacters = 5109;
constexpr int uiTextHexadecimal = 5110;

} // namespace

CaptureDumpWidget::CaptureDumpWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::CaptureDumpWidget>())
{
    ui->setupUi(this);
    QTableWidget *table = ui->tblDump;
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setMinimumSectionSize(minimumColumnWidth);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
}

CaptureDumpWidget::~CaptureDumpWidget() = default;

CaptureDumpWidget *CaptureDumpWidget::createIn(QWidget *placeholder, int cellsPerRow)
{
    auto *dump = new CaptureDumpWidget(placeholder);
    dump->setCellsPerRow(cellsPerRow);
    auto *layout = new QVBoxLayout(placeholder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(dump);
    return dump;
}

void CaptureDumpWidget::fillFormatChoice(QComboBox *combo, const WidgetText &texts)
{
    if (!combo)
        return;
    combo->clear();
    combo->addItem(texts.getUiText(uiTextCharacters, 0));
    combo->addItem(texts.getUiText(uiTextHexadecimal, 0));
    combo->setCurrentIndex(0);
}

void CaptureDumpWidget::setCellsPerRow(int cells)
{
    cells = qMax(1, cells);
    if (cells == m_cellsPerRow)
        return;
    m_cellsPerRow = cells;
    redraw();
}

void CaptureDumpWidget::setFormat(int format)
{
    m_format = format;
    redraw();
}

void CaptureDumpWidget::showBytes(int length, const char *bytes)
{
    m_block = (bytes && length > 0) ? QByteArray(bytes, length) : QByteArray();
    redraw();
}

void CaptureDumpWidget::showBytes(const QByteArray &bytes)
{
    showBytes(bytes.size(), bytes.constData());
}

QString CaptureDumpWidget::cellText(quint8 byte) const
{
    if (m_format == Characters)
        return maskNonPrintable(QString(QChar(byte)));
    return hexByte(byte);
}

void CaptureDumpWidget::redraw()
{
    QTableWidget *table = ui->tblDump;
    const int count = m_block.size();
    const int rows = (count + m_cellsPerRow - 1) / m_cellsPerRow;
    table->clear();
    table->setShowGrid(false);
    table->setRowCount(rows);
    table->setColumnCount(m_cellsPerRow);
    QFont font = table->font();
    font.setPixelSize(cellFontPixels);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < m_cellsPerRow; ++column) {
            auto *item = new QTableWidgetItem;
            item->setFont(font);
            item->setTextAlignment(Qt::AlignCenter);
            const int index = row * m_cellsPerRow + column;
            if (index < count)
                item->setText(cellText(quint8(m_block.at(index))));
            table->setItem(row, column, item);
        }
    }
}
