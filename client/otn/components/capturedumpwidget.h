#pragma once

#include <memory>

#include <QByteArray>
#include <QWidget>

#include "client/otn/otnexport.h"

class QComboBox;
class WidgetText;

namespace Ui {
class CaptureDumpWidget;
}

// A block of captured bytes as a grid of cells, as two hexadecimal digits or as characters. The widget
// keeps the block, so that the format can change without a new capture.
class ZELOTN_EXPORT CaptureDumpWidget : public QWidget
{
    Q_OBJECT
public:
    // Any format other than Characters shows hexadecimal.
    enum Format { Characters = 0, Hexadecimal = 1 };

    explicit CaptureDumpWidget(QWidget *parent = nullptr);
    ~CaptureDumpWidget() override;

    // A dump view filling the placeholder widget of a form.
    static CaptureDumpWidget *createIn(QWidget *placeholder, int cellsPerRow);
    // The format choice of a capture view: characters (UI text 5109), then hexadecimal (5110).
    static void fillFormatChoice(QComboBox *combo, const WidgetText &texts);

    // At least one cell per row.
    void setCellsPerRow(int cells);
    int cellsPerRow() const { return m_cellsPerRow; }
    void setFormat(int format);
    int format() const { return m_format; }

    // Copies and shows the first length bytes.
    void showBytes(int length, const char *bytes);
    void showBytes(const QByteArray &bytes);
    QByteArray bytes() const { return m_block; }

private:
    void redraw();
    QString cellText(quint8 byte) const;

    std::unique_ptr<Ui::CaptureDumpWidget> ui;
    int m_cellsPerRow = 16;
    int m_format = Characters;
    QByteArray m_block;
};
