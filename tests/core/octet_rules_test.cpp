#include "core/message.hpp"
#include "core/octet_rules.hpp"

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

TEST(MasqueClasse, WritesTextsAndLocksInOrder)
{
    EXPECT_EQ(core::Masque_Classe(Classe::A),
        (MaskSteps {SetMaskText {0, "255"}, SetMaskLocked {0, true}, SetMaskText {1, "0"},
            SetMaskText {2, "0"}, SetMaskText {3, "0"}}));
    EXPECT_EQ(core::Masque_Classe(Classe::B),
        (MaskSteps {SetMaskText {0, "255"}, SetMaskText {1, "255"}, SetMaskLocked {0, true},
            SetMaskLocked {1, false}, SetMaskText {2, "0"}, SetMaskText {3, "0"}}));
    EXPECT_EQ(core::Masque_Classe(Classe::C),
        (MaskSteps {SetMaskText {0, "255"}, SetMaskText {1, "255"}, SetMaskText {2, "255"},
            SetMaskLocked {0, true}, SetMaskLocked {1, true}, SetMaskLocked {2, false},
            SetMaskText {3, "0"}}));
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

TEST(ClassStep, CaptionsThenWritesTheDefaultMask)
{
    MaskSteps expected {SetCaption {"Adresse IP - Type classe A"}};
    for (const auto &step : core::Masque_Classe(Classe::A))
        expected.push_back(step);
    EXPECT_EQ(core::classStep("10"), expected);
    EXPECT_EQ(core::classStep("12abc"), expected);
    EXPECT_EQ(
        std::get<SetCaption>(core::classStep("192").front()).caption, "Adresse IP - Type classe C");
    EXPECT_EQ(
        std::get<SetCaption>(core::classStep("127").front()).caption, "Adresse IP - Type classe B");
}

TEST(ClassStep, ChangesNothingWithoutAClass)
{
    for (const char *text : {"", "0", "abc", "-5", "126", "191", "223", "250", "255"})
        EXPECT_TRUE(core::classStep(text).empty()) << "text=\"" << text << '"';
}

} // namespace
