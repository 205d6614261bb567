#include "core/octet_rules.hpp"
#include "core/same_network.hpp"
#include "core/subnet_planning.hpp"
#include "core/text.hpp"
#include "tests/printers.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using core::IpClass;
using core::Text;

TEST(Text, PutsEachArgumentInPlaceOfItsNumber)
{
    const std::pair<Text, const char *> cases[] = {
        {Text {"Erreur de saisie"}, "Erreur de saisie"},
        {Text {"%1 réseaux possibles", {"6"}}, "6 réseaux possibles"},
        {Text {"De %1 à %2", {"128", "191"}}, "De 128 à 191"},
        {Text {"%2 puis %1", {"un", "deux"}}, "deux puis un"},
        {Text {"%1 et %1", {"7"}}, "7 et 7"},
        {Text {"%1", {"%2"}}, "%2"}, // an argument is never read again
        {Text {"100 % de %1", {"x"}}, "100 % de x"},
    };
    for (const auto &[text, french] : cases)
        EXPECT_EQ(text.french(), french) << "source=\"" << text.source() << '"';
}

// Every text the core hands the windows (captions, messages, their titles) is a whole sentence
// for its translator: each argument has one place in it, and nothing else looks like a place.
TEST(Text, EveryCoreTextNamesEachOfItsArgumentsOnce)
{
    std::vector<Text> texts {core::classCaption(std::nullopt), core::classCaption(IpClass::A),
        core::Masque_Defaut(IpClass::A).range,
        std::get<core::SubnetPlan>(
            core::Calcul_SousReseaux("6", IpClass::B, IpClass::B, {"1", "2", "3", "4"}))
            .caption};
    const core::Message messages[] = {core::rangeRefusal(), core::coherenceRefusal(1),
        core::verdict(true), core::verdict(false),
        core::Verif_ClasseAdresse(IpClass::A, "999")->message,
        std::get<core::CountRefused>(core::Calcul_SousReseaux("0", IpClass::A, IpClass::A, {}))
            .message,
        std::get<core::AddressMissing>(core::Calcul_SousReseaux("6", IpClass::A, IpClass::A, {}))
            .message,
        std::get<core::Message>(core::Calcul_Slash("255", "0", "255"))};
    for (const core::Message &m : messages)
        texts.insert(texts.end(), {m.text, m.title});
    for (const Text &text : texts) {
        const std::string source = text.source();
        SCOPED_TRACE(source);
        EXPECT_FALSE(source.empty());
        for (std::size_t n = 1; n <= 9; ++n) {
            const std::string place = "%" + std::to_string(n);
            const std::size_t first = source.find(place);
            EXPECT_EQ(first != std::string::npos, n <= text.arguments().size()) << place;
            EXPECT_EQ(source.find(place, first + 1), std::string::npos) << place; // at most once
        }
        EXPECT_EQ(text.french().find('%'), std::string::npos);
    }
}

} // namespace
