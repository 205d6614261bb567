#include "core/binary_rendering.hpp"
#include "core/same_network.hpp"

#include <gtest/gtest.h>

namespace {

using core::Octets;

struct Pair
{
    Octets adresse, masque;
};

bool sameNetwork(const Pair &one, const Pair &two)
{
    return core::Meme_Reseau(core::renderNetwork(one.adresse, one.masque).resultat,
        core::renderNetwork(two.adresse, two.masque).resultat);
}

TEST(VerifCoherence, FindsTheFirstOctetOutOfLineWithItsMask)
{
    const struct
    {
        Octets adresse, masque;
        std::optional<int> failing;
    } cases[] = {
        {{"192", "168", "1", "0"}, {"255", "255", "255", "0"}, std::nullopt},
        {{"192", "168", "1", "5"}, {"255", "255", "255", "0"}, 3},
        {{"10", "0", "0", "0"}, {"255", "255", "0", "0"}, 1},
        {{"10", "20", "0", "0"}, {"255", "0", "0", "0"}, 1},
        {{"0", "0", "0", "0"}, {"255", "0", "0", "0"}, 0},
        {{"", " ", "abc", "0"}, {"", " ", "", "0"}, std::nullopt},
        {{"10", "0", "3", "0"}, {"255", "0", "255", "0"}, std::nullopt},
        {{"0.5", "0", "0", "0"}, {"255", "0", "0", "0"}, std::nullopt},
        {{"-3", "0", "0", "0"}, {"0", "0", "0", "0"}, std::nullopt},
        {{"0.5", "0", "0", "0"}, {"0", "0", "0", "0"}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(core::Verif_Coherence(c.adresse, c.masque), c.failing)
            << c.adresse[0] << "." << c.adresse[1] << "." << c.adresse[2] << "." << c.adresse[3];
}

TEST(CheckPairs, NamesTheFirstNetworkThatFails)
{
    const Octets host {"192", "168", "1", "5"}, net {"192", "168", "1", "0"},
        mask {"255", "255", "255", "0"};
    EXPECT_EQ(core::checkPairs(host, mask, host, mask)->text,
        "La saisie de votre adresse 1er Réseau IP semble incorrecte. Veuillez vérifier votre "
        "adressage.");
    EXPECT_EQ(core::checkPairs(net, mask, host, mask)->text,
        "La saisie de votre adresse 2ème Réseau IP semble incorrecte. Veuillez vérifier votre "
        "adressage.");
    EXPECT_EQ(core::checkPairs(net, mask, host, mask)->icon, core::Icon::Exclamation);
    EXPECT_EQ(core::checkPairs(net, mask, host, mask)->title, "Erreur de saisie");
    EXPECT_FALSE(core::checkPairs(net, mask, net, mask));
}

TEST(MemeReseau, ComparesNetworksEachCutByItsOwnMask)
{
    const struct
    {
        Pair one, two;
        bool same;
    } cases[] = {
        {{{"192", "168", "1", "0"}, {"255", "255", "255", "0"}},
            {{"192", "168", "1", "0"}, {"255", "255", "255", "0"}}, true},
        {{{"172", "16", "4", "0"}, {"255", "255", "252", "0"}},
            {{"172", "16", "5", "0"}, {"255", "255", "252", "0"}}, true},
        {{{"192", "168", "1", "0"}, {"255", "255", "255", "0"}},
            {{"192", "168", "2", "0"}, {"255", "255", "255", "0"}}, false},
        {{{"10", "0", "0", "0"}, {"255", "0", "0", "0"}},
            {{"10", "20", "0", "0"}, {"255", "255", "0", "0"}}, false},
        {{{"", "", "", ""}, {"", "", "", ""}}, {{"0", "0", "0", "0"}, {" ", " ", " ", " "}}, true},
        {{{"10", "0", "3", "0"}, {"255", "0", "255", "0"}},
            {{"10", "9", "3", "7"}, {"255", "0", "255", "0"}}, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sameNetwork(c.one, c.two), c.same)
            << c.one.adresse[0] << "." << c.one.adresse[1] << "." << c.one.adresse[2] << " vs "
            << c.two.adresse[1];
}

TEST(Verdict, SaysSameOrDifferent)
{
    EXPECT_EQ(core::messageVerdict(true),
        (core::Message {
            "Ces 2 réseaux IP appartiennent au même réseau, et ils peuvent communiquer entre eux.",
            core::Icon::Information, "Vérification"}));
    EXPECT_EQ(core::messageVerdict(false),
        (core::Message {
            "Ces 2 réseaux IP sont différents. Vous devrez installer des routeurs entre eux.",
            core::Icon::Exclamation, "Vérification"}));
}

} // namespace
