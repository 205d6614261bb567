#include "text_box.hpp"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace ui {

bool TextBox::pasteLarge(QClipboard::Mode mode)
{
    if (isReadOnly() || !isEnabled())
        return false;
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (clip.size() <= kLargePaste)
        return false;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QString replaced = text();
    replaced.replace(start, static_cast<int>(selectedText().size()), clip);
    setText(replaced);
    setCursorPosition(start + static_cast<int>(clip.size()));
    return true;
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) && pasteLarge(QClipboard::Clipboard)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection where the platform has one (X11).
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && pasteLarge(QClipboard::Selection)) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

QMenu *TextBox::standardMenu()
{
    QMenu *menu = createStandardContextMenu();
    // The line edit names its paste action in its own words, and its shortcut after a tab.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text() != pasteText && !action->text().startsWith(pasteText + u'\t'))
            continue;
        action->disconnect(this);
        connect(action, &QAction::triggered, this, [this] {
            if (!pasteLarge(QClipboard::Clipboard))
                QLineEdit::paste();
        });
    }
    return menu;
}

void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    // As the line edit does: the menu pops up and goes away by itself once closed.
    QMenu *menu = standardMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace ui
