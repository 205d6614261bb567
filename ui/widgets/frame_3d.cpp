#include "frame_3d.hpp"

#include "ui/look.hpp"

#include <QPainter>

namespace ui {

void Frame3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect etch = rect().adjusted(0, top, -2, -2);
    painter.setPen(kShadow);
    painter.drawRect(etch);
    painter.setPen(Qt::white);
    painter.drawRect(etch.translated(1, 1));
    if (caption().isEmpty())
        return;

    // The caption interrupts the etched line, on the frame's own background.
    const QRect text(8, 0, metrics.horizontalAdvance(caption()), metrics.height());
    painter.fillRect(text.adjusted(-2, 0, 2, 0), backColor());
    painter.setPen(captionColor());
    painter.setFont(font());
    painter.drawText(text.adjusted(0, 0, 2, 0), Qt::AlignLeft | Qt::AlignTop, caption());
}

} // namespace ui
