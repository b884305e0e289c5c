#include "wrappingbutton.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
const QString separator = QStringLiteral(" - ");
// One line as wide as this is preferred; a longer text wraps.
constexpr int preferredTextWidth = 240;
} // namespace

WrappingButton::WrappingButton(QWidget *parent) : QPushButton(parent)
{
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Preferred);
    policy.setVerticalPolicy(QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QStringList WrappingButton::wrappedLines(const QString &text, const QFontMetrics &metrics, int width)
{
    const QStringList parts = text.split(separator);
    QStringList lines;
    QString line;
    for (int i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        // A broken line keeps its separator's dash, so that the reader sees the text goes on.
        const QString part = last ? parts.at(i) : parts.at(i) + QStringLiteral(" -");
        if (line.isEmpty()) {
            line = part;
            continue;
        }
        const QString joined = line + QLatin1Char(' ') + part;
        if (metrics.horizontalAdvance(joined) <= width) {
            line = joined;
        } else {
            lines.append(line);
            line = part;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}

QStringList WrappingButton::lines() const
{
    // The same room the size was computed with.
    return wrappedLines(text(), fontMetrics(), width() - frameAround().width());
}

QSize WrappingButton::frameAround() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    // Without text: styles widen a button with text to a minimum of their own.
    option.text.clear();
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), this);
}

QSize WrappingButton::sizeForTextWidth(int textWidth) const
{
    const QFontMetrics metrics = fontMetrics();
    const QStringList wrapped = wrappedLines(text(), metrics, textWidth);
    int widest = 0;
    for (const QString &line : wrapped)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const QSize around = frameAround();
    return QSize(widest + around.width(), wrapped.size() * metrics.lineSpacing() + around.height())
        .expandedTo(minimumSize());
}

QSize WrappingButton::sizeHint() const
{
    return sizeForTextWidth(preferredTextWidth);
}

QSize WrappingButton::minimumSizeHint() const
{
    // As narrow as the widest part between two separators.
    return sizeForTextWidth(1);
}

int WrappingButton::heightForWidth(int width) const
{
    return sizeForTextWidth(width - frameAround().width()).height();
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(contents, Qt::AlignCenter, lines().join(QLatin1Char('\n')));
}
