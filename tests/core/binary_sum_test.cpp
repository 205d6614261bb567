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

// The digits' values are checked by the fuzz target and the octet group's test; here their texts.
TEST(ConversionBinaire, WritesEightDigitsWithWeight128First)
{
    EXPECT_EQ(core::Conversion_Binaire("170"), bits("1 0 1 0 1 0 1 0"));
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
