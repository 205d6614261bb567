#include "line_shape.hpp"

#include "ui/twips.hpp"

#include <QPainter>

namespace ui {

LineShape::LineShape(QWidget *container)
    : QWidget(container)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(container->rect());
    // A line is drawn on its container's surface: every widget placed on the container, before
    // or after the line, lies above it.
    lower();
}

void LineShape::setColor(const QColor &color)
{
    color_ = color;
    update(extent());
}

void LineShape::moved()
{
    // A line that moves while the event loop is blocked is redrawn by repaintNow(); otherwise
    // the next paint picks it up.
    update(painted_.united(extent()));
}

QRect LineShape::extent() const
{
    const QPoint from(px(x1_), px(y1_)), to(px(x2_), px(y2_));
    const int margin = width_ + 1;
    return QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
}

void LineShape::repaintNow()
{
    const QRect dirty = painted_.united(extent());
    if (QWidget *container = parentWidget(); container && isVisible())
        container->repaint(dirty);
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(color_, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(px(x1_), px(y1_)), QPointF(px(x2_), px(y2_)));
    painted_ = extent();
}

} // namespace ui
