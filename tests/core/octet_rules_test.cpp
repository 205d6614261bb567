#include "core/message.hpp"
#include "core/octet_rules.hpp"
#include "tests/printers.hpp"

#include <array>
#include <gtest/gtest.h>

namespace {

using core::IpClass;
using core::MaskSteps;
using core::SetCaption;
using core::SetMaskLocked;
using core::SetMaskText;

// A network's address frame and mask group as the steps leave them. The window applies the steps
// in order, and each mask write runs that box's change handler: a position is locked only once
// its text is written.
struct Group
{
    std::string caption = "unchanged";
    std::array<std::string, 4> texts {"t0", "t1", "t2", "t3"};
    std::array<bool, 4> locked {}, written {};

    Group &apply(const MaskSteps &steps)
    {
        for (const core::MaskStep &step : steps) {
            if (const auto *c = std::get_if<SetCaption>(&step)) {
                caption = c->caption.french();
            } else if (const auto *t = std::get_if<SetMaskText>(&step)) {
                texts.at(static_cast<std::size_t>(t->position)) = t->text;
                written.at(static_cast<std::size_t>(t->position)) = true;
            } else if (const auto *l = std::get_if<SetMaskLocked>(&step)) {
                locked.at(static_cast<std::size_t>(l->position)) = l->locked;
                EXPECT_TRUE(!l->locked || written.at(static_cast<std::size_t>(l->position)))
                    << "locked before written: position " << l->position;
            }
        }
        return *this;
    }
};

TEST(MasqueClasse, WritesTheClassfulMaskAndLocksItsNetworkPart)
{
    const struct
    {
        IpClass ipClass;
        std::array<std::string, 4> texts;
        const char *locks; // by position: L locked, U unlocked, whatever they were before
    } cases[] = {
        {IpClass::A, {"255", "0", "0", "0"}, "LUUU"},
        {IpClass::B, {"255", "255", "0", "0"}, "LUUU"},
        {IpClass::C, {"255", "255", "255", "0"}, "LLUU"},
    };
    for (const auto &c : cases) {
        for (const bool before : {false, true}) {
            SCOPED_TRACE(std::string("class ") + core::letter(c.ipClass));
            Group group;
            group.locked.fill(before);
            group.apply(core::Masque_Classe(c.ipClass));
            EXPECT_EQ(group.texts, c.texts);
            EXPECT_EQ(group.caption, "unchanged");
            for (std::size_t i = 0; i < 4; ++i)
                EXPECT_EQ(group.locked[i], c.locks[i] == 'L') << "position " << i;
        }
    }
}

TEST(FirstCharacterRule, EmptiesAndUnlocksTheMaskForAnyOneCharacter)
{
    const MaskSteps expected {SetMaskText {0, ""}, SetMaskText {1, ""}, SetMaskText {2, ""},
        SetMaskText {3, ""}, SetMaskLocked {0, false}, SetMaskLocked {1, false},
        SetMaskLocked {2, false}, SetMaskLocked {3, false},
        SetCaption {core::classCaption(std::nullopt)}};
    for (const char *text : {"0", "7", "x", " ", "é"})
        EXPECT_EQ(core::firstCharacterRule(text), expected) << "text=\"" << text << '"';
    for (const char *text : {"", "01", "19", "192", "  "})
        EXPECT_TRUE(core::firstCharacterRule(text).empty()) << "text=\"" << text << '"';
}

// A first octet of a class, as every course bounds the classes, captions it, then writes its
// mask; one of none empties the mask as a class typed anew does.
TEST(ClassStep, CaptionsTheClassAndWritesItsMaskOrEmptiesIt)
{
    const std::pair<const char *, std::optional<IpClass>> cases[]
        = {{"-5", std::nullopt}, {"", std::nullopt}, {"abc", std::nullopt}, {"0.5", std::nullopt},
            {"1", IpClass::A}, {"12abc", IpClass::A}, {"126.5", IpClass::A}, {"127", std::nullopt},
            {"127.5", std::nullopt}, {"128", IpClass::B}, {"191.5", IpClass::B},
            {"192", IpClass::C}, {"223.5", IpClass::C}, {"224", std::nullopt}};
    for (const auto &[text, ipClass] : cases) {
        MaskSteps expected
            = ipClass ? core::Masque_Classe(*ipClass) : core::firstCharacterRule("0");
        if (ipClass)
            expected.insert(expected.begin(), SetCaption {core::classCaption(ipClass)});
        EXPECT_EQ(core::classStep(text), expected) << "text=\"" << text << '"';
    }
}

} // namespace
