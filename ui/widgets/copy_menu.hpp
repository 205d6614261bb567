#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPoint;

namespace ui {

// Lets the user take a result away through the clipboard, whether its widget is enabled or not
// (a disabled box still gets the right click, through this filter). Each maker attaches one to
// the widgets it names; the filter lives as long as the first of them.
class CopyMenu : public QObject
{
    Q_OBJECT

public:
    // The subnet list: Ctrl+A selects every line, Ctrl+C copies the selected lines in the order
    // shown, one per line; a right click offers "Copier" (the selection) and "Tout copier".
    static void attach(QListWidget *list);
    // One result in a label or a box: a right click offers "Copier", the whole text. A box that
    // is enabled keeps Qt's own menu, with "Tout copier" added to it.
    static void attach(QLabel *label);
    static void attach(QLineEdit *box);
    // One result spread over several boxes, such as a byte in eight bit boxes: a right click on
    // any of them offers "Copier", their texts end to end.
    static void attach(const std::vector<QLineEdit *> &row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit CopyMenu(QObject *parent, std::function<QString()> whole);

    [[nodiscard]] QMenu *menuFor(QWidget *widget);
    static void copy(const QString &text);

    std::function<QString()> whole_;
    QListWidget *list_ = nullptr;
};

} // namespace ui
