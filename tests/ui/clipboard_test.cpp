#include "harness.hpp"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>

namespace {

using ClipboardTest = test::OnTab<1>;

// Results leave the window through the clipboard, each whole: by every result's right-click menu
// (the list's selection or all of it, the single results, the binary panel's rows and the sum's
// rows of bits), then by the list's Ctrl+C and Ctrl+A.
TEST_F(ClipboardTest, EachResultsMenuAndTheListsKeysCopyItWhole)
{
    QApplication::clipboard()->clear();
    selectTabOf("TXT_Masque1");
    verifyAddresses({"192", "168", "1", "0"}, {"10", "0", "0", "0"});
    click("SSCHK_AffichageBinaire");
    const QString maskRow = text("TXT_Masque1");
    ASSERT_EQ(maskRow.count(QLatin1Char('1')), 24) << maskRow.toStdString(); // 255.255.255.0
    selectTabOf("Nombre1");
    typeOver("Nombre1", "200");
    typeOver("Nombre2", "76");
    selectTabOf("LST_Reseau"); // last: coming back to the tab would clear the slash
    click("SSOption1(1)"); // class B, six subnets: 128.000.32.001---->128.000.63.254 and more
    typeOver("NombreSousReseaux", "6");
    click("CMD_Calcul");
    auto *list = find<QListWidget>("LST_Reseau");
    const QStringList plan = items("LST_Reseau");
    ASSERT_EQ(plan.size(), 6);
    list->setCurrentRow(3);
    click("BTN_Slash");
    const struct
    {
        const char *widget, *item;
        QString copied;
    } cases[] = {
        {"LST_Reseau", "&Copier", plan[3]},
        {"LST_Reseau", "&Tout copier", plan.join('\n')},
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
        test::chooseFromMenu(find(c.widget), c.item);
        EXPECT_EQ(QApplication::clipboard()->text(), c.copied);
    }
    EXPECT_FALSE(find("NbrStationsPossibles")->isEnabled());

    // Ctrl+C copies the selected lines in the order shown, here selected from the bottom up with
    // Ctrl held for the second; Ctrl+A selects them all.
    selectTabOf("LST_Reseau");
    list->setFocus();
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    list->scrollToItem(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
        list->visualItemRect(list->item(1)).center());
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), plan[1] + '\n' + plan[4]);
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), plan.join('\n'));
}

} // namespace
