#include "core/subnet_planning.hpp"
#include "harness.hpp"

#include <QLabel>

namespace {

class MaskTabTest : public test::OnTab<1>
{
protected:
    QString label(const QString &name) { return find<QLabel>(name)->text(); }
    QStringList lines() { return items("LST_Reseau"); }
    bool visible(const QString &name) { return !find(name)->isHidden(); }
    static core::Message missing()
    {
        return std::get<core::AddressMissing>(core::Calcul_SousReseaux("6", {}, {}, {})).message;
    }
};

TEST_F(MaskTabTest, CalculatingBeforeAnyClassAsksForTheAddress)
{
    EXPECT_FALSE(find("CMD_Calcul")->isEnabled());
    typeOver("NombreSousReseaux", "6");
    EXPECT_TRUE(find("CMD_Calcul")->isEnabled());
    click("CMD_Calcul");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], missing());
    EXPECT_TRUE(visible("LST_Reseau"));
    EXPECT_EQ(label("LBL_ListeReseau"), "xx Réseaux Possibles");
    EXPECT_TRUE(lines().isEmpty());
}

TEST_F(MaskTabTest, EitherGroupSetsTheWholeTabForTheClass)
{
    const struct
    {
        int ipClass;
        QStringList address, mask;
        std::vector<bool> maskEnabled, optionsEnabled;
        const char *range, *stations;
        bool countEnabled;
    } cases[] = {
        {0, {"001", "000", "000", "001"}, {"255", "000", "000", "000"}, {false, true, true, true},
            {true, true, true}, "De 1 à 126", "16777214", true},
        {1, {"128", "000", "000", "001"}, {"255", "255", "000", "000"}, {false, false, true, true},
            {false, true, true}, "De 128 à 191", "65534", true},
        {2, {"192", "000", "000", "001"}, {"255", "255", "255", "000"}, {false, false, false, true},
            {false, false, true}, "De 192 à 223", "254", false},
    };
    for (const char *group : {"SSOption1", "SSOption2"}) {
        for (const auto &c : cases) {
            test::OwnMainWindow fresh;
            fresh.window.show();
            fresh.click(fresh.element(group, c.ipClass));
            const std::string context = std::string(group) + " class " + "ABC"[c.ipClass];
            EXPECT_EQ(fresh.texts("Adresse1"), c.address) << context;
            EXPECT_EQ(fresh.enabled("Adresse1"), std::vector<bool>(4, true)) << context;
            EXPECT_EQ(fresh.texts("smasque2"), c.mask) << context;
            EXPECT_EQ(fresh.enabled("smasque2"), c.maskEnabled) << context;
            EXPECT_EQ(fresh.enabled("SSOption2", 3), c.optionsEnabled) << context;
            EXPECT_EQ(fresh.checked("SSOption1"), c.ipClass) << context;
            EXPECT_EQ(fresh.checked("SSOption2"), c.ipClass) << context;
            EXPECT_EQ(fresh.find<QLabel>("LBL_ValeurClasse")->text(), c.range) << context;
            EXPECT_EQ(fresh.text("NbrStationsPossibles"), c.stations) << context;
            EXPECT_EQ(fresh.find("NombreSousReseaux")->isEnabled(), c.countEnabled) << context;
            EXPECT_TRUE(fresh.find("BTN_Slash")->isEnabled()) << context;
            EXPECT_FALSE(fresh.find("CMD_Calcul")->isEnabled()) << context;
            EXPECT_TRUE(fresh.messages.shown.empty()) << context;
        }
    }
}

TEST_F(MaskTabTest, TheMaskGroupSwitchesTheAddressClassToo)
{
    click("SSOption1(1)");
    EXPECT_EQ(checked("SSOption2"), 1);
    EXPECT_FALSE(find("SSOption2(0)")->isEnabled());
    click("SSOption2(2)");
    EXPECT_EQ(checked("SSOption1"), 2);
    EXPECT_EQ(texts("Adresse1"), (QStringList {"192", "000", "000", "001"}));
    EXPECT_FALSE(find("NombreSousReseaux")->isEnabled());
}

TEST_F(MaskTabTest, ChoosingTheMaskClassKeepsCalculEnabledWhenACountWasTyped)
{
    click("SSOption1(0)");
    typeOver("NombreSousReseaux", "6");
    click("SSOption2(1)");
    EXPECT_EQ(text("NombreSousReseaux"), "");
    EXPECT_TRUE(find("CMD_Calcul")->isEnabled());
}

TEST_F(MaskTabTest, PlansSubnetsForClassesAAndB)
{
    const struct
    {
        int ipClass;
        QStringList mask;
        const char *stations, *first, *last, *slash;
    } cases[] = {
        {1, {"255", "255", "224", "000"}, "8190", "128.000.32.001---->128.000.63.254",
            "128.000.192.001---->128.000.223.254", "/19"},
        {0, {"255", "224", "000", "000"}, "2097150", "001.32.000.001---->001.63.255.254",
            "001.192.000.001---->001.223.255.254", "/11"},
    };
    for (const auto &c : cases) {
        click(element("SSOption1", c.ipClass));
        typeOver("NombreSousReseaux", "6");
        click("CMD_Calcul");
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(texts("smasque2"), c.mask);
        EXPECT_EQ(text("NbrStationsPossibles"), c.stations);
        EXPECT_EQ(label("LBL_ListeReseau"), "6 réseaux possibles");
        ASSERT_EQ(lines().size(), 6);
        EXPECT_EQ(lines().front(), c.first);
        EXPECT_EQ(lines().back(), c.last);
        click("BTN_Slash");
        EXPECT_EQ(label("Slash"), c.slash);
    }
}

TEST_F(MaskTabTest, LargeCountsListTheWholeOctet)
{
    click("SSOption1(0)");
    typeOver("NombreSousReseaux", "200");
    click("CMD_Calcul");
    EXPECT_EQ(lines().size(), 254);
    EXPECT_EQ(text("smasque2(1)"), "255");
    EXPECT_EQ(text("NbrStationsPossibles"), "65534");
    EXPECT_EQ(label("LBL_ListeReseau"), "254 réseaux possibles");
}

TEST_F(MaskTabTest, RefusesCountsOutsideOneTo254)
{
    click("SSOption1(1)");
    typeOver("NombreSousReseaux", "6");
    click("CMD_Calcul");
    for (const char *count : {"", "0", "255"}) {
        messages.shown.clear();
        if (*count)
            typeOver("NombreSousReseaux", count);
        else
            erase("NombreSousReseaux");
        click("CMD_Calcul");
        ASSERT_EQ(messages.shown.size(), 1u) << count;
        EXPECT_EQ(messages.shown[0],
            std::get<core::CountRefused>(core::Calcul_SousReseaux("0", {}, {}, {})).message);
        EXPECT_EQ(text("NombreSousReseaux"), "");
        EXPECT_EQ(lines().size(), 6) << "the last plan stays";
        EXPECT_TRUE(visible("LBL_ListeReseau"));
    }
}

TEST_F(MaskTabTest, AMissingOctetStopsTheCalculationButNotTheLast)
{
    click("SSOption1(1)");
    typeOver("NombreSousReseaux", "6");
    // An empty first octet is refused on leaving its box, before any click reaches "&Calcul".
    for (int empty = 1; empty < 3; ++empty) {
        erase(element("Adresse1", empty));
        messages.shown.clear();
        click("CMD_Calcul");
        ASSERT_EQ(messages.shown.size(), 1u) << empty;
        EXPECT_EQ(messages.shown[0], missing()) << empty;
        EXPECT_TRUE(lines().isEmpty()) << empty;
        typeOver(element("Adresse1", empty), "000");
    }
    erase("Adresse1(3)");
    messages.shown.clear();
    click("CMD_Calcul");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lines().front(), "128.000.32.001---->128.000.63.254");
}

TEST_F(MaskTabTest, KeepsTheFirstOctetInItsClassRange)
{
    click("SSOption1(0)");
    typeOver("Adresse1(0)", "127");
    click("Adresse1(2)");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], core::Verif_ClasseAdresse(core::IpClass::A, "127")->message);
    EXPECT_EQ(text("Adresse1(0)"), "001");

    messages.shown.clear();
    click("SSOption1(1)");
    typeOver("Adresse1(0)", "128");
    click("Adresse1(3)");
    EXPECT_TRUE(messages.shown.empty());
    typeOver("Adresse1(0)", "127");
    box("Adresse1(0)")->setFocus();
    box("Adresse1(1)")->setFocus(Qt::TabFocusReason); // leaving the box checks it too
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(text("Adresse1(0)"), "128");
}

TEST_F(MaskTabTest, LeavingAnAddressBoxChecksTheClassUnlessFocusGoesToAnotherWindow)
{
    const struct
    {
        Qt::FocusReason reason;
        bool checks;
    } cases[] = {
        {Qt::MouseFocusReason, true},
        {Qt::TabFocusReason, true},
        {Qt::BacktabFocusReason, true},
        {Qt::ShortcutFocusReason, true},
        {Qt::MenuBarFocusReason, true},
        {Qt::OtherFocusReason, true},
        {Qt::ActiveWindowFocusReason, false}, // a message box or another window
        {Qt::PopupFocusReason, false},
    };
    click("SSOption1(0)");
    for (const auto &c : cases) {
        box("Adresse1(0)")->setText("127"); // outside class A's 1 to 126
        box("Adresse1(2)")->setFocus(Qt::TabFocusReason);
        messages.shown.clear();
        box("NombreSousReseaux")->setFocus(c.reason);
        EXPECT_EQ(messages.shown.size(), c.checks ? 1u : 0u) << "reason " << c.reason;
        EXPECT_EQ(text("Adresse1(0)"), c.checks ? "001" : "127") << "reason " << c.reason;
    }
}

TEST_F(MaskTabTest, RefusesAddressOctetsAbove255)
{
    click("SSOption1(2)");
    typeOver("Adresse1(2)", "300");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], core::rangeRefusal());
    EXPECT_EQ(text("Adresse1(2)"), "");
    messages.shown.clear();
    typeOver("Adresse1(2)", "255");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MaskTabTest, EveryMaskEditClearsTheSlash)
{
    click("SSOption1(1)");
    click("BTN_Slash");
    EXPECT_EQ(label("Slash"), "/16");
    typeOver("smasque2(2)", "255");
    EXPECT_EQ(label("Slash"), "");
    click("BTN_Slash");
    EXPECT_EQ(label("Slash"), "/24");
    // Not ones then zeros: refused, and no slash.
    typeOver("smasque2(2)", "0");
    typeOver("smasque2(3)", "255");
    click("BTN_Slash");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], std::get<core::Message>(core::Calcul_Slash("255", "0", "255")));
    EXPECT_EQ(label("Slash"), "");
}

TEST_F(MaskTabTest, ReturningToTheTabRestoresTheDefaultMaskButKeepsThePlan)
{
    click("SSOption1(1)");
    typeOver("NombreSousReseaux", "6");
    click("CMD_Calcul");
    select(2);
    select(1);
    EXPECT_EQ(texts("smasque2"), (QStringList {"255", "255", "000", "000"}));
    EXPECT_EQ(text("NbrStationsPossibles"), "8190");
    EXPECT_EQ(lines().size(), 6);
    EXPECT_TRUE(visible("LST_Reseau"));
}

TEST_F(MaskTabTest, ClickingTheSelectedOptionRunsNothing)
{
    click("SSOption1(1)");
    typeOver("Adresse1(3)", "7");
    click("SSOption1(1)");
    click("SSOption2(1)");
    EXPECT_EQ(text("Adresse1(3)"), "7");
}

} // namespace
