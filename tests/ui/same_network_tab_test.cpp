#include "core/same_network.hpp"
#include "harness.hpp"
#include "ui/widgets/frame_3d.hpp"
#include "ui/widgets/line_shape.hpp"
#include "ui/widgets/panel_3d.hpp"

#include <QLabel>

namespace {

const QStringList kAddress1 {"192", "168", "1", "0"};
const QStringList kMask24 {"255", "255", "255", "0"};

struct ClassView
{
    const char *caption;
    QStringList mask;
    std::vector<bool> enabled;
};
const ClassView kClassA {
    "Adresse IP - Type classe A", {"255", "0", "0", "0"}, {false, true, true, true}};
const ClassView kClassB {
    "Adresse IP - Type classe B", {"255", "255", "0", "0"}, {false, true, true, true}};
const ClassView kClassC {
    "Adresse IP - Type classe C", {"255", "255", "255", "0"}, {false, false, true, true}};
const ClassView kNoClass {"Adresse IP - Type classe ", {"", "", "", ""}, {true, true, true, true}};

class SameNetworkTabTest : public test::OnTab<0>
{
protected:
    QString caption(const QString &frame) { return find<ui::Frame3D>(frame)->caption(); }

    // Types a network the way a user does: each address octet over its box, then the mask octets
    // the class left editable; locked mask boxes must already hold the wanted octet.
    void typeNetwork(int network, const QStringList &address, const QStringList &mask)
    {
        const QString addressArray = network == 1 ? "AdresseIP1" : "AdresseIP2";
        const QString maskArray = network == 1 ? "masque1" : "Masque2";
        for (int i = 0; i < 4; ++i)
            typeOver(element(addressArray, i), address[i]);
        for (int i = 0; i < 4; ++i) {
            const QString name = element(maskArray, i);
            if (box(name)->isEnabled())
                typeOver(name, mask[i]);
            ASSERT_EQ(text(name), mask[i]) << name.toStdString();
        }
    }

    void verify(const QStringList &address2, const QStringList &mask2)
    {
        typeNetwork(1, kAddress1, kMask24);
        typeNetwork(2, address2, mask2);
        messages.shown.clear();
        click("CMD_Verification");
    }

    bool sceneHidden()
    {
        for (const char *name :
            {"PICT_PC1", "PICT_PC2", "LINE_Ping", "LINE_Retour", "LBL_Ping", "LBL_echo"}) {
            if (!find(name)->isHidden())
                return false;
        }
        return true;
    }

    ui::LineShape *line(const char *name) { return find<ui::LineShape>(name); }

    // A network's frame caption and mask group as a class leaves them.
    void expectClass(int network, const ClassView &view, const char *context)
    {
        const QString mask = network == 1 ? "masque1" : "Masque2";
        EXPECT_EQ(caption(network == 1 ? "SSFrame1" : "SSFrame3"), view.caption) << context;
        EXPECT_EQ(texts(mask), view.mask) << context;
        EXPECT_EQ(enabled(mask), view.enabled) << context;
    }
};

TEST_F(SameNetworkTabTest, TypingAFirstOctetGivesItsClassAndDefaultMask)
{
    // Keystroke by keystroke over the 0 of the start, then whole octets typed over; an octet of
    // no class empties the mask the class before it wrote.
    const std::pair<const char *, const ClassView &> steps[]
        = {{"1", kClassA}, {"9", kClassA}, {"1", kClassB}, {"192", kClassC}, {"127", kNoClass},
            {"128", kClassB}, {"126", kClassA}, {"223", kClassC}, {"224", kNoClass},
            {"10", kClassA}, {"7", kClassA}, {"0", kNoClass}, {"x", kNoClass}};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        if (i == 0 || i > 2)
            typeOver("AdresseIP1(0)", steps[i].first);
        else
            typeAfter("AdresseIP1(0)", steps[i].first);
        expectClass(1, steps[i].second, steps[i].first);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SameNetworkTabTest, TwoCharactersDoNotEmptyTheMaskFirst)
{
    typeOver("AdresseIP1(0)", "192");
    backspace("AdresseIP1(0)");
    EXPECT_EQ(text("AdresseIP1(0)"), "19");
    EXPECT_EQ(caption("SSFrame1"), "Adresse IP - Type classe A");
    EXPECT_EQ(texts("masque1"), (QStringList {"255", "0", "0", "0"}));
    EXPECT_EQ(enabled("masque1"), kClassA.enabled); // (1) no longer locked from class C

    erase("AdresseIP2(0)");
    typeAfter("AdresseIP2(0)", "0");
    typeAfter("AdresseIP2(0)", "1");
    EXPECT_EQ(caption("SSFrame3"), "Adresse IP - Type classe A");
}

TEST_F(SameNetworkTabTest, RefusesOctetsAbove255AndEmptiesTheBox)
{
    typeOver("AdresseIP1(0)", "192");
    typeOver("AdresseIP1(2)", "300");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], core::rangeRefusal());
    EXPECT_EQ(text("AdresseIP1(2)"), "");
    EXPECT_EQ(texts("masque1"), kMask24); // emptied, then the class default again

    messages.shown.clear();
    typeOver("masque1(3)", "300");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(text("masque1(3)"), "");
    EXPECT_EQ(caption("SSFrame1"), "Adresse IP - Type classe C");

    messages.shown.clear();
    typeOver("AdresseIP2(1)", "255");
    typeOver("Masque2(1)", "0");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SameNetworkTabTest, ARefusedAddressOctetEmptiesThatNetworksMask)
{
    // 224 gives no class, so nothing fills the mask again after the refusal empties it.
    const struct
    {
        const char *address, *mask, *other;
    } networks[] = {{"AdresseIP1", "masque1", "Masque2"}, {"AdresseIP2", "Masque2", "masque1"}};
    for (const auto &n : networks) {
        typeOver(element(n.address, 0), "224");
        for (int i = 1; i < 4; ++i)
            typeOver(element(n.mask, i), "255");
        typeOver(element(n.other, 3), "7");
        messages.shown.clear();
        typeOver(element(n.address, 2), "300");
        ASSERT_EQ(messages.shown.size(), 1u) << n.address;
        EXPECT_EQ(texts(n.mask), (QStringList {"", "", "", ""})) << n.address;
        EXPECT_EQ(text(element(n.other, 3)), "7") << n.address;
    }
}

TEST_F(SameNetworkTabTest, VerificationIsEnabledByTheSecondNetworksFirstOctet)
{
    typeNetwork(1, kAddress1, kMask24);
    EXPECT_FALSE(find("CMD_Verification")->isEnabled());
    typeOver("AdresseIP2(1)", "5");
    EXPECT_FALSE(find("CMD_Verification")->isEnabled());
    typeOver("AdresseIP2(0)", "1");
    EXPECT_TRUE(find("CMD_Verification")->isEnabled());
    typeOver("AdresseIP2(0)", "0");
    EXPECT_TRUE(find("CMD_Verification")->isEnabled());
}

TEST_F(SameNetworkTabTest, SameNetworkRepliesAllTheWayUnderTheBusyPointer)
{
    std::vector<Qt::CursorShape> pointer;
    messages.onShow = [&](const core::Message &) { pointer.push_back(window.cursor().shape()); };
    verify(kAddress1, kMask24);

    EXPECT_EQ(messages.shown, std::vector {core::verdict(true)});
    EXPECT_EQ(pointer, std::vector<Qt::CursorShape> {Qt::WaitCursor});
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);

    EXPECT_EQ(line("LINE_Retour")->x1(), 605);
    EXPECT_EQ(line("LINE_Ping")->x2(), 605);
    EXPECT_EQ(line("LINE_Ping")->color(), QColor(255, 0, 0));
    EXPECT_EQ(line("LINE_Retour")->color(), QColor(0, 0, 255));
    EXPECT_EQ(find<QLabel>("LBL_echo")->text(), "Echo Reply");
    EXPECT_EQ(find("LBL_echo")->x(), ui::px(580));
    EXPECT_EQ(find("LBL_Ping")->x(), ui::px(6500));
    for (const char *name :
        {"PICT_PC1", "PICT_PC2", "LINE_Ping", "LINE_Retour", "LBL_Ping", "LBL_echo"})
        EXPECT_TRUE(find(name)->isVisible()) << name;
}

TEST_F(SameNetworkTabTest, DifferentNetworksTimeOutHalfWay)
{
    verify({"192", "168", "2", "0"}, kMask24);
    EXPECT_EQ(messages.shown, std::vector {core::verdict(false)});
    EXPECT_EQ(line("LINE_Retour")->x1(), 2005);
    EXPECT_EQ(line("LINE_Ping")->x2(), 2005);
    EXPECT_EQ(find<QLabel>("LBL_echo")->text(), "Request TimeOut");
    EXPECT_EQ(find("LBL_echo")->x(), ui::px(2000));
}

TEST_F(SameNetworkTabTest, SubnetsCutByTheirOwnMasksCanBeOneNetwork)
{
    typeNetwork(1, {"172", "16", "4", "0"}, {"255", "255", "252", "0"});
    typeNetwork(2, {"172", "16", "5", "0"}, {"255", "255", "252", "0"});
    click("CMD_Verification");
    EXPECT_EQ(messages.shown, std::vector {core::verdict(true)});
}

TEST_F(SameNetworkTabTest, AHostAddressIsRefusedBeforeAnyAnimation)
{
    typeNetwork(1, {"192", "168", "1", "5"}, kMask24);
    typeNetwork(
        2, {"10", "20", "0", "0"}, {"255", "0", "0", "0"}); // wrong too: only the first is named
    click("CMD_Verification");
    EXPECT_EQ(messages.shown, std::vector {core::coherenceRefusal(1)});
    EXPECT_TRUE(sceneHidden());
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(SameNetworkTabTest, AnyOctetChangeHidesTheFinishedScene)
{
    verify(kAddress1, kMask24);
    ASSERT_FALSE(sceneHidden());
    typeAfter("Masque2(3)", "0");
    EXPECT_TRUE(sceneHidden());
}

TEST_F(SameNetworkTabTest, ClearLeavesZerosEmptyMasksAndNoVerification)
{
    verify(kAddress1, kMask24);
    click("SSCHK_AffichageBinaire"); // highlights SSPanel1, which the clearing greys
    messages.shown.clear();
    click("CMD_Effacer");

    EXPECT_EQ(texts("AdresseIP1"), (QStringList {"0", "0", "0", "0"}));
    EXPECT_EQ(texts("AdresseIP2"), (QStringList {"0", "0", "0", "0"}));
    expectClass(1, kNoClass, "cleared");
    expectClass(2, kNoClass, "cleared");
    EXPECT_FALSE(find("CMD_Verification")->isEnabled());
    EXPECT_EQ(find<ui::Panel3D>("SSPanel1")->backColor(), QColor(192, 192, 192));
    EXPECT_TRUE(sceneHidden());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SameNetworkTabTest, EmptyBoxesVerifyAsOneNetwork)
{
    typeOver("AdresseIP2(0)", "1"); // enables the verification
    typeOver("AdresseIP2(0)", "0"); // one character: the mask is emptied and unlocked
    for (const char *group : {"AdresseIP1", "AdresseIP2", "masque1", "Masque2"}) {
        for (int i = 0; i < 4; ++i)
            erase(element(group, i));
    }
    messages.shown.clear();
    click("CMD_Verification");
    EXPECT_EQ(messages.shown, std::vector {core::verdict(true)});
}

} // namespace
