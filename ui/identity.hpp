#pragma once

#include <QIcon>
#include <QString>

// What the splash and the main window both show of the program: its caption and its picture.

namespace ui {

// The caption: the version, then the program's name. RESOMAR_VERSION comes from project() in
// CMake.
[[nodiscard]] inline QString programCaption()
{
    return QStringLiteral("v%1 %2").arg(
        QStringLiteral(RESOMAR_VERSION), QStringLiteral("Resomar "));
}

// The program's picture: a computer, drawn 32 pixels square, with doubled drawings for dense
// screens.
[[nodiscard]] inline QIcon programIcon()
{
    QIcon icon;
    for (const int size : {32, 64, 128})
        icon.addFile(QStringLiteral(":/icons/resomar-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace ui
