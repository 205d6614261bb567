#pragma once

#include <QColor>
#include <QFont>

class QApplication;

namespace ui {

// The classic grey of every window and panel.
inline const QColor kGrey {192, 192, 192};

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

// Style, palette, font mapping and default font, for the program and for its tests alike.
void applyLook(QApplication &app);

} // namespace ui
