#include "button.hpp"

#include "ui/look.hpp"

#include <QImage>
#include <QPainter>

namespace ui {
namespace {

// Where, in device pixels, Qt draws the access key's underline of a caption (what differs between
// the caption drawn with it and without it), one logical pixel below the letter's lowest ink as at
// scale 1: Qt's own place may touch a bottom bar (the E of "&Effacer", the S of "&Slash").
QRect underlineOf(const QWidget &widget, const QRect &area, int flags, const QString &caption)
{
    const qreal ratio = widget.devicePixelRatioF();
    const auto drawn = [&](int mnemonic) {
        QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(widget.font());
        painter.drawText(area, flags | mnemonic, caption);
        return image;
    };
    const QImage with = drawn(Qt::TextShowMnemonic), without = drawn(Qt::TextHideMnemonic);
    QRect underline;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y))
                underline |= QRect(x, y, 1, 1);
        }
    }
    if (underline.isEmpty())
        return underline;
    int lowest = -1;
    for (int y = 0; y < without.height(); ++y) {
        for (int x = underline.left(); x <= underline.right(); ++x) {
            if (qAlpha(without.pixel(x, y)) != 0)
                lowest = y;
        }
    }
    const int gap = qRound(ratio);
    if (lowest >= 0 && underline.top() <= lowest + gap)
        underline.moveTop(lowest + gap + 1);
    return underline;
}

} // namespace

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
    const QString caption = text().trimmed();
    // Deliberate: on a scaled screen Qt's underline grows with the text and merges with the
    // letter's tail (the Q of "&Quitter"); there it is one device pixel thick, where Qt's starts.
    const qreal ratio = devicePixelRatioF();
    const int wrapped = Qt::AlignCenter | Qt::TextWordWrap;
    const int flags = wrapped | (ratio > 1 ? Qt::TextHideMnemonic : Qt::TextShowMnemonic);
    const QRect underline = ratio > 1 ? underlineOf(*this, area, wrapped, caption) : QRect();
    painter.setFont(font());
    const auto draw = [&](QPoint offset, const QColor &colour) {
        painter.setPen(colour);
        painter.drawText(area.translated(offset), flags, caption);
        if (!underline.isEmpty()) {
            painter.fillRect(
                QRectF(underline.left() / ratio + offset.x(), underline.top() / ratio + offset.y(),
                    underline.width() / ratio, 1 / ratio),
                colour);
        }
    };
    if (!isEnabled())
        draw({1, 1}, Qt::white);
    draw({},
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

} // namespace ui
