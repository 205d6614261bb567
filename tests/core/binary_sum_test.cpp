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

TEST(ConversionBinaire, WritesEightDigitsWithWeight128First)
{
    const std::pair<std::string, std::string> cases[] = {{"0", "0 0 0 0 0 0 0 0"},
        {"1", "0 0 0 0 0 0 0 1"}, {"128", "1 0 0 0 0 0 0 0"}, {"170", "1 0 1 0 1 0 1 0"},
        {"255", "1 1 1 1 1 1 1 1"}, {" 7", "0 0 0 0 0 1 1 1"}, {" ", "0 0 0 0 0 0 0 0"},
        {"abc", "0 0 0 0 0 0 0 0"}, {"12abc", "0 0 0 0 1 1 0 0"}, {"5.9", "0 0 0 0 0 1 0 1"}};
    for (const auto &[text, digits] : cases)
        EXPECT_EQ(core::Conversion_Binaire(text), bits(digits)) << "text=\"" << text << '"';
    EXPECT_EQ(core::Conversion_Binaire(""), BitRow {});
}

TEST(SommeBinaire, AndsTheTwoRows)
{
    const struct
    {
        BitRow a, b;
        const char *digits, *value;
    } cases[] = {
        {bits("1 0 1 0 1 0 1 0"), bits("1 1 1 1 1 1 1 1"), "1 0 1 0 1 0 1 0", "170"},
        {BitRow {}, bits("1 1 1 1 1 1 1 1"), "0 0 0 0 0 0 0 0", "0"},
        {BitRow {"", " ", " ", " ", " ", " ", " ", " "}, bits("1 1 1 1 1 1 1 1"), "0 0 0 0 0 0 0 0",
            "0"},
    };
    for (const auto &c : cases) {
        const core::BinarySum sum = core::Somme_Binaire(c.a, c.b);
        EXPECT_EQ(sum.bits, bits(c.digits)) << "expected " << c.digits;
        EXPECT_EQ(sum.value, c.value);
    }
}

} // namespace
