#include "panel_3d.hpp"

#include "look.hpp"

#include <QPainter>

namespace ui {
namespace {

constexpr int kBorder = 3;

// A one-pixel bevel around rect: light on the top and left edges when raised, dark when inset.
void drawBevel(QPainter &painter, const QRect &rect, Panel3D::Bevel bevel)
{
    if (bevel == Panel3D::Bevel::None)
        return;
    const QColor light = Qt::white, dark {128, 128, 128};
    const bool raised = bevel == Panel3D::Bevel::Raised;
    painter.setPen(raised ? light : dark);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(raised ? dark : light);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

Panel3D::Panel3D(QWidget *parent)
    : QWidget(parent)
    , backColor_(kGrey)
{ }

void Panel3D::setCaption(const QString &caption)
{
    caption_ = caption;
    update();
}

void Panel3D::setCaptionColor(const QColor &color)
{
    captionColor_ = color;
    update();
}

void Panel3D::setBackColor(const QColor &color)
{
    backColor_ = color;
    update();
}

void Panel3D::setPlacement(Placement placement)
{
    placement_ = placement;
    update();
}

void Panel3D::setOuterBevel(Bevel bevel)
{
    outer_ = bevel;
    update();
}

void Panel3D::setInnerBevel(Bevel bevel)
{
    inner_ = bevel;
    update();
}

void Panel3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    drawBevel(painter, rect(), outer_);
    const QRect inside = rect().adjusted(1 + kBorder, 1 + kBorder, -1 - kBorder, -1 - kBorder);
    drawBevel(painter, inside, inner_);
    if (caption_.isEmpty())
        return;

    painter.setPen(captionColor_);
    painter.setFont(font());
    // Inside the bevels and the border; the caption may touch the border's blank band.
    const int inset = 2 + (inner_ == Bevel::None ? 0 : 3);
    const QRect area = rect().adjusted(inset, inset, -inset, -inset);
    switch (placement_) {
    case Placement::TopCenter:
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, caption_);
        break;
    case Placement::TopLeft:
        painter.drawText(area.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption_);
        break;
    case Placement::LeftMiddle:
        painter.drawText(area.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption_);
        break;
    }
}

} // namespace ui
