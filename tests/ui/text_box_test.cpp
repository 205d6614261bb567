#include "ui/widgets/text_box.hpp"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {

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

// The context menu's paste takes the same path as the keyboard's.
TEST(TextBox, PastesLargeTextsFromItsContextMenuToo)
{
    ui::TextBox box;
    box.setMaxLength(std::numeric_limits<int>::max());
    box.show();
    QApplication::clipboard()->setText(QString(ui::TextBox::kLargePaste + 1, u'0'));
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

} // namespace
