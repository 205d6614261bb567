#include "panel_3d.hpp"

#include "ui/look.hpp"

#include <QPainter>

namespace ui {
namespace {

constexpr int kBorder = 3;

// A one-pixel bevel around rect: light on the top and left edges when raised, dark when inset.
void drawBevel(QPainter &painter, const QRect &rect, Panel3D::Bevel bevel)
{
    if (bevel == Panel3D::Bevel::None)
        return;
    const QColor light = Qt::white, dark = kShadow;
    const bool raised = bevel == Panel3D::Bevel::Raised;
    painter.setPen(raised ? light : dark);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(raised ? dark : light);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

void Panel3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    drawBevel(painter, rect(), outer_);
    const QRect inside = rect().adjusted(1 + kBorder, 1 + kBorder, -1 - kBorder, -1 - kBorder);
    drawBevel(painter, inside, inner_);
    if (caption().isEmpty())
        return;

    painter.setPen(captionColor());
    painter.setFont(font());
    // Inside the bevels and the border; the caption may touch the border's blank band.
    const int inset = 2 + (inner_ == Bevel::None ? 0 : 3);
    const QRect area = rect().adjusted(inset, inset, -inset, -inset);
    switch (placement_) {
    case Placement::TopCenter:
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, caption());
        break;
    case Placement::TopLeft:
        painter.drawText(area.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption());
        break;
    case Placement::LeftMiddle:
        painter.drawText(area.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption());
        break;
    }
}

} // namespace ui
