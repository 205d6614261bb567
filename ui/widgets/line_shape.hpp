#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// A straight line between two end points given in twips in its container's coordinates. It
// covers the whole container under the container's other widgets, lets the mouse through, and
// paints only the line.
class LineShape : public QWidget
{
    Q_OBJECT

public:
    // Covers the container as it is sized now.
    explicit LineShape(QWidget *container);

    // The end points and the pen, as properties for the animation and the tests.
    Q_PROPERTY(double x1 READ x1 WRITE setX1)
    Q_PROPERTY(double y1 READ y1 WRITE setY1)
    Q_PROPERTY(double x2 READ x2 WRITE setX2)
    Q_PROPERTY(double y2 READ y2 WRITE setY2)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(int lineWidth READ lineWidth WRITE setLineWidth)

    [[nodiscard]] double x1() const { return x1_; }
    [[nodiscard]] double y1() const { return y1_; }
    [[nodiscard]] double x2() const { return x2_; }
    [[nodiscard]] double y2() const { return y2_; }
    // Each setter moves the line (the comma keeps them one line each).
    void setX1(double twips) { x1_ = twips, moved(); }
    void setY1(double twips) { y1_ = twips, moved(); }
    void setX2(double twips) { x2_ = twips, moved(); }
    void setY2(double twips) { y2_ = twips, moved(); }
    [[nodiscard]] QColor color() const { return color_; }
    void setColor(const QColor &color);
    [[nodiscard]] int lineWidth() const { return width_; }
    void setLineWidth(int pixels) { width_ = pixels, moved(); }

    // Paints at once both where the line was last painted and where it is now, without waiting
    // for the event loop.
    void repaintNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    [[nodiscard]] QRect extent() const;
    void moved();

    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor color_ {Qt::black};
    int width_ = 1;
    QRect painted_;
};

} // namespace ui
