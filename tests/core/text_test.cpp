#include "core/octet_rules.hpp"
#include "core/same_network.hpp"
#include "core/subnet_planning.hpp"
#include "core/text.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using core::Classe;
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

std::vector<Text> everyCoreText()
{
    std::vector<Text> texts;
    const auto add = [&](const core::Message &message) {
        texts.push_back(message.text);
        texts.push_back(message.title);
    };
    add(core::rangeRefusal());
    add(core::messageCoherence(1));
    add(core::messageCoherence(2));
    add(core::messageVerdict(true));
    add(core::messageVerdict(false));
    texts.push_back(core::legendeClasse(std::nullopt));
    for (const Classe classe : {Classe::A, Classe::B, Classe::C}) {
        texts.push_back(core::legendeClasse(classe));
        texts.push_back(core::Masque_Defaut(classe).plage);
        add(core::Verif_ClasseAdresse(classe, "999")->message);
        const auto plan = core::Calcul_SousReseaux("6", classe, classe, {"1", "2", "3", "4"});
        texts.push_back(std::get<core::SubnetPlan>(plan).libelle);
    }
    add(std::get<core::CountRefused>(core::Calcul_SousReseaux("0", Classe::A, Classe::A, {}))
            .message);
    add(std::get<core::AddressMissing>(core::Calcul_SousReseaux("6", Classe::A, Classe::A, {}))
            .message);
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
