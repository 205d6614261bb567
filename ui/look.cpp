#include "look.hpp"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace ui {

QFont classicFont(double points, bool bold, Face face)
{
    QFont result(
        face == Face::Serif ? QStringLiteral("MS Serif") : QStringLiteral("MS Sans Serif"));
    result.setPixelSize(qRound(points * 96.0 / 72.0));
    result.setBold(bold);
    // The free sans runs about four per cent wider than the face the layout was measured with.
    if (face == Face::Sans)
        result.setStretch(96);
    return result;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {32, 64, 128})
        icon.addFile(QStringLiteral(":/icons/resomar-%1.png").arg(size), QSize(size, size));
    return icon;
}

void applyLook(QApplication &app)
{
    // Liberation Sans and Serif share the widths of the fonts the layout was measured with
    // closely enough for every caption to fit its box.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QPalette palette = QApplication::style()->standardPalette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, kGrey);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    // A locked box shows its text greyed on grey, still readable.
    palette.setColor(QPalette::Disabled, QPalette::Base, kGrey);
    for (const QPalette::ColorRole role :
        {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    app.setPalette(palette);
    app.setFont(regular());
}

} // namespace ui
