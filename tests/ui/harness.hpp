#pragma once

#include "core/message.hpp"
#include "ui/main_window.hpp"
#include "ui/message_boxes.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace test {

// Records every message box instead of showing it; onShow lets a test look at the window while
// the box would be up.
struct RecordingMessageBoxes : ui::MessageBoxes
{
    std::vector<core::Message> shown;
    std::function<void(const core::Message &)> onShow;

    void show(const core::Message &message) override
    {
        shown.push_back(message);
        if (onShow)
            onShow(message);
    }
};

// The real main window, shown off screen, with recorded message boxes and no animation delay.
class WindowTest : public ::testing::Test
{
protected:
    explicit WindowTest(int tab)
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        select(tab);
    }

    void select(int tab) { window.findChild<QTabWidget *>("SSpanel")->setCurrentIndex(tab); }

    template <typename W = QWidget> W *find(const QString &name)
    {
        W *widget = window.findChild<W *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit *box(const QString &name) { return find<QLineEdit>(name); }
    QString text(const QString &name) { return box(name)->text(); }

    // The texts of an array's elements 0 to count - 1.
    QStringList texts(const QString &array, int count = 4)
    {
        QStringList result;
        for (int i = 0; i < count; ++i)
            result << text(QStringLiteral("%1(%2)").arg(array).arg(i));
        return result;
    }
    std::vector<bool> enabled(const QString &array, int count = 4)
    {
        std::vector<bool> result;
        for (int i = 0; i < count; ++i)
            result.push_back(find(QStringLiteral("%1(%2)").arg(array).arg(i))->isEnabled());
        return result;
    }

    // Selects the whole text of a box and types over it, key by key.
    void typeOver(const QString &name, const QString &keys)
    {
        QLineEdit *target = box(name);
        target->setFocus();
        target->selectAll();
        QTest::keyClicks(target, keys);
    }
    // Types at the end of a box's text.
    void typeAfter(const QString &name, const QString &keys)
    {
        QLineEdit *target = box(name);
        target->setFocus();
        target->end(false);
        QTest::keyClicks(target, keys);
    }
    // Selects the whole text of a box and deletes it.
    void erase(const QString &name)
    {
        QLineEdit *target = box(name);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
    }
    void backspace(const QString &name, int times = 1)
    {
        QLineEdit *target = box(name);
        target->end(false);
        for (int i = 0; i < times; ++i)
            QTest::keyClick(target, Qt::Key_Backspace);
    }
    void click(const QString &name) { QTest::mouseClick(find(name), Qt::LeftButton); }

    RecordingMessageBoxes messages;
    ui::MainWindow window {messages, ui::Pace {}};
};

inline core::Message rangeRefusal()
{
    return core::rangeRefusal();
}

} // namespace test
