#pragma once

#include <QColor>
#include <QFont>

class QApplication;
class QPainter;
class QRect;

namespace ui {

// The classic grey of every window and panel.
inline const QColor kGrey {192, 192, 192};
// The shadow side of every classic edge, and greyed text.
inline const QColor kShadow {128, 128, 128};

enum class Face { Sans, Serif };

// The fonts the windows were drawn with, at their point sizes for 96 dots per inch. The two
// families are mapped once, in applyLook(), to free fonts of close metrics.
[[nodiscard]] QFont classicFont(double points, bool bold = false, Face face = Face::Sans);
[[nodiscard]] inline QFont bold()
{
    return classicFont(8.25, true);
}
[[nodiscard]] inline QFont regular()
{
    return classicFont(8.25);
}

// The classic raised edge inside rect: white on the top and left, a black outline and a shadow
// line inside it on the bottom and right.
void drawRaisedEdge(QPainter &painter, const QRect &rect);

// Style, palette, font mapping and default font, for the program and for its tests alike.
void applyLook(QApplication &app);

} // namespace ui
