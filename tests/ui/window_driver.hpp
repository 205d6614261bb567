#pragma once

// Drives any window of the program the way a user does, by the inventory names of its widgets.
// Free of the test framework, so the benchmarks use it too; a name that is not there throws, and
// the test reports the name.

#include "ui/inventory.hpp"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <stdexcept>
#include <vector>

namespace test {

class WindowDriver
{
public:
    explicit WindowDriver(QWidget &window)
        : window_(window)
    { }

    template <typename W = QWidget> W *find(const QString &name) const
    {
        W *widget = window_.findChild<W *>(name);
        if (!widget)
            throw std::runtime_error("no widget named " + name.toStdString() + " in "
                + window_.objectName().toStdString());
        return widget;
    }
    [[nodiscard]] QLineEdit *box(const QString &name) const { return find<QLineEdit>(name); }
    [[nodiscard]] QString text(const QString &name) const { return box(name)->text(); }

    // The name of element i of a control array, as the windows build it: "AdresseIP1(0)".
    [[nodiscard]] static QString element(const QString &array, int i)
    {
        return ui::element(array, i);
    }
    // The texts of an array's elements 0 to count - 1.
    [[nodiscard]] QStringList texts(const QString &array, int count = 4) const
    {
        QStringList result;
        for (int i = 0; i < count; ++i)
            result << text(element(array, i));
        return result;
    }
    [[nodiscard]] std::vector<bool> enabled(const QString &array, int count = 4) const
    {
        std::vector<bool> result;
        for (int i = 0; i < count; ++i)
            result.push_back(find(element(array, i))->isEnabled());
        return result;
    }

    // The element of a group of options that is checked; -1 for none.
    [[nodiscard]] int checked(const QString &group) const
    {
        for (int i = 0;; ++i) {
            const auto *option = window_.findChild<QAbstractButton *>(element(group, i));
            if (!option || option->isChecked())
                return option ? i : -1;
        }
    }
    // The lines of a list box, top to bottom.
    [[nodiscard]] QStringList items(const QString &name) const
    {
        const auto *list = find<QListWidget>(name);
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }

    // Selects a tab of the main window's tab control.
    void select(int tab) const { find<QTabWidget>("SSpanel")->setCurrentIndex(tab); }
    // Selects the tab that holds a widget.
    void selectTabOf(const QString &name) const
    {
        auto *tabs = find<QTabWidget>("SSpanel");
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(find(name)))
                tabs->setCurrentIndex(i);
        }
    }

    // Selects the whole text of a box and types over it, key by key.
    void typeOver(const QString &name, const QString &keys) const
    {
        QLineEdit *target = box(name);
        target->setFocus();
        target->selectAll();
        QTest::keyClicks(target, keys);
    }
    // Clicks a widget, in its middle unless told where.
    void click(const QString &name, QPoint at = {}) const
    {
        QTest::mouseClick(find(name), Qt::LeftButton, {}, at);
    }

private:
    QWidget &window_;
};

} // namespace test
