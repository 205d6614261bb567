#include "harness.hpp"
#include "ui/widgets/text_box.hpp"

#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace Qt::StringLiterals;

// A paste of any size puts the clipboard's text in place of the selection, or at the cursor,
// and leaves the cursor after it; only the large ones leave no undo step behind.
TEST(TextBox, PastesAnySizeInPlaceOfTheSelection)
{
    const struct
    {
        QString before;
        int selectFrom, selectLength; // a cursor when selectLength is 0
        qsizetype clipLength;
    } cases[] = {
        {"12", 1, 0, 10},
        {"12", 1, 0, ui::TextBox::kLargePaste + 1},
        {"1234", 1, 2, ui::TextBox::kLargePaste + 1},
        {"", 0, 0, 3 * ui::TextBox::kLargePaste},
        {"1234", 0, 4, ui::TextBox::kLargePaste},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("paste of " + std::to_string(c.clipLength));
        ui::TextBox box(c.before);
        box.setMaxLength(std::numeric_limits<int>::max()); // as every box of the windows
        const QString clip(c.clipLength, u'0');
        QApplication::clipboard()->setText(clip);
        if (c.selectLength > 0)
            box.setSelection(c.selectFrom, c.selectLength);
        else
            box.setCursorPosition(c.selectFrom);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);

        QString expected = c.before;
        expected.replace(c.selectFrom, c.selectLength, clip);
        EXPECT_EQ(box.text().size(), expected.size());
        EXPECT_TRUE(box.text() == expected);
        EXPECT_EQ(box.cursorPosition(), c.selectFrom + c.clipLength);
        EXPECT_EQ(box.isUndoAvailable(), c.clipLength <= ui::TextBox::kLargePaste);
    }
}

TEST(TextBox, LeavesLockedBoxesAlone)
{
    QApplication::clipboard()->setText(QString(ui::TextBox::kLargePaste + 1, u'0'));
    for (const bool disabled : {true, false}) {
        ui::TextBox box("7");
        box.setEnabled(!disabled);
        box.setReadOnly(!disabled);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.text(), "7") << (disabled ? "disabled" : "read-only");
    }
}

// A large text is drawn from around its cursor, and a click lands where it is drawn: zeros, then
// more blanks than the box shows.
TEST(TextBox, DrawsALargeTextAroundItsCursorAndPlacesClicksThere)
{
    const QString text = QString(ui::TextBox::kLargePaste, u'0') + QString(1000, u' ');
    ui::TextBox box;
    box.setMaxLength(std::numeric_limits<int>::max());
    box.setText(text);
    box.setFocusPolicy(Qt::NoFocus); // no cursor drawn
    box.show();
    const auto inked = [&box] { // any glyph drawn in the box, its frame left out
        const QImage drawn = box.grab(box.rect().adjusted(5, 5, -5, -5)).toImage();
        QImage blank(drawn.size(), drawn.format());
        blank.fill(drawn.pixel(0, 0));
        return drawn != blank;
    };
    EXPECT_FALSE(inked()); // the cursor at the end, among the blanks
    const QPoint left {5, box.height() / 2};
    QTest::mouseClick(&box, Qt::LeftButton, {}, left);
    EXPECT_GT(box.cursorPosition(), ui::TextBox::kLargePaste);
    box.setCursorPosition(0);
    EXPECT_TRUE(inked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, left);
    QTest::mouseClick(&box, Qt::LeftButton, Qt::ShiftModifier, {box.width() - 5, left.y()});
    EXPECT_EQ(box.selectionStart(), 0);
    EXPECT_GT(box.selectedText().size(), 1);
    EXPECT_LT(box.selectedText().size(), box.width());
}

// However it enters, a text keeps only what shows, folded to what the number reader reads.
enum class Way { Typed, Composed, Pasted, Dropped, MiddleClicked };

void enter(ui::TextBox &box, Way way, const QString &text)
{
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::clipboard()->setText(text);
    QMouseEvent middle(QEvent::MouseButtonRelease, {1, 1}, box.mapToGlobal(QPoint(1, 1)),
        Qt::MiddleButton, Qt::NoButton, Qt::NoModifier);
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
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::Dropped:
        QApplication::sendEvent(&box, &enter);
        QApplication::sendEvent(&box, &drop);
        break;
    case Way::MiddleClicked: // X11's selection, which only a real X screen has (ui.middle_click)
        QApplication::clipboard()->clear(); // the selection, not the clipboard
        QApplication::clipboard()->setText(text, QClipboard::Selection);
        QApplication::sendEvent(&box, &middle);
    }
}

TEST(TextBox, KeepsOnlyWhatShowsHoweverItEnters)
{
    const std::pair<QString, QString> cases[] = {{u"1\u200B92"_s, "192"}, {u"1\u202E29"_s, "129"},
        {u"1\0 9\r2"_s, "1 92"}, {u"\uFF11\uFF19\uFF12"_s, "192"}, {u"\t1\n"_s, "\t1\n"},
        {u"1\uFE0F9\u0301\u034F\uFE002\U000E0100"_s, "192"}, {u"1\u20289\u20292"_s, "1 9 2"},
        {u"\u0661\u0669\u0662"_s, "192"}, {u"\U0001D7CF\u0968"_s, "12"}};
    std::vector ways {Way::Typed, Way::Composed, Way::Pasted, Way::Dropped};
    if (QApplication::clipboard()->supportsSelection())
        ways.push_back(Way::MiddleClicked);
    for (const Way way : ways) {
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

// A large selection goes in one piece whichever edit removes it, by key or from the context
// menu, with no undo step behind; the menu's paste leaves hidden characters out too.
TEST(TextBox, RemovesLargeSelectionsWithoutUndo)
{
    const QString large(ui::TextBox::kLargePaste + 1, u'0'), clip = u"7\u200B"_s;
    const auto key = [](const QKeySequence &keys) {
        return [keys](ui::TextBox &box) { QTest::keySequence(&box, keys); };
    };
    const auto menu = [](const char *item) {
        return [item](ui::TextBox &box) { test::chooseFromMenu(&box, QLineEdit::tr(item)); };
    };
    const struct
    {
        const char *name;
        std::function<void(ui::TextBox &)> edit;
        const char *kept;
        bool cut;
    } cases[] = {{"Delete", key(Qt::Key_Delete), "12", false},
        {"Backspace", key(Qt::Key_Backspace), "12", false},
        {"the cut key", key(QKeySequence::Cut), "12", true}, {"5", key(Qt::Key_5), "152", false},
        {"menu: paste", menu("&Paste"), "172", false}, {"menu: cut", menu("Cu&t"), "12", true},
        {"menu: delete", menu("Delete"), "12", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ui::TextBox box("1" + large + "2");
        box.setMaxLength(std::numeric_limits<int>::max());
        box.setSelection(1, static_cast<int>(large.size()));
        box.show();
        QApplication::clipboard()->setText(clip);
        c.edit(box);
        EXPECT_EQ(box.text(), c.kept);
        EXPECT_TRUE(QApplication::clipboard()->text() == (c.cut ? large : clip));
        EXPECT_FALSE(box.isUndoAvailable());
    }
}

} // namespace
