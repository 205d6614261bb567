#include "core/binary_rendering.hpp"
#include "harness.hpp"
#include "ui/binary_panel.hpp"
#include "ui/widgets/panel_3d.hpp"

#include <QCheckBox>

namespace {

const QColor kHighlightText {0, 0, 255}, kHighlightBack {255, 192, 192}, kGrey {192, 192, 192};

class BinaryPanelTest : public test::WindowTest
{
protected:
    BinaryPanelTest()
        : WindowTest(0)
    { }

    void setNetworks(const QStringList &address1, const QStringList &address2)
    {
        for (int i = 0; i < 4; ++i) {
            box(QStringLiteral("AdresseIP1(%1)").arg(i))->setText(address1[i]);
            box(QStringLiteral("AdresseIP2(%1)").arg(i))->setText(address2[i]);
        }
        messages.shown.clear();
        click("CMD_Verification");
        ASSERT_EQ(messages.shown.size(), 1u);
        ASSERT_EQ(messages.shown[0].title, "Vérification");
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
    std::int16_t flag() { return find<ui::BinaryPanel>({})->Reseau1_Affiche(); }
};

TEST_F(BinaryPanelTest, CheckingBeforeAnyVerificationShowsEmptyRows)
{
    toggleCheck();
    EXPECT_EQ(shownNetwork(), 1);
    EXPECT_EQ(shownRows(), (QStringList {"", "", ""}));
    for (const char *name : {"SSPanel14", "SSPanel15", "SSPanel16"})
        EXPECT_TRUE(find(name)->isVisible()) << name;
    EXPECT_EQ(flag(), 1);
}

TEST_F(BinaryPanelTest, SwitchesBetweenTheStoredRowsOfBothNetworks)
{
    setNetworks({"192", "168", "1", "0"}, {"192", "168", "2", "0"});
    toggleCheck();
    EXPECT_EQ(shownNetwork(), 1);
    EXPECT_EQ(shownRows(), rowsOf("1"));
    switchNetwork();
    EXPECT_EQ(shownNetwork(), 2);
    EXPECT_EQ(shownRows(), rowsOf("2"));
    EXPECT_EQ(flag(), 0);
    switchNetwork();
    EXPECT_EQ(shownNetwork(), 1);
    EXPECT_EQ(shownRows(), rowsOf("1"));
    EXPECT_EQ(flag(), 1);
}

TEST_F(BinaryPanelTest, ATabChangeDoesNotMakeTheButtonShowTheSameNetwork)
{
    setNetworks({"192", "168", "1", "0"}, {"192", "168", "2", "0"});
    toggleCheck();
    select(1);
    select(0);
    EXPECT_EQ(shownNetwork(), 1);
    switchNetwork();
    EXPECT_EQ(shownNetwork(), 2);
    EXPECT_EQ(shownRows(), rowsOf("2"));
}

TEST_F(BinaryPanelTest, AVerificationKeepsTheNetworkOnShowInTheBoxes)
{
    setNetworks({"192", "168", "1", "0"}, {"192", "168", "2", "0"});
    toggleCheck();
    setNetworks({"192", "168", "3", "0"}, {"192", "168", "4", "0"});
    EXPECT_EQ(shownNetwork(), 1);
    EXPECT_EQ(shownRows(), rowsOf("3"));
    switchNetwork();
    EXPECT_EQ(shownNetwork(), 2);
    EXPECT_EQ(shownRows(), rowsOf("4"));

    setNetworks({"192", "168", "5", "0"}, {"192", "168", "6", "0"});
    EXPECT_EQ(shownNetwork(), 2);
    EXPECT_EQ(shownRows(), rowsOf("6"));
    EXPECT_EQ(flag(), 0);
    switchNetwork();
    EXPECT_EQ(shownNetwork(), 1);
    EXPECT_EQ(shownRows(), rowsOf("5"));
}

TEST_F(BinaryPanelTest, UncheckingHidesAndGreysAndRecheckingShowsNetworkOne)
{
    setNetworks({"192", "168", "1", "0"}, {"192", "168", "2", "0"});
    toggleCheck();
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
    EXPECT_EQ(shownNetwork(), 1);
    EXPECT_EQ(shownRows(), rowsOf("1"));
}

TEST_F(BinaryPanelTest, ThePanelCoversTheFinishedScene)
{
    setNetworks({"192", "168", "1", "0"}, {"192", "168", "2", "0"});
    toggleCheck();
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
    setNetworks({"192", "168", "1", "0"}, {"192", "168", "2", "0"});
    toggleCheck();
    click("CMD_Effacer");
    EXPECT_EQ(shownNetwork(), 0);
    EXPECT_FALSE(find<QCheckBox>("SSCHK_AffichageBinaire")->isChecked());
    toggleCheck();
    EXPECT_EQ(shownRows(), (QStringList {"", "", ""}));
    switchNetwork();
    EXPECT_EQ(shownRows(), (QStringList {"", "", ""}));
}

} // namespace
