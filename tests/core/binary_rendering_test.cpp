#include "core/binary_rendering.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace {

// The digits of every accepted number are checked by the binary sum's fuzz target, which reads
// them through Conversion_Binaire; here the group they make, and what no octet box keeps.
TEST(OctetBinaire, ShowsTheIntegerPartCappedAtEightOnes)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"192"}, "1 1 0 0 0 0 0 0"},
        {{"", " ", "abc", "-5", "0.9"}, "0 0 0 0 0 0 0 0"},
        {{"255", "256", "999", "1E999"}, "1 1 1 1 1 1 1 1"},
    };
    for (const auto &[texts, digits] : cases) {
        for (const std::string &text : texts)
            EXPECT_EQ(core::Octet_Binaire(text), "   " + digits + " ") << "text=\"" << text << '"';
    }
}

TEST(LigneReseau, AndsTheAddressWithTheMask)
{
    const auto rows = core::renderNetwork({"192", "168", "1", "10"}, {"255", "255", "255", "0"});
    EXPECT_EQ(rows.address, core::Ligne_Binaire({"192", "168", "1", "10"}));
    EXPECT_EQ(rows.mask, core::Ligne_Binaire({"255", "255", "255", "0"}));
    EXPECT_EQ(rows.result, core::Ligne_Binaire({"192", "168", "1", "0"}));
}

TEST(LigneReseau, ReadsPositionsPastTheEndOfAShortRowAsZeros)
{
    const std::string ones = core::Ligne_Binaire({"255", "255", "255", "255"});
    const std::string zeros = core::Ligne_Binaire({"0", "0", "0", "0"});
    // The last digit of a row sits at index 74, followed by one blank.
    const std::pair<std::vector<std::size_t>, core::Octets> cases[] = {
        {{0, 3}, {"0", "0", "0", "0"}},
        {{4}, {"128", "0", "0", "0"}},
        {{20, 22}, {"255", "0", "0", "0"}},
        {{23}, {"255", "128", "0", "0"}},
        {{74}, {"255", "255", "255", "254"}},
        {{75}, {"255", "255", "255", "255"}},
    };
    for (const auto &[lengths, network] : cases) {
        for (const std::size_t length : lengths) {
            const std::string cut = ones.substr(0, length);
            EXPECT_EQ(core::Ligne_Reseau(cut, ones), core::Ligne_Binaire(network))
                << "address cut to " << length;
            EXPECT_EQ(core::Ligne_Reseau(ones, cut), core::Ligne_Binaire(network))
                << "mask cut to " << length;
        }
    }
    EXPECT_EQ(core::Ligne_Reseau(std::string(76, '2'), ones), zeros);
}

} // namespace
