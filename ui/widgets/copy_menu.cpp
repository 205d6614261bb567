#include "copy_menu.hpp"

#include "ui/widgets/text_box.hpp"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

namespace ui {
namespace {

QString lines(const QListWidget *list, bool selectedOnly)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem *item = list->item(row);
        if (!selectedOnly || item->isSelected())
            result << item->text();
    }
    return result.join('\n');
}

} // namespace

CopyMenu::CopyMenu(QObject *parent, std::function<QString()> whole)
    : QObject(parent)
    , whole_(std::move(whole))
{ }

void CopyMenu::attach(QListWidget *list)
{
    list->setSelectionMode(QAbstractItemView::ExtendedSelection); // Ctrl+A, Shift and Ctrl clicks
    auto *filter = new CopyMenu(list, [list] { return lines(list, false); });
    filter->list_ = list;
    list->installEventFilter(filter);
}

void CopyMenu::attach(QLabel *label)
{
    label->installEventFilter(new CopyMenu(label, [label] { return label->text(); }));
}

void CopyMenu::attach(QLineEdit *box)
{
    box->installEventFilter(new CopyMenu(box, [box] { return box->text(); }));
}

void CopyMenu::attach(const std::vector<QLineEdit *> &row)
{
    auto *filter = new CopyMenu(row.front(), [row] {
        QString text;
        for (const QLineEdit *box : row)
            text += box->text().trimmed();
        return text;
    });
    for (QLineEdit *box : row)
        box->installEventFilter(filter);
}

void CopyMenu::copy(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

QMenu *CopyMenu::menuFor(QWidget *widget)
{
    if (list_) {
        auto *menu = new QMenu(widget);
        QAction *selection
            = menu->addAction(tr("&Copier"), this, [this] { copy(lines(list_, true)); });
        selection->setEnabled(!list_->selectedItems().isEmpty());
        menu->addAction(tr("&Tout copier"), this, [this] { copy(whole_()); });
        return menu;
    }
    auto *box = qobject_cast<QLineEdit *>(widget);
    if (box && box->isEnabled()) {
        auto *textBox = qobject_cast<TextBox *>(box);
        QMenu *menu = textBox ? textBox->standardMenu() : box->createStandardContextMenu();
        menu->addSeparator();
        menu->addAction(tr("&Tout copier"), this, [this] { copy(whole_()); });
        return menu;
    }
    auto *menu = new QMenu(widget);
    menu->addAction(tr("&Copier"), this, [this] { copy(whole_()); });
    return menu;
}

bool CopyMenu::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        QMenu *menu = menuFor(widget);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    // The list's own Ctrl+C copies the current line only.
    if (list_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copy(lines(list_, true));
        return true;
    }
    return false;
}

} // namespace ui
