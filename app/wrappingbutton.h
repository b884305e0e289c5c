#pragma once

#include <QPushButton>
#include <QStringList>

class QFontMetrics;

// A push button whose text breaks into lines after a " - " separator where the button is too narrow
// for one line: the navigation summary of a multiplex structure grows with every stage and must be
// read whole, not cut, in a narrow column.
class WrappingButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrappingButton(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // The text in lines no wider than width where it can be; a part wider than width alone stays whole.
    static QStringList wrappedLines(const QString &text, const QFontMetrics &metrics, int width);
    // The lines the button shows at its current width.
    QStringList lines() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Room the style puts around the text.
    QSize frameAround() const;
    QSize sizeForTextWidth(int textWidth) const;
};
