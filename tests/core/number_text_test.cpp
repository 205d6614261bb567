#include "core/number_text.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

struct Reading
{
    std::string text;
    double value;
};

TEST(LeadingNumber, ReadsTheNumberATextStartsWith)
{
    const Reading cases[] = {
        {"", 0}, {" ", 0}, {"abc", 0}, {"0abc", 0}, {"12abc", 12}, {"12.5", 12.5}, {"-3", -3},
        {"+7", 7}, {"2 5", 25}, {" \t\n42", 42}, {"1 2 . 5", 12.5}, {".5", 0.5}, {"5.", 5},
        {"-", 0}, {".", 0}, {"-.", 0}, {"1E3", 1000}, {"1e3", 1000}, {"2.5E-1", 0.25},
        {"1E+2x", 100}, {"1E", 1}, {"1E-", 1}, {"1Ex", 1}, {"12.3.4", 12.3}, {"1-2", 1},
        {"&HFF", 255}, {"&hff", 255}, {"&H1g", 1}, {"&O17", 15}, {"&O8", 0}, {"&H", 0}, {"&12", 0},
        {"007", 7}, {"255\r", 255}, {"\r255", 0}, {"१२", 0}, // non-ASCII digits are not digits
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(core::leadingNumber(text), value) << "text=\"" << text << '"';
}

TEST(LeadingNumber, TakesHugeNumbersAsInfiniteAndTinyOnesAsZero)
{
    EXPECT_EQ(core::leadingNumber("1E999"), HUGE_VAL);
    EXPECT_EQ(core::leadingNumber("-1E999"), -HUGE_VAL);
    EXPECT_EQ(core::leadingNumber("1E99999999999999999999999"), HUGE_VAL);
    EXPECT_EQ(core::leadingNumber(std::string(5000, '9')), HUGE_VAL);
    EXPECT_EQ(core::leadingNumber("0." + std::string(400, '0') + "1E-100"), 0.0);
    EXPECT_EQ(core::leadingNumber("1E-999"), 0.0);
    EXPECT_EQ(core::leadingNumber("0.001E5"), 100.0);
    EXPECT_EQ(core::leadingNumber("&H" + std::string(1000, 'F')), HUGE_VAL);
}

TEST(LeadingNumber, NeverReturnsNaNAndStaysLinearOnLongTexts)
{
    const std::string texts[]
        = {std::string(100'000, ' ') + "7", std::string(100'000, '1') + "E-99999",
            "0." + std::string(100'000, '0'), std::string(100'000, '&'), "nan", "inf", "-nan(1)"};
    for (const std::string &text : texts)
        EXPECT_FALSE(std::isnan(core::leadingNumber(text))) << text.substr(0, 20);
    EXPECT_EQ(core::leadingNumber(std::string(100'000, ' ') + "7"), 7);
    EXPECT_EQ(core::leadingNumber("inf"), 0);
}

TEST(NumberText, WritesWholeNumbersPlainly)
{
    const std::pair<double, std::string> cases[]
        = {{0, "0"}, {-0.0, "0"}, {7, "7"}, {-1, "-1"}, {254, "254"}, {16777214, "16777214"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(core::numberText(value), text) << "value=" << value;
}

} // namespace
