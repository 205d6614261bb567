#include "core/octet_rules.hpp"
#include "core/same_network.hpp"
#include "harness.hpp"
#include "ui/widgets/frame_3d.hpp"
#include "ui/widgets/line_shape.hpp"

#include <QLabel>

namespace {

const QStringList kAddress1 {"192", "168", "1", "0"};
const QStringList kMask24 {"255", "255", "255", "0"};

// A network's frame caption and mask group as a class leaves them.
struct ClassView
{
    std::optional<core::IpClass> ipClass;
    QStringList mask;
    std::vector<bool> enabled;
    QString caption() const { return QString::fromStdString(core::classCaption(ipClass).french()); }
};
const ClassView kClassA {core::IpClass::A, {"255", "0", "0", "0"}, {false, true, true, true}};
const ClassView kClassB {core::IpClass::B, {"255", "255", "0", "0"}, {false, true, true, true}};
const ClassView kClassC {core::IpClass::C, {"255", "255", "255", "0"}, {false, false, true, true}};
const ClassView kNoClass {std::nullopt, {"", "", "", ""}, {true, true, true, true}};

class SameNetworkTabTest : public test::OnTab<0>
{
protected:
    QString caption(const QString &frame) { return find<ui::Frame3D>(frame)->caption(); }

    // Types 192.168.1.0/24 then the second network the way a user does, and verifies them: each
    // address octet over its box, then the mask octets the class left editable ("" erases);
    // locked mask boxes must already hold the wanted octet.
    void verify(const QStringList &address2, const QStringList &mask2)
    {
        for (const auto &[address, mask, addressArray, maskArray] :
            {std::tuple {kAddress1, kMask24, "AdresseIP1", "masque1"},
                {address2, mask2, "AdresseIP2", "Masque2"}}) {
            for (int i = 0; i < 4; ++i)
                typeOver(element(addressArray, i), address[i].isEmpty() ? "\b" : address[i]);
            for (int i = 0; i < 4; ++i) {
                const QString name = element(maskArray, i);
                if (box(name)->isEnabled())
                    typeOver(name, mask[i].isEmpty() ? "\b" : mask[i]);
                ASSERT_EQ(text(name), mask[i]) << name.toStdString();
            }
        }
        messages.shown.clear();
        click("CMD_Verification");
    }

    // Whether every part of the echo scene is shown, or every part hidden.
    bool scene(bool shown)
    {
        for (const char *name :
            {"PICT_PC1", "PICT_PC2", "LINE_Ping", "LINE_Retour", "LBL_Ping", "LBL_echo"}) {
            if (find(name)->isHidden() == shown)
                return false;
        }
        return true;
    }

    // A network's frame caption and mask group as a class leaves them.
    void expectClass(int network, const ClassView &view)
    {
        const QString mask = network == 1 ? "masque1" : "Masque2";
        EXPECT_EQ(caption(network == 1 ? "SSFrame1" : "SSFrame3"), view.caption());
        EXPECT_EQ(texts(mask), view.mask);
        EXPECT_EQ(enabled(mask), view.enabled);
    }
};

TEST_F(SameNetworkTabTest, TypingAFirstOctetGivesItsClassAndDefaultMask)
{
    // Typed over the box key by key, so each step's last key turns the octet without it into the
    // one checked ("192\b": 192 into 19); an octet of no class empties the mask the class before
    // it wrote, and a class's mask replaces another's.
    const std::pair<const char *, const ClassView &> steps[]
        = {{"1", kClassA}, {"19", kClassA}, {"191", kClassB}, {"192", kClassC}, {"192\b", kClassA},
            {"127", kNoClass}, {"128", kClassB}, {"126", kClassA}, {"223", kClassC},
            {"224", kNoClass}, {"10", kClassA}, {"7", kClassA}, {"0", kNoClass}, {"x", kNoClass}};
    for (const auto &[keys, view] : steps) {
        typeOver("AdresseIP1(0)", keys);
        SCOPED_TRACE(text("AdresseIP1(0)").toStdString());
        expectClass(1, view);
    }
    typeOver("AdresseIP2(0)", "01"); // in the second network
    expectClass(2, kClassA);
    EXPECT_TRUE(messages.shown.empty());
}

// A refused address octet (the refusal itself: RefusalTest) empties its network's mask, which its
// class, if any, fills again; the other network's mask and the class are left alone.
TEST_F(SameNetworkTabTest, ARefusedOctetLeavesTheMaskToTheClass)
{
    const struct
    {
        const char *address, *mask, *other, *first;
        QStringList kept;
    } cases[] = {{"AdresseIP1", "masque1", "Masque2", "224", kNoClass.mask},
        {"AdresseIP2", "Masque2", "masque1", "224", kNoClass.mask},
        {"AdresseIP1", "masque1", "Masque2", "192", kMask24}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.address) + " of " + c.first);
        typeOver(element(c.address, 0), c.first);
        for (int i = 1; i < 4; ++i)
            typeOver(element(c.mask, i), "255");
        typeOver(element(c.other, 3), "7");
        typeOver(element(c.address, 2), "300");
        EXPECT_EQ(texts(c.mask), c.kept);
        EXPECT_EQ(text(element(c.other, 3)), "7");
    }
    typeOver("masque1(3)", "300");
    EXPECT_EQ(caption("SSFrame1"), kClassC.caption());
}

// The wiring of the verdict, against 192.168.1.0/24; the core's tables hold the other pairs.
// Deliberate: each verdict's position at the end of the scene is AnimationTest's.
TEST_F(SameNetworkTabTest, VerifiesUnderTheBusyPointerThenShowsTheScene)
{
    const struct
    {
        const char *name;
        QStringList address2, mask2;
        core::Message message;
        const char *echo; // the scene's last words; none when refused before it
    } cases[] = {
        {"one network", kAddress1, kMask24, core::verdict(true), "Echo Reply"},
        {"another network", {"192", "168", "2", "0"}, kMask24, core::verdict(false),
            "Request TimeOut"},
        {"each cut by its own mask", {"192", "168", "1", "1"}, {"255", "255", "255", "254"},
            core::verdict(true), "Echo Reply"},
        {"a host address", {"10", "20", "0", "0"}, {"255", "0", "0", "0"},
            core::coherenceRefusal(2), nullptr},
        {"empty boxes", {"", "", "", ""}, {"", "", "", ""}, core::verdict(false),
            "Request TimeOut"},
    };
    std::vector<Qt::CursorShape> pointer;
    messages.onShow = [&](const core::Message &) { pointer.push_back(window.cursor().shape()); };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        pointer.clear();
        verify(c.address2, c.mask2);
        EXPECT_EQ(messages.shown, std::vector {c.message});
        EXPECT_EQ(pointer, std::vector {c.echo ? Qt::WaitCursor : Qt::ArrowCursor});
        EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
        EXPECT_TRUE(scene(c.echo != nullptr));
        if (c.echo) {
            EXPECT_EQ(find<QLabel>("LBL_echo")->text(), c.echo);
            EXPECT_EQ(find<ui::LineShape>("LINE_Ping")->color(), QColor(255, 0, 0));
            EXPECT_EQ(find<ui::LineShape>("LINE_Retour")->color(), QColor(0, 0, 255));
        }
    }
    typeOver("Masque2(3)", "0"); // any octet's change hides the finished scene
    EXPECT_TRUE(scene(false));
}

TEST_F(SameNetworkTabTest, ClearLeavesZerosEmptyMasksAndNoVerificationTillTheSecondNetwork)
{
    verify(kAddress1, kMask24);
    messages.shown.clear();
    click("CMD_Effacer");

    EXPECT_EQ(texts("AdresseIP1"), (QStringList {"0", "0", "0", "0"}));
    EXPECT_EQ(texts("AdresseIP2"), (QStringList {"0", "0", "0", "0"}));
    expectClass(1, kNoClass);
    expectClass(2, kNoClass);
    EXPECT_FALSE(find("CMD_Verification")->isEnabled());
    EXPECT_TRUE(scene(false));
    EXPECT_TRUE(messages.shown.empty());

    // Then the second network's first octet alone enables the verification, for good.
    for (const auto &[name, keys, enables] :
        {std::tuple {"AdresseIP1(0)", "10", false}, {"AdresseIP2(1)", "5", false},
            {"AdresseIP2(0)", "1", true}, {"AdresseIP2(0)", "0", true}}) {
        typeOver(name, keys);
        EXPECT_EQ(find("CMD_Verification")->isEnabled(), enables) << name << " " << keys;
    }
}

} // namespace
