#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

namespace test {

// What the window system sends on a right click in the middle of a widget: a context menu event
// to the widget under the pointer (a list's viewport, a disabled box), passed up through its
// parents until one takes it. QTest's mouse functions send the mouse events only.
inline void rightClick(QWidget *widget)
{
    const QPoint centre = widget->rect().center();
    QWidget *under = widget->childAt(centre);
    QWidget *target = under ? under : widget;
    const QPoint at = target->mapFrom(widget, centre);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
}

// The menu on show, if any.
inline QMenu *openMenu()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

} // namespace test
