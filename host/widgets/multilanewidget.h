#pragma once

#include <QBitArray>
#include <QList>
#include <QWidget>

#include "host/hostexport.h"

class QGridLayout;
class QPushButton;

// A row (or rows) of lane toggles, one per bit; the user's toggles are reported by lanesEdited().
// With singleLane exactly one lane is on: pressing a lane switches the others off.
class ZELBASE_EXPORT MultiLaneWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MultiLaneWidget(QWidget *parent = nullptr, bool singleLane = false);

    // Shows bits (one toggle per bit) laid out lanesPerRow to a row, numbered from firstNumber.
    void setBits(const QBitArray &bits, int firstNumber = 1, int lanesPerRow = 5);
    QBitArray bits() const;
    void setShowNumbers(bool show);
    bool showNumbers() const { return m_showNumbers; }
    int laneCount() const { return m_buttons.size(); }
    QPushButton *laneButton(int index) const { return m_buttons.value(index); }

signals:
    void lanesEdited();

private:
    void rebuild(int count, int lanesPerRow);
    void laneClicked(int index);
    void updateTexts();

    QGridLayout *m_layout = nullptr;
    QList<QPushButton *> m_buttons;
    int m_firstNumber = 1;
    int m_lanesPerRow = 5;
    bool m_showNumbers = true;
    bool m_singleLane = false;
};
