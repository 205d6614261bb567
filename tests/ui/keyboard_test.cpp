#include "core/same_network.hpp"
#include "harness.hpp"

#include <QApplication>

namespace {

class KeyboardTest : public test::OnTab<1>
{
protected:
    void alt(Qt::Key key) { QTest::keyClick(&window, key, Qt::AltModifier); }
};

TEST_F(KeyboardTest, FocusFollowsTheInventoryOrder)
{
    const QStringList chains[] = {
        {"AdresseIP1(0)", "AdresseIP1(1)", "AdresseIP1(2)", "AdresseIP1(3)", "masque1(0)",
            "masque1(1)", "masque1(2)", "masque1(3)"},
        {"Adresse1(0)", "Adresse1(1)", "Adresse1(2)", "Adresse1(3)", "SSOption1(2)", "SSOption1(1)",
            "SSOption1(0)", "smasque2(3)", "smasque2(2)", "smasque2(1)", "smasque2(0)",
            "SSOption2(2)", "SSOption2(1)", "SSOption2(0)", "CMD_Quitter", "LST_Reseau",
            "CMD_Calcul", "NbrStationsPossibles", "NombreSousReseaux", "BTN_Slash"},
    };
    for (const QStringList &expected : chains) {
        selectTabOf(expected.front());
        QStringList chain;
        QWidget *widget = find(expected.front());
        for (int guard = 0; guard < 500 && chain.size() < expected.size();
             ++guard, widget = widget->nextInFocusChain()) {
            if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName()))
                chain << widget->objectName();
        }
        EXPECT_EQ(chain, expected);
    }
    // The first network's boxes take the Tab key in that order too.
    selectTabOf("AdresseIP1(0)");
    box("AdresseIP1(0)")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "masque1(3)");
}

// Alt and a caption's underlined letter: an enabled button's of the tab shown, else a tab's.
TEST_F(KeyboardTest, AccessKeysReachTheTabsAndButtons)
{
    ASSERT_FALSE(find("BTN_Slash")->isEnabled()); // a disabled "Notation &Slash" gives way
    for (const auto &[key, widget] :
        {std::pair {Qt::Key_S, "Nombre1"}, {Qt::Key_C, "CMD_Calcul"}}) {
        alt(key);
        EXPECT_TRUE(find(widget)->isVisible()) << widget; // on the tab shown
    }
    click("SSOption1(1)");
    typeOver("NombreSousReseaux", "6");
    alt(Qt::Key_C); // pressed as a click would, released a moment later
    ASSERT_TRUE(QTest::qWaitFor([&] { return !find("LST_Reseau")->isHidden(); }, 2000));
    EXPECT_EQ(text("smasque2(2)"), "224");
    alt(Qt::Key_S);
    EXPECT_TRUE(QTest::qWaitFor([&] { return find<QLabel>("Slash")->text() == "/19"; }, 2000));
    EXPECT_TRUE(find("CMD_Calcul")->isVisible());

    alt(Qt::Key_R);
    typeOver("AdresseIP1(0)", "10"); // 10.0.0.0 with its class mask, twice
    typeOver("AdresseIP2(0)", "10");
    alt(Qt::Key_V);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.shown.size() == 1; }, 2000));
    EXPECT_EQ(messages.shown[0], core::verdict(true));
    alt(Qt::Key_E);
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("AdresseIP1(0)") == "0"; }, 2000));
}

} // namespace
