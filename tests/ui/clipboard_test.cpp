#include "context_menu.hpp"
#include "harness.hpp"

#include <QApplication>
#include <QClipboard>
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

TEST_F(ClipboardTest, CtrlCCopiesTheSelectedLinesInTheOrderShownAndCtrlASelectsThemAll)
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
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), lines({0, 1, 2, 3, 4, 5}));
}

// Every result's menu copies it: the list's selection or all of it, the single results, the
// binary panel's rows and the sum's rows of bits, each as one piece.
TEST_F(ClipboardTest, EachResultsMenuCopiesItWhole)
{
    selectTabOf("TXT_Masque1");
    verifyAddresses({"192", "168", "1", "0"}, {"10", "0", "0", "0"});
    click("SSCHK_AffichageBinaire");
    const QString maskRow = text("TXT_Masque1");
    ASSERT_EQ(maskRow.count(QLatin1Char('1')), 24) << maskRow.toStdString(); // 255.255.255.0
    selectTabOf("Nombre1");
    typeOver("Nombre1", "200");
    typeOver("Nombre2", "76");
    selectTabOf("LST_Reseau"); // last: coming back to the tab would clear the slash
    planSixSubnets()->setCurrentRow(3);
    click("BTN_Slash");
    const struct
    {
        const char *widget, *item;
        QString copied;
    } cases[] = {
        {"LST_Reseau", "&Copier", lines({3})},
        {"LST_Reseau", "&Tout copier", lines({0, 1, 2, 3, 4, 5})},
        {"NbrStationsPossibles", "&Copier", "8190"}, // a box one cannot edit
        {"Slash", "&Copier", "/19"},
        {"TXT_Masque1", "&Tout copier", maskRow},
        {"Bit1(5)", "&Copier", "11001000"},
        {"Bit2(0)", "&Copier", "01001100"},
        {"Bit3(7)", "&Copier", "01001000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.widget);
        selectTabOf(c.widget);
        chooseFromMenu(c.widget, c.item);
        EXPECT_EQ(clipboard(), c.copied);
    }
    EXPECT_FALSE(find("NbrStationsPossibles")->isEnabled());
}

} // namespace
