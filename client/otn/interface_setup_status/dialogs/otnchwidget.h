#pragma once

#include <memory>

#include <QBitArray>
#include <QByteArray>
#include <QString>
#include <QVector>
#include <QWidget>

#include "client/otn/otnexport.h"

class QPushButton;
class QSignalMapper;

namespace Ui {
class OtnChWidget;
}

// A grid of small push buttons (cells), one per tributary slot or map position, that either reports
// clicks or toggles its cells within a maximum of set cells.
class ZELOTN_EXPORT OtnChWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr char setStyle[] = "background-color: orange;";
    static constexpr char clearStyle[] = "background-color: gray;";

    // numbered: 24 x 24 cells showing their number (index + 1); toggle: a click toggles the cell instead of
    // reporting it; inverted: the stored (shown) state is the given state exclusive-or this flag;
    // checkable: a set cell is checkable and checked. columns < 1 puts every cell in one row.
    OtnChWidget(int cellCount, int columns, bool numbered, bool toggle, bool inverted, bool checkable, int maximum,
                QWidget *parent = nullptr);
    ~OtnChWidget() override;

    int cellCount() const { return m_states.size(); }
    int columnCount() const { return m_columns; }
    bool isNumbered() const { return m_numbered; }
    bool isToggle() const { return m_toggle; }
    bool isInverted() const { return m_inverted; }
    bool isCheckable() const { return m_checkable; }
    int maximum() const { return m_maximum; }
    QSize cellSize() const;

    void setCellState(int index, bool state);
    bool cellState(int index) const;
    void setAllCells(bool state);
    // Cells whose stored state is set (the set look), whatever the inverted flag.
    int setCellCount() const;

    void setBits(const QBitArray &bits);
    QBitArray bits() const;
    // Set cells (stored state) as TS numbers: index + 1, ascending.
    QByteArray setCellBytes() const;

    // Bit i = state of cell i; only for grids of at most 32 cells (setting does nothing, reading gives 0).
    void setMask(quint32 mask);
    quint32 mask() const;
    void copyCells(const OtnChWidget &other);

    void setToggle(bool toggle);
    void setStyleSheets(const QString &setStyleSheet, const QString &clearStyleSheet);
    void setCellText(int index, const QString &text);
    void setCellStyleSheet(int index, const QString &styleSheet);
    void setCellEnabled(int index, bool enabled);
    QPushButton *cell(int index) const;

signals:
    void clicked();
    void cellClicked(int index);

public slots:
    void slotCellClicked(int index);

private:
    bool isValidIndex(int index) const { return index >= 0 && index < m_states.size(); }
    void applyStoredState(int index);

    std::unique_ptr<Ui::OtnChWidget> ui;
    std::unique_ptr<QSignalMapper> m_mapper;
    QVector<QPushButton *> m_cells;
    QVector<bool> m_states;   // stored states
    QString m_setStyle = QString::fromLatin1(setStyle);
    QString m_clearStyle = QString::fromLatin1(clearStyle);
    int m_columns = 0;
    int m_maximum = 0;
    bool m_numbered = false;
    bool m_toggle = false;
    bool m_inverted = false;
    bool m_checkable = false;
};
