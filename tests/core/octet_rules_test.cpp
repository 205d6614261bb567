#include "core/message.hpp"
#include "core/octet_rules.hpp"

#include <array>
#include <gtest/gtest.h>

namespace {

using core::Classe;
using core::MaskSteps;
using core::SetCaption;
using core::SetMaskLocked;
using core::SetMaskText;

TEST(VerifOctet, AcceptsZeroTo255AndNonNumbers)
{
    for (const char *text : {"0", "255", "", " ", "abc", "0abc", "12abc", "254.9", "1E2", "&HFF"})
        EXPECT_TRUE(core::Verif_Octet(text)) << "text=\"" << text << '"';
}

TEST(VerifOctet, RefusesOutsideZeroTo255)
{
    for (const char *text :
        {"256", "300", "255.5", "-1", "-0.5", "1E999", "&H100", "99999999999999999999"})
        EXPECT_FALSE(core::Verif_Octet(text)) << "text=\"" << text << '"';
}

TEST(VerifOctet, RefusalNamesOneAnd254)
{
    const core::Message refusal = core::rangeRefusal();
    EXPECT_EQ(refusal.text, "La valeur doit être comprise entre 1 et 254.");
    EXPECT_EQ(refusal.icon, core::Icon::Critical);
    EXPECT_EQ(refusal.title, "Erreur de saisie");
}

TEST(ClasseAdresse, UsesStrictBoundsOnBothSides)
{
    const std::pair<double, std::optional<Classe>> cases[]
        = {{-1, std::nullopt}, {0, std::nullopt}, {0.5, Classe::A}, {1, Classe::A}, {10, Classe::A},
            {125, Classe::A}, {125.5, Classe::A}, {126, std::nullopt}, {126.5, Classe::B},
            {127, Classe::B}, {190, Classe::B}, {190.9, Classe::B}, {191, std::nullopt},
            {191.5, Classe::C}, {192, Classe::C}, {222, Classe::C}, {222.9, Classe::C},
            {223, std::nullopt}, {250, std::nullopt}, {255, std::nullopt}};
    for (const auto &[value, classe] : cases)
        EXPECT_EQ(core::Classe_Adresse(value), classe) << "first octet " << value;
}

// A network's address frame and mask group as the steps leave them.
struct Group
{
    std::string caption = "unchanged";
    std::array<std::string, 4> texts {"t0", "t1", "t2", "t3"};
    std::array<bool, 4> locked {};

    Group &apply(const MaskSteps &steps)
    {
        for (const core::MaskStep &step : steps) {
            if (const auto *c = std::get_if<SetCaption>(&step))
                caption = c->caption.french();
            else if (const auto *t = std::get_if<SetMaskText>(&step))
                texts.at(static_cast<std::size_t>(t->position)) = t->text;
            else if (const auto *l = std::get_if<SetMaskLocked>(&step))
                locked.at(static_cast<std::size_t>(l->position)) = l->locked;
        }
        return *this;
    }
};

TEST(MasqueClasse, WritesTheClassfulMaskAndLocksItsNetworkPart)
{
    const struct
    {
        Classe classe;
        std::array<std::string, 4> texts;
        const char *locks; // by position: L locked, U unlocked, - as it was
    } cases[] = {
        {Classe::A, {"255", "0", "0", "0"}, "L---"},
        {Classe::B, {"255", "255", "0", "0"}, "LU--"},
        {Classe::C, {"255", "255", "255", "0"}, "LLU-"},
    };
    for (const auto &c : cases) {
        for (const bool before : {false, true}) {
            Group group;
            group.locked.fill(before);
            group.apply(core::Masque_Classe(c.classe));
            EXPECT_EQ(group.texts, c.texts) << "class " << core::lettre(c.classe);
            EXPECT_EQ(group.caption, "unchanged");
            for (std::size_t i = 0; i < 4; ++i) {
                const bool expected = c.locks[i] == '-' ? before : c.locks[i] == 'L';
                EXPECT_EQ(group.locked[i], expected)
                    << "class " << core::lettre(c.classe) << " position " << i;
            }
        }
    }
}

// The window applies the steps in order, and each mask write runs that box's change handler:
// the mask's network part is locked only once its texts are written.
TEST(MasqueClasse, LocksAPositionOnlyAfterWritingIt)
{
    for (const Classe classe : {Classe::A, Classe::B, Classe::C}) {
        std::array<bool, 4> written {};
        for (const core::MaskStep &step : core::Masque_Classe(classe)) {
            if (const auto *t = std::get_if<SetMaskText>(&step)) {
                written.at(static_cast<std::size_t>(t->position)) = true;
            } else if (const auto *l = std::get_if<SetMaskLocked>(&step); l && l->locked) {
                EXPECT_TRUE(written.at(static_cast<std::size_t>(l->position)))
                    << "class " << core::lettre(classe) << " position " << l->position;
            }
        }
    }
}

TEST(FirstCharacterRule, EmptiesAndUnlocksTheMaskForAnyOneCharacter)
{
    const MaskSteps expected {SetMaskText {0, ""}, SetMaskText {1, ""}, SetMaskText {2, ""},
        SetMaskText {3, ""}, SetMaskLocked {0, false}, SetMaskLocked {1, false},
        SetMaskLocked {2, false}, SetMaskLocked {3, false},
        SetCaption {"Adresse IP - Type classe "}};
    for (const char *text : {"0", "7", "x", " ", "é"})
        EXPECT_EQ(core::firstCharacterRule(text), expected) << "text=\"" << text << '"';
    for (const char *text : {"", "01", "19", "192", "  "})
        EXPECT_TRUE(core::firstCharacterRule(text).empty()) << "text=\"" << text << '"';
}

TEST(ClassStep, CaptionsTheClassAndWritesItsMask)
{
    const struct
    {
        const char *text, *caption;
        std::array<std::string, 4> mask;
    } cases[] = {
        {"10", "Adresse IP - Type classe A", {"255", "0", "0", "0"}},
        {"12abc", "Adresse IP - Type classe A", {"255", "0", "0", "0"}},
        {"0.5", "Adresse IP - Type classe A", {"255", "0", "0", "0"}},
        {"127", "Adresse IP - Type classe B", {"255", "255", "0", "0"}},
        {"190.9", "Adresse IP - Type classe B", {"255", "255", "0", "0"}},
        {"192", "Adresse IP - Type classe C", {"255", "255", "255", "0"}},
        {"222", "Adresse IP - Type classe C", {"255", "255", "255", "0"}},
    };
    for (const auto &c : cases) {
        const Group group = Group {}.apply(core::classStep(c.text));
        EXPECT_EQ(group.caption, c.caption) << "text=\"" << c.text << '"';
        EXPECT_EQ(group.texts, c.mask) << "text=\"" << c.text << '"';
        EXPECT_TRUE(group.locked[0]) << "text=\"" << c.text << '"';
    }
}

TEST(ClassStep, ChangesNothingWithoutAClass)
{
    for (const char *text : {"", "0", "abc", "-5", "126", "191", "223", "250", "255"})
        EXPECT_TRUE(core::classStep(text).empty()) << "text=\"" << text << '"';
}

} // namespace
