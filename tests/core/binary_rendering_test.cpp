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

// How the AND reads rows of any texts and lengths is the fuzz target's to check.
TEST(LigneReseau, AndsTheAddressWithTheMask)
{
    const auto rows = core::renderNetwork({"192", "168", "1", "10"}, {"255", "255", "255", "0"});
    EXPECT_EQ(rows.address, core::Ligne_Binaire({"192", "168", "1", "10"}));
    EXPECT_EQ(rows.mask, core::Ligne_Binaire({"255", "255", "255", "0"}));
    EXPECT_EQ(rows.result, core::Ligne_Binaire({"192", "168", "1", "0"}));
}

} // namespace
