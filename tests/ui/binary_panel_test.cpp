#include "core/binary_rendering.hpp"
#include "harness.hpp"
#include "ui/binary_panel.hpp"
#include "ui/widgets/panel_3d.hpp"

#include <QCheckBox>
#include <functional>

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

    // The three rows of a class C network 192.168.<third>.0 with the mask 255.255.255.0; empty
    // rows for none.
    static QStringList rowsOf(const char *third)
    {
        if (!third)
            return {"", "", ""};
        const auto rows
            = core::renderNetwork({"192", "168", third, "0"}, {"255", "255", "255", "0"});
        return {QString::fromStdString(rows.address), QString::fromStdString(rows.mask),
            QString::fromStdString(rows.result)};
    }

    // Which network the panel says it shows, by its captions; 0 when hidden.
    int shownNetwork()
    {
        if (find("SSPanelAffichage")->isHidden())
            return 0;
        const auto *panel = find<ui::Panel3D>("SSPanelAffichage");
        const bool second = panel->caption() == "Affichage Binaire 2ème Réseau IP";
        EXPECT_EQ(find<QPushButton>("CMD_AutreReseau")->text(),
            second ? "1er Réseau IP" : "2ème Réseau IP");
        return second ? 2 : 1;
    }
};

// The panel, its button and the verifications in one sequence: each step shows which network,
// with which rows (the third octet of 192.168.x.0/24, none for empty rows).
TEST_F(BinaryPanelTest, ShowsTheStoredRowsOfTheNetworkChosen)
{
    const auto check = [this] { click("SSCHK_AffichageBinaire"); };
    const auto other = [this] { click("CMD_AutreReseau"); };
    const struct
    {
        const char *name;
        std::function<void()> step;
        int network;
        const char *rows;
    } steps[] = {
        {"checked before any verification", check, 1, nullptr},
        {"the other, still empty", other, 2, nullptr},
        {"verified: the network on show stays", [this] { verify("1", "2"); }, 2, "2"},
        {"the other", other, 1, "1"},
        {"back from another tab",
            [this] {
                selectTabOf("Nombre1");
                selectTabOf("AdresseIP1(0)");
            },
            1, "1"},
        {"the other after a tab change", other, 2, "2"},
        {"verified again", [this] { verify("3", "4"); }, 2, "4"},
        {"the other again", other, 1, "3"},
        {"verified with network 1 on show", [this] { verify("5", "6"); }, 1, "5"},
        {"the other before unchecking", other, 2, "6"},
        {"unchecked", check, 0, nullptr},
        {"checked again: network 1", check, 1, "5"},
        {"cleared", [this] { click("CMD_Effacer"); }, 0, nullptr},
        {"checked after clearing: rows forgotten", check, 1, nullptr},
        {"the other after clearing", other, 2, nullptr},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.name);
        s.step();
        EXPECT_EQ(shownNetwork(), s.network);
        EXPECT_EQ(find<QCheckBox>("SSCHK_AffichageBinaire")->isChecked(), s.network != 0);
        for (const char *name : {"SSPanel14", "SSPanel15", "SSPanel16"})
            EXPECT_EQ(find(name)->isVisible(), s.network != 0) << name;
        // Only the network on show is highlighted.
        for (int n = 1; n <= 2; ++n) {
            const auto *panel = find<ui::Panel3D>(n == 1 ? "SSPanel1" : "SSPanel2");
            EXPECT_EQ(panel->backColor(), n == s.network ? kHighlightBack : kGrey) << n;
            EXPECT_EQ(panel->captionColor(), n == s.network ? kHighlightText : QColor(Qt::black));
        }
        const QStringList shown {text("TXT_Adresse1"), text("TXT_Masque1"), text("TXT_Resultat1")};
        EXPECT_TRUE(s.network == 0 || shown == rowsOf(s.rows)) << shown.join('|').toStdString();
    }
}

TEST_F(BinaryPanelTest, ThePanelCoversTheFinishedScene)
{
    verify("1", "2");
    click("SSCHK_AffichageBinaire");
    auto *frame = find("Frame1");
    auto *panel = find("SSPanelAffichage");
    for (const char *name : {"PICT_PC1", "PICT_PC2", "LBL_Ping", "LBL_echo"}) {
        ASSERT_TRUE(find(name)->isVisible()) << name;
        QWidget *top = frame->childAt(find(name)->geometry().center());
        EXPECT_TRUE(top == panel || panel->isAncestorOf(top)) << name;
    }
}

} // namespace
