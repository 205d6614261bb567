#include "access_keys.hpp"

#include <QAbstractButton>
#include <QShortcutEvent>
#include <QTabBar>
#include <QTabWidget>

namespace ui {

TabAccessKeys::TabAccessKeys(QTabWidget *tabs)
    : QObject(tabs)
    , tabs_(tabs)
{
    tabs_->tabBar()->installEventFilter(this);
    for (int i = 0; i < tabs_->count(); ++i) {
        for (QAbstractButton *button : tabs_->widget(i)->findChildren<QAbstractButton *>())
            button->installEventFilter(this);
    }
}

bool TabAccessKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Shortcut)
        return QObject::eventFilter(watched, event);
    const QKeySequence key = static_cast<QShortcutEvent *>(event)->key();
    const int shown = tabs_->currentIndex();
    if (shown < 0)
        return QObject::eventFilter(watched, event);
    for (QAbstractButton *button : tabs_->widget(shown)->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->isEnabled()
            && QKeySequence::mnemonic(button->text()) == key) {
            // What the button does with a key of its own: focus, then a click.
            button->setFocus(Qt::ShortcutFocusReason);
            button->animateClick();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
