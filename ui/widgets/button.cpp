#include "button.hpp"

#include "ui/look.hpp"

#include <QPainter>

namespace ui {

void Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    // A flat face in the button's back colour inside a classic raised edge: light on the top and
    // left, a black outline and a shadow line on the bottom and right; pressed, a black outline
    // around a shadow line.
    painter.fillRect(r, palette().button());
    if (isDown()) {
        painter.setPen(Qt::black);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setPen(kShadow);
        painter.drawRect(r.adjusted(1, 1, -2, -2));
    } else {
        drawRaisedEdge(painter, r);
    }

    // The caption's own blanks are kept; only where it meets the edge does it wrap. A disabled
    // caption is greyed and embossed.
    const QRect area = r.adjusted(4, 3, -4, -3).translated(isDown() ? QPoint(1, 1) : QPoint());
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.setFont(font());
    if (!isEnabled()) {
        painter.setPen(Qt::white);
        painter.drawText(area.translated(1, 1), flags, text().trimmed());
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, flags, text().trimmed());
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

} // namespace ui
