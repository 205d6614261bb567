#include "look.hpp"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionTab>

namespace ui {
namespace {

// Fusion, but with the tab control painted in the window's own grey, as a raised classic edge:
// Fusion fills the pane and the selected tab with a lighter grey of its own, which would set
// every page apart from the window it lies on.
class ClassicStyle : public QProxyStyle
{
public:
    ClassicStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    { }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget) const override
    {
        if (element != PE_FrameTabWidget) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QRect r = option->rect;
        painter->save();
        painter->fillRect(r, option->palette.window());
        drawRaisedEdge(*painter, r);
        painter->restore();
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget) const override
    {
        const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
        if (element != CE_TabBarTabShape || !tab || tab->shape != QTabBar::RoundedNorth) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // The selected tab stands two pixels higher and runs into the page below it, over the
        // pane's top edge; the others stop on that edge.
        const int overlap = pixelMetric(PM_TabBarBaseOverlap, option, widget);
        QRect r = tab->rect;
        if (!(tab->state & State_Selected))
            r.adjust(0, 2, 0, -overlap);
        painter->save();
        painter->fillRect(r.adjusted(1, 1, -1, 0), tab->palette.window());
        painter->setPen(Qt::white);
        painter->drawLine(r.left(), r.top() + 2, r.left(), r.bottom());
        painter->drawPoint(r.left() + 1, r.top() + 1);
        painter->drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
        painter->setPen(kShadow);
        painter->drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom());
        painter->setPen(Qt::black);
        painter->drawLine(r.right(), r.top() + 2, r.right(), r.bottom());
        painter->drawPoint(r.right() - 1, r.top() + 1);
        painter->restore();
    }
};

} // namespace

void drawRaisedEdge(QPainter &painter, const QRect &rect)
{
    const QRect &r = rect;
    painter.setPen(Qt::white);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(Qt::black);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(kShadow);
    painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
}

QFont classicFont(double points, bool bold, Face face)
{
#ifdef Q_OS_WIN
    // Windows has faces of the classic names, of other widths than those the layout is fitted to:
    // there the program carries the Liberation fonts and asks for them by name.
    QFont result(face == Face::Serif ? QStringLiteral("Liberation Serif")
                                     : QStringLiteral("Liberation Sans"));
#else
    QFont result(
        face == Face::Serif ? QStringLiteral("MS Serif") : QStringLiteral("MS Sans Serif"));
#endif
    result.setPixelSize(qRound(points * 96.0 / 72.0));
    result.setBold(bold);
    // The free sans runs about four per cent wider than the face the layout was measured with.
    if (face == Face::Sans)
        result.setStretch(96);
    return result;
}

void applyLook(QApplication &app)
{
    // Liberation Sans and Serif share the widths of the fonts the layout was measured with
    // closely enough for every caption to fit its box.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    // Built into the Windows program (packaging/windows); Linux has them installed.
    const QDir carried(QStringLiteral(":/fonts"));
    for (const QString &file : carried.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(carried.filePath(file));
    QApplication::setStyle(new ClassicStyle);

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
        palette.setColor(QPalette::Disabled, role, kShadow);
    app.setPalette(palette);
    app.setFont(regular());
}

} // namespace ui
