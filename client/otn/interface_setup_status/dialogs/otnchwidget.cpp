#include "otnchwidget.h"
#include "ui_otnchwidget.h"

#include <algorithm>

#include <QPushButton>
#include <QSignalMapper>

namespace {
constexpr int numberedCellSize = 24;
constexpr int plainCellSize = 9;
} // namespace

constexpr char OtnChWidget::setStyle[];
constexpr char OtnChWidget::clearStyle[];

OtnChWidget::OtnChWidget(int cellCount, int columns, bool numbered, bool toggle, bool inverted, bool checkable,
                         int maximum, QWidget *parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::OtnChWidget>()),
      m_mapper(new QSignalMapper),
      m_columns(columns),
      m_maximum(maximum),
      m_numbered(numbered),
      m_toggle(toggle),
      m_inverted(inverted),
      m_checkable(checkable)
{
    ui->setupUi(this);
    // The cells keep their size: a grid squeezed below its hint would cut the cell texts.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const int count = qMax(0, cellCount);
    const int perRow = columns > 0 ? columns : qMax(1, count);
    const QSize size = cellSize();
    if (!m_toggle) {
        setStyleSheet(QStringLiteral("QPushButton { min-width: %1px; min-height: %2px; }")
                          .arg(size.width() - 10)
                          .arg(size.height() - 6));
    }

    m_cells.reserve(count);
    m_states.fill(false, count);
    for (int i = 0; i < count; ++i) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("pbCell%1").arg(i));
        button->setFixedSize(size);
        button->setFocusPolicy(Qt::NoFocus);
        if (m_numbered)
            button->setText(QString::number(i + 1));
        ui->gLayoutCells->addWidget(button, i / perRow, i % perRow);
        m_cells.append(button);
        m_mapper->setMapping(button, i);
        connect(button, &QPushButton::clicked, m_mapper.get(), QOverload<>::of(&QSignalMapper::map));
        applyStoredState(i);
    }
    connect(m_mapper.get(), &QSignalMapper::mappedInt, this, &OtnChWidget::slotCellClicked);
}

OtnChWidget::~OtnChWidget() = default;

QSize OtnChWidget::cellSize() const
{
    return m_numbered ? QSize(numberedCellSize, numberedCellSize) : QSize(plainCellSize, plainCellSize);
}

void OtnChWidget::applyStoredState(int index)
{
    QPushButton *button = m_cells.at(index);
    const bool stored = m_states.at(index);
    const QString &style = stored ? m_setStyle : m_clearStyle;
    if (button->styleSheet() != style)
        button->setStyleSheet(style);
    button->setCheckable(m_checkable && stored);
    button->setChecked(stored);
    button->update();
}

void OtnChWidget::setCellState(int index, bool state)
{
    if (!isValidIndex(index))
        return;
    m_states[index] = state != m_inverted;
    applyStoredState(index);
}

bool OtnChWidget::cellState(int index) const
{
    if (!isValidIndex(index))
        return false;
    return m_states.at(index) != m_inverted;
}

void OtnChWidget::setAllCells(bool state)
{
    for (int i = 0; i < m_states.size(); ++i)
        setCellState(i, state);
}

int OtnChWidget::setCellCount() const
{
    return int(std::count(m_states.cbegin(), m_states.cend(), true));
}

void OtnChWidget::setBits(const QBitArray &bits)
{
    const int count = qMin(bits.size(), m_states.size());
    for (int i = 0; i < count; ++i)
        setCellState(i, bits.testBit(i));
}

QBitArray OtnChWidget::bits() const
{
    QBitArray result(m_states.size());
    for (int i = 0; i < m_states.size(); ++i)
        result.setBit(i, cellState(i));
    return result;
}

QByteArray OtnChWidget::setCellBytes() const
{
    QByteArray bytes;
    for (int i = 0; i < m_states.size(); ++i) {
        if (m_states.at(i))
            bytes.append(char(i + 1));
    }
    return bytes;
}

void OtnChWidget::setMask(quint32 mask)
{
    if (m_states.size() > 32)
        return;
    for (int i = 0; i < m_states.size(); ++i)
        setCellState(i, (mask >> i) & 1u);
}

quint32 OtnChWidget::mask() const
{
    if (m_states.size() > 32)
        return 0;
    quint32 result = 0;
    for (int i = 0; i < m_states.size(); ++i) {
        if (cellState(i))
            result |= 1u << i;
    }
    return result;
}

void OtnChWidget::copyCells(const OtnChWidget &other)
{
    setMask(other.mask());
}

void OtnChWidget::setToggle(bool toggle)
{
    m_toggle = toggle;
}

void OtnChWidget::setStyleSheets(const QString &setStyleSheet, const QString &clearStyleSheet)
{
    m_setStyle = setStyleSheet;
    m_clearStyle = clearStyleSheet;
    for (int i = 0; i < m_cells.size(); ++i)
        applyStoredState(i);
}

void OtnChWidget::setCellText(int index, const QString &text)
{
    if (isValidIndex(index))
        m_cells.at(index)->setText(text);
}

void OtnChWidget::setCellStyleSheet(int index, const QString &styleSheet)
{
    if (isValidIndex(index))
        m_cells.at(index)->setStyleSheet(styleSheet);
}

void OtnChWidget::setCellEnabled(int index, bool enabled)
{
    if (isValidIndex(index))
        m_cells.at(index)->setEnabled(enabled);
}

QPushButton *OtnChWidget::cell(int index) const
{
    return isValidIndex(index) ? m_cells.at(index) : nullptr;
}

void OtnChWidget::slotCellClicked(int index)
{
    if (!isValidIndex(index))
        return;
    // A checkable button flips its own check mark on a click; only the state operations may change it.
    m_cells.at(index)->setChecked(m_states.at(index));
    if (m_toggle) {
        const bool stored = m_states.at(index);
        if (!stored && setCellCount() >= m_maximum)
            return;
        setCellState(index, !cellState(index));
        emit clicked();
        return;
    }
    emit cellClicked(index);
    emit clicked();
}
