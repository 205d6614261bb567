#include "context_menu.hpp"
#include "harness.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

namespace {

// Results leave the window through the clipboard: the subnet list by keyboard and by its menu,
// the single results and the binary rows by their right-click menus.
class ClipboardTest : public test::WindowTest
{
protected:
    ClipboardTest()
        : WindowTest(1)
    {
        QApplication::clipboard()->clear();
    }

    static QString clipboard() { return QApplication::clipboard()->text(); }

    // Right-clicks a widget and chooses an item of the menu that opens, by its text.
    void chooseFromMenu(const QString &name, const QString &item)
    {
        QWidget *widget = find(name);
        test::rightClick(widget);
        QMenu *menu = test::openMenu();
        ASSERT_NE(menu, nullptr) << "no menu on " << name.toStdString();
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text() == item)
                chosen = action;
        }
        menu->close();
        ASSERT_NE(chosen, nullptr) << name.toStdString() << " offers no " << item.toStdString();
        ASSERT_TRUE(chosen->isEnabled()) << item.toStdString();
        chosen->trigger();
    }

    // Class B, six subnets: the plan 128.000.32.001---->128.000.63.254 and five lines more.
    QListWidget *planSixSubnets()
    {
        click("SSOption1(1)");
        typeOver("NombreSousReseaux", "6");
        click("CMD_Calcul");
        auto *list = find<QListWidget>("LST_Reseau");
        EXPECT_EQ(list->count(), 6);
        return list;
    }
    // The plan's lines of the given rows, as copied.
    QString lines(std::initializer_list<int> rows)
    {
        QStringList result;
        for (int row : rows)
            result << items("LST_Reseau")[row];
        return result.join('\n');
    }
};

TEST_F(ClipboardTest, CtrlAThenCtrlCCopiesTheWholePlanOneLinePerSubnet)
{
    QListWidget *list = planSixSubnets();
    list->setFocus();
    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list->selectedItems().size(), 6);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), lines({0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(clipboard().startsWith("128.000.32.001---->128.000.63.254\n"));
}

TEST_F(ClipboardTest, CtrlCCopiesTheSelectedLinesInTheOrderShown)
{
    QListWidget *list = planSixSubnets();
    list->setFocus();
    // Selected from the bottom up, with Ctrl held for the second.
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    list->scrollToItem(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
        list->visualItemRect(list->item(1)).center());
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), lines({1, 4}));
}

TEST_F(ClipboardTest, TheListMenuCopiesTheSelectionOrEverything)
{
    QListWidget *list = planSixSubnets();
    list->setCurrentRow(3);
    chooseFromMenu("LST_Reseau", "&Copier");
    EXPECT_EQ(clipboard(), lines({3}));
    chooseFromMenu("LST_Reseau", "&Tout copier");
    EXPECT_EQ(clipboard(), lines({0, 1, 2, 3, 4, 5}));
}

TEST_F(ClipboardTest, StationsAndSlashAreCopiedAndStayDisplaysOnly)
{
    planSixSubnets();
    click("BTN_Slash");
    ASSERT_EQ(find<QLabel>("Slash")->text(), "/19");
    chooseFromMenu("NbrStationsPossibles", "&Copier");
    EXPECT_EQ(clipboard(), "8190");
    chooseFromMenu("Slash", "&Copier");
    EXPECT_EQ(clipboard(), "/19");
    EXPECT_FALSE(find("NbrStationsPossibles")->isEnabled());
}

TEST_F(ClipboardTest, TheBinaryPanelRowsAreCopiedWhole)
{
    select(0);
    verifyAddresses({"192", "168", "1", "0"}, {"10", "0", "0", "0"});
    click("SSCHK_AffichageBinaire");
    const QString row = text("TXT_Masque1");
    ASSERT_EQ(row.count(QLatin1Char('1')), 24) << row.toStdString(); // 255.255.255.0, as shown
    chooseFromMenu("TXT_Masque1", "&Tout copier");
    EXPECT_EQ(clipboard(), row);
}

TEST_F(ClipboardTest, TheBitRowsOfTheSumAreCopiedAsOneByte)
{
    select(2);
    typeOver("Nombre1", "200");
    typeOver("Nombre2", "76");
    chooseFromMenu("Bit1(5)", "&Copier");
    EXPECT_EQ(clipboard(), "11001000");
    chooseFromMenu("Bit2(0)", "&Copier");
    EXPECT_EQ(clipboard(), "01001100");
    chooseFromMenu("Bit3(7)", "&Copier");
    EXPECT_EQ(clipboard(), "01001000");
}

} // namespace
