#include "frame_3d.hpp"

#include "look.hpp"

#include <QPainter>

namespace ui {

Frame3D::Frame3D(QWidget *parent)
    : QWidget(parent)
    , backColor_(kGrey)
{ }

void Frame3D::setCaption(const QString &caption)
{
    caption_ = caption;
    update();
}

void Frame3D::setCaptionColor(const QColor &color)
{
    captionColor_ = color;
    update();
}

void Frame3D::setBackColor(const QColor &color)
{
    backColor_ = color;
    update();
}

void Frame3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect etch = rect().adjusted(0, top, -2, -2);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(etch);
    painter.setPen(Qt::white);
    painter.drawRect(etch.translated(1, 1));
    if (caption_.isEmpty())
        return;

    const QRect text
        = metrics.boundingRect(caption_).translated(8, -metrics.boundingRect(caption_).top());
    painter.fillRect(text.adjusted(-2, 0, 2, 0), backColor_);
    painter.setPen(captionColor_);
    painter.setFont(font());
    painter.drawText(text.adjusted(0, 0, 2, 0), Qt::AlignLeft | Qt::AlignTop, caption_);
}

} // namespace ui
