#include "portstatusitem.h"

#include <QPainter>
#include <QRadialGradient>

namespace {
QColor stateColor(PortStatusItem::State state)
{
    switch (state) {
    case PortStatusItem::Ok:
        return QColor(0, 200, 0);
    case PortStatusItem::Alarm:
        return QColor(230, 0, 0);
    case PortStatusItem::History:
        return QColor(240, 210, 0);
    case PortStatusItem::Off:
        break;
    }
    return QColor(150, 150, 150);
}
} // namespace

PortStatusItem::PortStatusItem(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PortStatusItem::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    update();
    emit stateChanged(int(state));
}

QSize PortStatusItem::sizeHint() const
{
    return QSize(20, 20);
}

void PortStatusItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 2;
    if (side <= 0)
        return;
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    const QColor base = isEnabled() ? stateColor(m_state) : stateColor(Off).lighter(130);
    // A highlight towards the top left makes the flat disc read as a lamp.
    QRadialGradient gradient(circle.center() - QPointF(side / 5.0, side / 5.0), side / 1.4);
    gradient.setColorAt(0.0, base.lighter(170));
    gradient.setColorAt(1.0, base.darker(120));
    painter.setPen(QPen(base.darker(180), 1.0));
    painter.setBrush(gradient);
    painter.drawEllipse(circle);
}
