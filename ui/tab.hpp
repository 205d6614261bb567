#pragma once

#include <QObject>
#include <QString>
#include <span>

class QPushButton;
class QWidget;

namespace ui {

class Inventory;
class MessageBoxes;
class Pace;

// What a tab is given to build itself: the page it fills, the window's inventory, which places its
// widgets and puts them in the window's one focus order by their numbers, the message boxes and
// the pace of its animations.
struct TabContext
{
    QWidget *canvas;
    Inventory &inventory;
    MessageBoxes &messages;
    Pace &pace;
};

// One page of the main window. The main window knows a tab through this alone.
class Tab : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The tab's caption, with its access key after "&", in the user's language.
    [[nodiscard]] virtual QString title() const = 0;
    // The tab's "&Quitter", which closes the main window.
    [[nodiscard]] virtual QPushButton *quitButton() const = 0;
    // Runs on every change of the main window's current tab, whichever tabs are left and shown.
    virtual void tabChanged() { }
};

// A tab of the main window: how to build it, and whether it is the one shown at start.
struct TabEntry
{
    Tab *(*make)(const TabContext &);
    bool shownAtStart = false;
};

template <typename T> Tab *makeTab(const TabContext &context)
{
    return new T(context);
}

// The main window's tabs, left to right. A new tab is its own files and one entry here.
[[nodiscard]] std::span<const TabEntry> tabList();

} // namespace ui
