#include "core/binary_rendering.hpp"
#include "harness.hpp"
#include "ui/binary_panel.hpp"
#include "ui/widgets/panel_3d.hpp"

#include <QCheckBox>

namespace {

const QColor kHighlightText {0, 0, 255}, kHighlightBack {255, 192, 192}, kGrey {192, 192, 192};

class BinaryPanelTest : public test::OnTab<0>
{
protected:
    // Verifies 192.168.<one>.0 against 192.168.<two>.0.
    void verify(const char *one, const char *two)
    {
        verifyAddresses({"192", "168", one, "0"}, {"192", "168", two, "0"});
    }
    // Both networks verified, the panel on show.
    void showPanel()
    {
        verify("1", "2");
        toggleCheck();
    }

    // The three rows of a class C network 192.168.<third>.0 with the mask 255.255.255.0.
    static QStringList rowsOf(const QString &third)
    {
        const auto rows = core::renderNetwork(
            {"192", "168", third.toStdString(), "0"}, {"255", "255", "255", "0"});
        return {QString::fromStdString(rows.address), QString::fromStdString(rows.mask),
            QString::fromStdString(rows.result)};
    }
    QStringList shownRows()
    {
        return {text("TXT_Adresse1"), text("TXT_Masque1"), text("TXT_Resultat1")};
    }

    void toggleCheck() { click("SSCHK_AffichageBinaire"); }
    void switchNetwork() { click("CMD_AutreReseau"); }

    // Which network the panel says it shows, by its captions and highlight; 0 when hidden.
    int shownNetwork()
    {
        if (find("SSPanelAffichage")->isHidden())
            return 0;
        const auto *panel = find<ui::Panel3D>("SSPanelAffichage");
        const bool second = panel->caption() == "Affichage Binaire 2ème Réseau IP";
        EXPECT_EQ(find<QPushButton>("CMD_AutreReseau")->text(),
            second ? "1er Réseau IP" : "2ème Réseau IP");
        const auto *on = find<ui::Panel3D>(second ? "SSPanel2" : "SSPanel1");
        const auto *off = find<ui::Panel3D>(second ? "SSPanel1" : "SSPanel2");
        EXPECT_EQ(on->captionColor(), kHighlightText);
        EXPECT_EQ(on->backColor(), kHighlightBack);
        EXPECT_EQ(off->captionColor(), QColor(Qt::black));
        EXPECT_EQ(off->backColor(), kGrey);
        return second ? 2 : 1;
    }
    // The network on show and its rows.
    using Shown = std::pair<int, QStringList>;
    Shown shown() { return {shownNetwork(), shownRows()}; }
    std::int16_t flag() { return find<ui::BinaryPanel>({})->Reseau1_Affiche(); }
};

TEST_F(BinaryPanelTest, CheckingBeforeAnyVerificationShowsEmptyRows)
{
    toggleCheck();
    EXPECT_EQ(shown(), Shown(1, (QStringList {"", "", ""})));
    for (const char *name : {"SSPanel14", "SSPanel15", "SSPanel16"})
        EXPECT_TRUE(find(name)->isVisible()) << name;
    EXPECT_EQ(flag(), 1);
}

TEST_F(BinaryPanelTest, SwitchesBetweenTheStoredRowsOfBothNetworks)
{
    showPanel();
    EXPECT_EQ(shown(), Shown(1, rowsOf("1")));
    switchNetwork();
    EXPECT_EQ(shown(), Shown(2, rowsOf("2")));
    EXPECT_EQ(flag(), 0);
    switchNetwork();
    EXPECT_EQ(shown(), Shown(1, rowsOf("1")));
    EXPECT_EQ(flag(), 1);
}

TEST_F(BinaryPanelTest, ATabChangeDoesNotMakeTheButtonShowTheSameNetwork)
{
    showPanel();
    select(1);
    select(0);
    EXPECT_EQ(shownNetwork(), 1);
    switchNetwork();
    EXPECT_EQ(shown(), Shown(2, rowsOf("2")));
}

TEST_F(BinaryPanelTest, AVerificationKeepsTheNetworkOnShowInTheBoxes)
{
    showPanel();
    verify("3", "4");
    EXPECT_EQ(shown(), Shown(1, rowsOf("3")));
    switchNetwork();
    EXPECT_EQ(shown(), Shown(2, rowsOf("4")));

    verify("5", "6");
    EXPECT_EQ(shown(), Shown(2, rowsOf("6")));
    EXPECT_EQ(flag(), 0);
    switchNetwork();
    EXPECT_EQ(shown(), Shown(1, rowsOf("5")));
}

TEST_F(BinaryPanelTest, UncheckingHidesAndGreysAndRecheckingShowsNetworkOne)
{
    showPanel();
    switchNetwork();
    toggleCheck();
    EXPECT_EQ(shownNetwork(), 0);
    for (const char *name : {"SSPanelAffichage", "SSPanel14", "SSPanel15", "SSPanel16"})
        EXPECT_TRUE(find(name)->isHidden()) << name;
    for (const char *name : {"SSPanel1", "SSPanel2"}) {
        EXPECT_EQ(find<ui::Panel3D>(name)->backColor(), kGrey);
        EXPECT_EQ(find<ui::Panel3D>(name)->captionColor(), QColor(Qt::black));
    }
    EXPECT_EQ(flag(), 0);
    toggleCheck();
    EXPECT_EQ(shown(), Shown(1, rowsOf("1")));
}

TEST_F(BinaryPanelTest, ThePanelCoversTheFinishedScene)
{
    showPanel();
    auto *frame = find("Frame1");
    auto *panel = find("SSPanelAffichage");
    for (const char *name : {"PICT_PC1", "PICT_PC2", "LBL_Ping", "LBL_echo"}) {
        ASSERT_TRUE(find(name)->isVisible()) << name;
        QWidget *top = frame->childAt(find(name)->geometry().center());
        EXPECT_TRUE(top == panel || panel->isAncestorOf(top)) << name;
    }
}

TEST_F(BinaryPanelTest, ClearForgetsTheStoredRows)
{
    showPanel();
    click("CMD_Effacer");
    EXPECT_EQ(shownNetwork(), 0);
    EXPECT_FALSE(find<QCheckBox>("SSCHK_AffichageBinaire")->isChecked());
    toggleCheck();
    EXPECT_EQ(shownRows(), (QStringList {"", "", ""}));
    switchNetwork();
    EXPECT_EQ(shownRows(), (QStringList {"", "", ""}));
}

} // namespace
