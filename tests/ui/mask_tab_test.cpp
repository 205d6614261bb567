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
};

TEST_F(MaskTabTest, EitherGroupSetsTheWholeTabForTheClass)
{
    const struct
    {
        int ipClass;
        QStringList address, mask;
        std::vector<bool> maskEnabled, optionsEnabled;
        const char *stations;
        bool countEnabled;
    } cases[] = {
        {0, {"001", "000", "000", "001"}, {"255", "000", "000", "000"}, {false, true, true, true},
            {true, true, true}, "16777214", true},
        {1, {"128", "000", "000", "001"}, {"255", "255", "000", "000"}, {false, false, true, true},
            {false, true, true}, "65534", true},
        {2, {"192", "000", "000", "001"}, {"255", "255", "255", "000"}, {false, false, false, true},
            {false, false, true}, "254", false},
    };
    // From no class through A, B and C by the mask group (whose options below the class are
    // locked), then again by the address group: each from the class before it.
    for (const char *group : {"SSOption2", "SSOption1"}) {
        for (const auto &c : cases) {
            click(element(group, c.ipClass));
            SCOPED_TRACE(std::string(group) + " class " + "ABC"[c.ipClass]);
            EXPECT_EQ(texts("Adresse1"), c.address);
            EXPECT_EQ(enabled("Adresse1"), std::vector<bool>(4, true));
            EXPECT_EQ(texts("smasque2"), c.mask);
            EXPECT_EQ(enabled("smasque2"), c.maskEnabled);
            EXPECT_EQ(enabled("SSOption2", 3), c.optionsEnabled);
            EXPECT_EQ(checked("SSOption1"), c.ipClass);
            EXPECT_EQ(checked("SSOption2"), c.ipClass);
            EXPECT_EQ(label("LBL_ValeurClasse").toStdString(),
                core::Masque_Defaut(core::IpClass(c.ipClass)).range.french());
            EXPECT_EQ(text("NbrStationsPossibles"), c.stations);
            EXPECT_EQ(find("NombreSousReseaux")->isEnabled(), c.countEnabled);
            EXPECT_TRUE(find("BTN_Slash")->isEnabled());
            EXPECT_FALSE(find("CMD_Calcul")->isEnabled());
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MaskTabTest, TheMaskClassKeepsCalculForATypedCountAndTheSelectedOptionRunsNothing)
{
    click("SSOption1(0)");
    typeOver("NombreSousReseaux", "6");
    click("SSOption2(1)");
    EXPECT_EQ(text("NombreSousReseaux"), "");
    EXPECT_TRUE(find("CMD_Calcul")->isEnabled());
    typeOver("Adresse1(3)", "7");
    click("SSOption1(1)");
    click("SSOption2(1)");
    EXPECT_EQ(text("Adresse1(3)"), "7");
}

TEST_F(MaskTabTest, PlansSubnetsAndKeepsTheLastPlanThroughAChangeOfTabAndRefusedCounts)
{
    const struct
    {
        int ipClass;
        const char *count;
        QStringList mask;
        const char *stations;
        int subnets;
        const char *first, *last, *slash;
    } cases[] = {
        {1, "6", {"255", "255", "224", "000"}, "8190", 6, "128.000.32.001---->128.000.63.254",
            "128.000.192.001---->128.000.223.254", "/19"},
        {0, "6", {"255", "224", "000", "000"}, "2097150", 6, "001.32.000.001---->001.63.255.254",
            "001.192.000.001---->001.223.255.254", "/11"},
        {0, "200", {"255", "255", "000", "000"}, "65534", 254, "001.1.000.001---->001.1.255.254",
            "001.254.000.001---->001.254.255.254", "/16"}, // the whole octet
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.slash);
        click(element("SSOption1", c.ipClass));
        typeOver("NombreSousReseaux", c.count);
        click("CMD_Calcul");
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(texts("smasque2"), c.mask);
        EXPECT_EQ(text("NbrStationsPossibles"), c.stations);
        EXPECT_TRUE(label("LBL_ListeReseau").contains(QString::number(c.subnets)));
        ASSERT_EQ(lines().size(), c.subnets);
        EXPECT_EQ(lines().front(), c.first);
        EXPECT_EQ(lines().back(), c.last);
        click("BTN_Slash");
        EXPECT_EQ(label("Slash"), c.slash);
    }
    // Back from another tab: the class's own mask again, the last plan kept.
    selectTabOf("Nombre1");
    selectTabOf("NombreSousReseaux");
    EXPECT_EQ(texts("smasque2"), (QStringList {"255", "000", "000", "000"}));
    EXPECT_EQ(text("NbrStationsPossibles"), "65534");
    EXPECT_EQ(lines().size(), 254);
    EXPECT_TRUE(visible("LST_Reseau"));
    // Counts outside 1 to 254 are refused, and the box emptied.
    for (const char *count : {"", "0", "255"}) {
        messages.shown.clear();
        typeOver("NombreSousReseaux", *count ? count : "\b");
        click("CMD_Calcul");
        SCOPED_TRACE(count);
        EXPECT_EQ(messages.shown,
            std::vector {
                std::get<core::CountRefused>(core::Calcul_SousReseaux("0", {}, {}, {})).message});
        EXPECT_EQ(text("NombreSousReseaux"), "");
        EXPECT_EQ(lines().size(), 254) << "the last plan stays";
        EXPECT_TRUE(visible("LBL_ListeReseau"));
    }
}

// Before any class, and with an empty octet but the last, "&Calcul" asks for the address (an empty
// first octet is refused on leaving its box, before any click reaches "&Calcul").
TEST_F(MaskTabTest, AMissingOctetStopsTheCalculationButNotTheLast)
{
    EXPECT_FALSE(find("CMD_Calcul")->isEnabled());
    const auto missing = std::get<core::AddressMissing>(core::Calcul_SousReseaux("6", {}, {}, {}));
    for (const auto &[empty, refused] : {std::pair {"", true}, {"Adresse1(1)", true},
             {"Adresse1(2)", true}, {"Adresse1(3)", false}}) {
        SCOPED_TRACE(empty);
        if (*empty) {
            click("SSOption1(0)"); // then class B's address afresh
            click("SSOption1(1)");
            typeOver(empty, "\b");
        }
        typeOver("NombreSousReseaux", "6");
        messages.shown.clear();
        click("CMD_Calcul");
        EXPECT_EQ(messages.shown,
            refused ? std::vector {missing.message} : std::vector<core::Message> {});
        EXPECT_EQ(lines().isEmpty(), refused);
        EXPECT_TRUE(visible("LST_Reseau"));
    }
}

// The first octet's class range is checked on leaving an address box, by mouse or by keyboard.
TEST_F(MaskTabTest, LeavingAnAddressBoxChecksTheClassUnlessFocusGoesToAnotherWindow)
{
    click("SSOption1(1)");
    const core::Message refusal = core::Verif_ClasseAdresse(core::IpClass::B, "127")->message;
    for (const Qt::FocusReason reason : {Qt::MouseFocusReason, Qt::TabFocusReason,
             Qt::BacktabFocusReason, Qt::ShortcutFocusReason, Qt::MenuBarFocusReason,
             Qt::OtherFocusReason, Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        SCOPED_TRACE(reason);
        // To a message box or another window: no check.
        const bool checks = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        messages.shown.clear();
        for (const char *first : {"128", "127"}) { // class B's first, then one below
            box("Adresse1(0)")->setText(first);
            box("Adresse1(2)")->setFocus(Qt::TabFocusReason);
            box("NombreSousReseaux")->setFocus(reason);
        }
        EXPECT_EQ(messages.shown, checks ? std::vector {refusal} : std::vector<core::Message> {});
        EXPECT_EQ(text("Adresse1(0)"), checks ? "128" : "127");
    }
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
    EXPECT_EQ(messages.shown,
        std::vector {std::get<core::Message>(core::Calcul_Slash("255", "0", "255"))});
    EXPECT_EQ(label("Slash"), "");
}

} // namespace
