#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>

namespace ui {

// The inventory gives every position in twips; 15 twips make one pixel at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;

[[nodiscard]] inline int px(double twips)
{
    return qRound(twips / kTwipsPerPixel);
}
[[nodiscard]] inline double twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// Left, top, width and height in twips, as the inventory lists them.
struct Twips
{
    int left, top, width, height;

    [[nodiscard]] QRect toPixels() const { return {px(left), px(top), px(width), px(height)}; }
};

} // namespace ui
