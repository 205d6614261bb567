#include "ui/widgets/text_box.hpp"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

void pasteWithKeyboard(QWidget *box)
{
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

struct Paste
{
    QString before;
    int selectFrom, selectLength; // a cursor when selectLength is 0
    qsizetype clipLength;
};

// A paste of any size puts the clipboard's text in place of the selection, or at the cursor,
// and leaves the cursor after it; only the large ones leave no undo step behind.
TEST(TextBox, PastesAnySizeInPlaceOfTheSelection)
{
    const Paste cases[] = {
        {"12", 1, 0, 10},
        {"12", 1, 0, ui::TextBox::kLargePaste + 1},
        {"1234", 1, 2, ui::TextBox::kLargePaste + 1},
        {"", 0, 0, 3 * ui::TextBox::kLargePaste},
        {"1234", 0, 4, ui::TextBox::kLargePaste},
    };
    for (const Paste &c : cases) {
        ui::TextBox box(c.before);
        box.setMaxLength(std::numeric_limits<int>::max()); // as every box of the windows
        const QString clip(c.clipLength, u'0');
        QApplication::clipboard()->setText(clip);
        if (c.selectLength > 0)
            box.setSelection(c.selectFrom, c.selectLength);
        else
            box.setCursorPosition(c.selectFrom);
        pasteWithKeyboard(&box);

        QString expected = c.before;
        expected.replace(c.selectFrom, c.selectLength, clip);
        EXPECT_EQ(box.text().size(), expected.size()) << "paste of " << c.clipLength;
        EXPECT_TRUE(box.text() == expected) << "paste of " << c.clipLength;
        EXPECT_EQ(box.cursorPosition(), c.selectFrom + c.clipLength);
        EXPECT_EQ(box.isUndoAvailable(), c.clipLength <= ui::TextBox::kLargePaste)
            << "paste of " << c.clipLength;
    }
}

TEST(TextBox, LeavesLockedBoxesAlone)
{
    QApplication::clipboard()->setText(QString(ui::TextBox::kLargePaste + 1, u'0'));
    ui::TextBox locked("7");
    locked.setEnabled(false);
    pasteWithKeyboard(&locked);
    ui::TextBox readOnly("7");
    readOnly.setReadOnly(true);
    pasteWithKeyboard(&readOnly);
    EXPECT_EQ(locked.text(), "7");
    EXPECT_EQ(readOnly.text(), "7");
}

// The context menu's paste takes the same path as the keyboard's, hidden characters left out.
TEST(TextBox, PastesLargeTextsFromItsContextMenuToo)
{
    ui::TextBox box;
    box.setMaxLength(std::numeric_limits<int>::max());
    box.show();
    QApplication::clipboard()->setText(QString(ui::TextBox::kLargePaste + 1, u'0') + u'\u200B');
    QContextMenuEvent event(QContextMenuEvent::Keyboard, {1, 1}, box.mapToGlobal(QPoint {1, 1}));
    QApplication::sendEvent(&box, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    bool triggered = false;
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
            action->trigger();
            triggered = true;
        }
    }
    menu->close();
    EXPECT_TRUE(triggered);
    EXPECT_EQ(box.text().size(), ui::TextBox::kLargePaste + 1);
    EXPECT_FALSE(box.isUndoAvailable());
}

// However it enters, a text keeps only what shows, folded to what the number reader reads.
enum class Way { Typed, Composed, Pasted, Dropped };

void enter(ui::TextBox &box, Way way, const QString &text)
{
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::clipboard()->setText(text);
    switch (way) {
    case Way::Typed: // a key per character, as an input method or xdotool types them
        for (const char32_t c : text.toUcs4()) {
            QKeyEvent key(
                QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
            QApplication::sendEvent(&box, &key);
        }
        break;
    case Way::Composed:
        QApplication::sendEvent(&box, &composed);
        break;
    case Way::Pasted:
        pasteWithKeyboard(&box);
        break;
    case Way::Dropped:
        QApplication::sendEvent(&box, &enter);
        QApplication::sendEvent(&box, &drop);
    }
}

TEST(TextBox, KeepsOnlyWhatShowsHoweverItEnters)
{
    const std::pair<QString, QString> cases[] = {{u"1\u200B92"_s, "192"}, {u"1\u202E29"_s, "129"},
        {u"1\0 9\r2"_s, "1 92"}, {u"\uFF11\uFF19\uFF12"_s, "192"}, {u"\t1\n"_s, "\t1\n"},
        {u"1\uFE0F9\u0301\u034F\uFE002\U000E0100"_s, "192"}, {u"1\u20289\u20292"_s, "1 9 2"},
        {u"\u0661\u0669\u0662"_s, "192"}, {u"\U0001D7CF\u0968"_s, "12"}};
    for (const Way way : {Way::Typed, Way::Composed, Way::Pasted, Way::Dropped}) {
        for (const auto &[entered, kept] : cases) {
            if (way == Way::Typed && entered.contains(u'\t'))
                continue; // the tab and return keys move the focus and validate
            SCOPED_TRACE("way " + std::to_string(static_cast<int>(way)) + ", entered "
                + entered.toStdString());
            ui::TextBox box;
            enter(box, way, entered);
            EXPECT_TRUE(box.text() == kept) << box.text().toStdString();
        }
    }
    ui::TextBox box;
    QTest::keyClick(&box, Qt::Key_V, Qt::AltModifier); // names no control here
    EXPECT_EQ(box.text(), "");
    box.setMaxLength(std::numeric_limits<int>::max());
    enter(box, Way::Dropped, QString(ui::TextBox::kLargePaste + 1, u'0'));
    EXPECT_EQ(box.text().size(), ui::TextBox::kLargePaste + 1);
    EXPECT_FALSE(box.isUndoAvailable());
}

// A large selection goes in one piece whichever edit removes it, with no undo step behind.
TEST(TextBox, RemovesLargeSelectionsWithoutUndo)
{
    for (const QKeySequence &edit : {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Backspace),
             QKeySequence(QKeySequence::Cut), QKeySequence(Qt::Key_5)}) {
        ui::TextBox box;
        box.setMaxLength(std::numeric_limits<int>::max());
        box.setText(QString(ui::TextBox::kLargePaste + 2, u'0'));
        box.setSelection(1, static_cast<int>(ui::TextBox::kLargePaste) + 1);
        QTest::keySequence(&box, edit);
        EXPECT_EQ(box.text(), edit == QKeySequence(Qt::Key_5) ? "05" : "0")
            << edit.toString().toStdString();
        EXPECT_FALSE(box.isUndoAvailable()) << edit.toString().toStdString();
    }
}

} // namespace
