#include "core/binary_rendering.hpp"
#include "core/same_network.hpp"
#include "tests/printers.hpp"

#include <gtest/gtest.h>

namespace {

using core::Octets;

TEST(VerifCoherence, FindsTheFirstOctetOutOfLineWithItsMask)
{
    const struct
    {
        Octets address, mask;
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
        EXPECT_EQ(core::Verif_Coherence(c.address, c.mask), c.failing)
            << c.address[0] << "." << c.address[1] << "." << c.address[2] << "." << c.address[3];
}

// The tab's verification test names the second network alone, and no network.
TEST(CheckPairs, NamesTheFirstNetworkThatFails)
{
    const Octets host {"192", "168", "1", "5"}, mask {"255", "255", "255", "0"};
    EXPECT_EQ(core::checkPairs(host, mask, host, mask), core::coherenceRefusal(1));
}

TEST(MemeReseau, ComparesNetworksEachCutByItsOwnMask)
{
    const struct
    {
        Octets address1, mask1, address2, mask2;
        bool same;
    } cases[] = {
        {{"10", "0", "0", "0"}, {"255", "0", "0", "0"}, {"10", "20", "0", "0"},
            {"255", "255", "0", "0"}, false},
        {{"", "", "", ""}, {"", "", "", ""}, {"0", "0", "0", "0"}, {" ", " ", " ", " "}, true},
        {{"10", "0", "3", "0"}, {"255", "0", "255", "0"}, {"10", "9", "3", "7"},
            {"255", "0", "255", "0"}, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(core::Meme_Reseau(core::renderNetwork(c.address1, c.mask1).result,
                      core::renderNetwork(c.address2, c.mask2).result),
            c.same)
            << testing::PrintToString(c.address1) << " vs " << testing::PrintToString(c.address2);
}

} // namespace
