#include "core/number_text.hpp"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

const double tiny = std::numeric_limits<double>::denorm_min();

// Past the largest double a text reads as an infinity, between zero and the smallest double as
// that double.
TEST(LeadingNumber, ReadsTheNumberATextStartsWith)
{
    const std::pair<std::string, double> cases[] = {
        {"", 0}, {" ", 0}, {"abc", 0}, {"0abc", 0}, {"12abc", 12}, {"12.5", 12.5}, {"-3", -3},
        {"+7", 7}, {"2 5", 25}, {" \t\n42", 42}, {"1 2 . 5", 12.5}, {".5", 0.5}, {"5.", 5},
        {"-", 0}, {".", 0}, {"-.", 0}, {"1E3", 1000}, {"1e3", 1000}, {"2.5E-1", 0.25},
        {"1E+2x", 100}, {"1E", 1}, {"1E-", 1}, {"1Ex", 1}, {"12.3.4", 12.3}, {"1-2", 1},
        {"&HFF", 255}, {"&hff", 255}, {"&H1g", 1}, {"&O17", 15}, {"&O8", 0}, {"&H", 0}, {"&12", 0},
        {"007", 7}, {"255\r", 255}, {"\r255", 0}, {"nan", 0}, {"inf", 0}, {"-nan(1)", 0},
        {"0.001E5", 100}, {"0E-999", 0}, {"255.000000000000000000000", 255},
        {"25500000000000000000000E-20", 255}, {"1E999", HUGE_VAL}, {".5E400", HUGE_VAL},
        {"1E99999999999999999999999", HUGE_VAL}, {"-1E999", -HUGE_VAL}, {"-0.5E400", -HUGE_VAL},
        {"1E-999", tiny}, {"-1E-999", -tiny}, {"1E-400", tiny}, {"-1E-400", -tiny},
        {"1E-99999999999999999999999", tiny}, {"१२", 0}, // non-ASCII digits are not digits
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(core::leadingNumber(text), value) << "text=\"" << text << '"';
}

// Texts past any fixed buffer: the position of the digits and the exponent combine exactly.
TEST(LeadingNumber, ReadsLongTextsExactlyAsTheirDigitsAndExponentSay)
{
    const std::string zeros(100'010, '0');
    const std::pair<std::string, double> cases[] = {
        {"0." + zeros + "1e100015", 10000},
        {"0." + zeros + "1E100011", 1},
        {"-0." + zeros + "25e100012", -25},
        {"1" + zeros + "e-100010", 1},
        {"1" + zeros + "e-100008", 100},
        {zeros + "255", 255},
        {zeros + "." + zeros + "5E100011", 5},
        {"0." + zeros + "1E99999999999999999999", HUGE_VAL},
        {"1" + zeros + "E-99999999999999999999", tiny},
        {std::string(5000, '9'), HUGE_VAL},
        {"&H" + std::string(1000, 'F'), HUGE_VAL},
        {"0." + std::string(400, '0') + "1E-100", tiny},
        {std::string(100'000, ' ') + "7", 7},
        {std::string(100'000, '1') + "E-99999", 10.0 / 9},
        {"0." + zeros, 0},
        {std::string(100'000, '&'), 0},
        // Every limit the program checks is a whole number: a value that is not whole never reads
        // as one, however close (the fuzz target checks this on shorter texts).
        {"255." + std::string(100'000, '0') + "1", std::nextafter(255.0, 256.0)},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(core::leadingNumber(text), value) << "text=\"" << text.substr(0, 40) << '"';
}

// Where the nearest double is not whole, reading agrees with the C library.
TEST(LeadingNumber, RoundsLongTextsLikeStrtod)
{
#ifdef _WIN32
    GTEST_SKIP() << "MinGW's strtod, the reference here, misreads texts this long";
#endif
    const std::string zeros(100'010, '0');
    const std::string texts[] = {
        "0.1" + zeros + "1",
        "9007199254740993." + zeros + "1", // just above a halfway point: rounds up
        "9007199254740993." + zeros, // exactly halfway: rounds to even
        "0." + zeros + "123456789123456789123456789e100000", std::string(100'000, '3') + "E-99990",
        std::string(200'000, '1') + "E-199990",
        "1.7976931348623158" + zeros + "1E308", // the largest double, or infinity just past it
    };
    for (const std::string &text : texts)
        EXPECT_EQ(core::leadingNumber(text), std::strtod(text.c_str(), nullptr))
            << "text=\"" << text.substr(0, 40) << '"';
}

TEST(NumberText, WritesWholeNumbersPlainly)
{
    const std::pair<double, std::string> cases[]
        = {{0, "0"}, {-0.0, "0"}, {7, "7"}, {-1, "-1"}, {254, "254"}, {16777214, "16777214"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(core::numberText(value), text) << "value=" << value;
}

} // namespace
