#include "multilanewidget.h"

#include <QGridLayout>
#include <QPushButton>

MultiLaneWidget::MultiLaneWidget(QWidget *parent, bool singleLane)
    : QWidget(parent), m_layout(new QGridLayout(this)), m_singleLane(singleLane)
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(2);
}

void MultiLaneWidget::setBits(const QBitArray &bits, int firstNumber, int lanesPerRow)
{
    lanesPerRow = qMax(1, lanesPerRow);
    if (bits.size() != m_buttons.size() || lanesPerRow != m_lanesPerRow)
        rebuild(bits.size(), lanesPerRow);
    if (firstNumber != m_firstNumber) {
        m_firstNumber = firstNumber;
        updateTexts();
    }
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setChecked(bits.testBit(i));
}

QBitArray MultiLaneWidget::bits() const
{
    QBitArray result(m_buttons.size());
    for (int i = 0; i < m_buttons.size(); ++i)
        result.setBit(i, m_buttons.at(i)->isChecked());
    return result;
}

void MultiLaneWidget::setShowNumbers(bool show)
{
    if (show == m_showNumbers)
        return;
    m_showNumbers = show;
    updateTexts();
}

void MultiLaneWidget::rebuild(int count, int lanesPerRow)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_lanesPerRow = lanesPerRow;
    for (int i = 0; i < count; ++i) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("pbLane%1").arg(i));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        connect(button, &QPushButton::clicked, this, [this, i] { laneClicked(i); });
        m_layout->addWidget(button, i / lanesPerRow, i % lanesPerRow);
        m_buttons.append(button);
    }
    updateTexts();
}

void MultiLaneWidget::updateTexts()
{
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setText(m_showNumbers ? QString::number(m_firstNumber + i) : QString());
}

void MultiLaneWidget::laneClicked(int index)
{
    if (m_singleLane) {
        // The pressed lane stays on (pressing it again does not leave the widget without a lane).
        for (int i = 0; i < m_buttons.size(); ++i)
            m_buttons.at(i)->setChecked(i == index);
    }
    emit lanesEdited();
}
