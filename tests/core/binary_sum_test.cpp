#include "core/binary_sum.hpp"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using core::BitRow;

// "1 1 0 0 1 0 0 0" as a bit row.
BitRow bits(const std::string &digits)
{
    BitRow row;
    std::istringstream in(digits);
    for (std::string &digit : row)
        in >> digit;
    return row;
}

// The value of every accepted number's digits is checked by the fuzz target; here their texts.
TEST(ConversionBinaire, WritesEightDigitsWithWeight128First)
{
    const std::pair<std::string, std::string> cases[]
        = {{"170", "1 0 1 0 1 0 1 0"}, {"12abc", "0 0 0 0 1 1 0 0"}, {"5.9", "0 0 0 0 0 1 0 1"}};
    for (const auto &[text, digits] : cases)
        EXPECT_EQ(core::Conversion_Binaire(text), bits(digits)) << "text=\"" << text << '"';
    EXPECT_EQ(core::Conversion_Binaire(""), BitRow {});
}

// The fuzz target checks the AND of every two converted rows; a position is set only where its
// text reads 1, and a blank does not.
TEST(SommeBinaire, TakesBlankDigitsForZeros)
{
    const core::BinarySum sum = core::Somme_Binaire(
        BitRow {"", " ", " ", " ", " ", " ", " ", " "}, bits("1 1 1 1 1 1 1 1"));
    EXPECT_EQ(sum.bits, bits("0 0 0 0 0 0 0 0"));
    EXPECT_EQ(sum.value, "0");
}

} // namespace
