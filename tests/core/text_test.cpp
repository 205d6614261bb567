#include "core/octet_rules.hpp"
#include "core/same_network.hpp"
#include "core/subnet_planning.hpp"
#include "core/text.hpp"
#include "tests/printers.hpp"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using core::IpClass;
using core::Text;

TEST(Text, PutsEachArgumentInPlaceOfItsNumber)
{
    const struct
    {
        Text text;
        const char *french;
    } cases[] = {
        {Text {"Erreur de saisie"}, "Erreur de saisie"},
        {Text {"%1 réseaux possibles", {"6"}}, "6 réseaux possibles"},
        {Text {"De %1 à %2", {"128", "191"}}, "De 128 à 191"},
        {Text {"%2 puis %1", {"un", "deux"}}, "deux puis un"},
        {Text {"%1 et %1", {"7"}}, "7 et 7"},
        {Text {"%1", {"%2"}}, "%2"}, // an argument is never read again
        {Text {"100 % de %1", {"x"}}, "100 % de x"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.text.french(), c.french) << "source=\"" << c.text.source() << '"';
}

// Every message the core gives the windows, word for word as the user reads it. The other
// suites compare with the core's functions and leave the words to this table.
const struct
{
    core::Message message;
    const char *text;
    core::Icon icon;
    const char *title;
} kMessages[] = {
    {core::rangeRefusal(), "La valeur doit être comprise entre 0 et 255.", core::Icon::Critical,
        "Erreur de saisie"},
    {core::coherenceRefusal(1),
        "La saisie de votre adresse 1er Réseau IP semble incorrecte. Veuillez vérifier votre "
        "adressage.",
        core::Icon::Exclamation, "Erreur de saisie"},
    {core::coherenceRefusal(2),
        "La saisie de votre adresse 2ème Réseau IP semble incorrecte. Veuillez vérifier votre "
        "adressage.",
        core::Icon::Exclamation, "Erreur de saisie"},
    {core::verdict(true),
        "Ces 2 réseaux IP appartiennent au même réseau, et ils peuvent communiquer entre eux.",
        core::Icon::Information, "Vérification"},
    {core::verdict(false),
        "Ces 2 réseaux IP sont différents. Vous devrez installer des routeurs entre eux.",
        core::Icon::Exclamation, "Vérification"},
    {core::Verif_ClasseAdresse(IpClass::A, "999")->message,
        " La valeur doit être comprise entre 1 et 126", core::Icon::Critical, "Erreur de saisie"},
    {core::Verif_ClasseAdresse(IpClass::B, "999")->message,
        " La valeur doit être comprise entre 128 et 191", core::Icon::Critical, "Erreur de saisie"},
    {core::Verif_ClasseAdresse(IpClass::C, "999")->message,
        " La valeur doit être comprise entre 192 et 223", core::Icon::Critical, "Erreur de saisie"},
    {std::get<core::CountRefused>(core::Calcul_SousReseaux("0", IpClass::A, IpClass::A, {}))
            .message,
        "La valeur doit être comprise entre 1 et 254.", core::Icon::Exclamation,
        "Erreur de saisie"},
    {std::get<core::AddressMissing>(core::Calcul_SousReseaux("6", IpClass::A, IpClass::A, {}))
            .message,
        "Votre Adresse IP n'est pas renseignée", core::Icon::Critical, "Erreur de saisie"},
    {std::get<core::Message>(core::Calcul_Slash("255", "0", "255")),
        "Ce masque n'est pas un masque de sous-réseau valide.", core::Icon::Critical,
        "Erreur de saisie"},
};

// The captions the core writes, word for word.
const std::pair<Text, const char *> kCaptions[] = {
    {core::classCaption(std::nullopt), "Adresse IP - Type classe "},
    {core::classCaption(IpClass::A), "Adresse IP - Type classe A"},
    {core::classCaption(IpClass::C), "Adresse IP - Type classe C"},
    {core::Masque_Defaut(IpClass::A).range, "De 1 à 126"},
    {core::Masque_Defaut(IpClass::B).range, "De 128 à 191"},
    {core::Masque_Defaut(IpClass::C).range, "De 192 à 223"},
    {std::get<core::SubnetPlan>(
         core::Calcul_SousReseaux("6", IpClass::B, IpClass::B, {"1", "2", "3", "4"}))
            .caption,
        "6 réseaux possibles"},
};

TEST(Text, EveryCoreTextReadsWordForWord)
{
    for (const auto &m : kMessages) {
        EXPECT_EQ(m.message.text.french(), m.text);
        EXPECT_EQ(m.message.icon, m.icon) << m.text;
        EXPECT_EQ(m.message.title.french(), m.title) << m.text;
    }
    for (const auto &[caption, french] : kCaptions)
        EXPECT_EQ(caption.french(), french);
}

std::vector<Text> everyCoreText()
{
    std::vector<Text> texts;
    for (const auto &m : kMessages)
        texts.insert(texts.end(), {m.message.text, m.message.title});
    for (const auto &caption : kCaptions)
        texts.push_back(caption.first);
    return texts;
}

// A translator sees the whole sentence: every argument has its place in it, once, and nothing
// else in it looks like a place.
TEST(Text, EveryCoreTextNamesEachOfItsArgumentsOnce)
{
    for (const Text &text : everyCoreText()) {
        const std::string source = text.source();
        EXPECT_FALSE(source.empty());
        for (std::size_t n = 1; n <= 9; ++n) {
            const std::string place = "%" + std::to_string(n);
            const std::size_t first = source.find(place);
            const bool expected = n <= text.arguments().size();
            EXPECT_EQ(first != std::string::npos, expected) << place << " in \"" << source << '"';
            if (expected) {
                EXPECT_EQ(source.find(place, first + 1), std::string::npos)
                    << place << " in \"" << source << '"';
            }
        }
        EXPECT_EQ(text.french().find('%'), std::string::npos) << source;
    }
}

} // namespace
