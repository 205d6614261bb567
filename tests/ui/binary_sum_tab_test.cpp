#include "harness.hpp"

namespace {

class BinarySumTabTest : public test::OnTab<2>
{
protected:
    QString bits(const char *row) { return texts(row, 8).join(' '); }
    // The result row and its value, as "0 1 0 0 0 0 0 0 = 64".
    QString sum() { return bits("Bit3") + " = " + text("Nombre3"); }
};

TEST_F(BinarySumTabTest, AndsTheTwoNumbers)
{
    const struct
    {
        const char *one, *two, *bits1, *bits2, *result, *value;
    } cases[] = {
        {"200", "100", "1 1 0 0 1 0 0 0", "0 1 1 0 0 1 0 0", "0 1 0 0 0 0 0 0", "64"},
        {"abc", "7", "0 0 0 0 0 0 0 0", "0 0 0 0 0 1 1 1", "0 0 0 0 0 0 0 0", "0"},
        {"200", "-", "1 1 0 0 1 0 0 0", "0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0", "0"}, // a lone minus
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.one) + " & " + c.two);
        typeOver("Nombre1", c.one);
        typeOver("Nombre2", c.two);
        EXPECT_EQ(bits("Bit1"), c.bits1);
        EXPECT_EQ(bits("Bit2"), c.bits2);
        EXPECT_EQ(sum(), QString(c.result) + " = " + c.value);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BinarySumTabTest, AnUntouchedNumberCountsAsZerosAndTheResultBoxIsOverwritten)
{
    typeOver("Nombre1", "5");
    EXPECT_EQ(bits("Bit1"), "0 0 0 0 0 1 0 1");
    EXPECT_EQ(texts("Bit2", 8), (QStringList {"", " ", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(sum(), "0 0 0 0 0 0 0 0 = 0");
    typeOver("Nombre3", "99"); // until the next change of a number
    EXPECT_EQ(bits("Bit3"), "0 0 0 0 0 0 0 0");
    typeOver("Nombre2", "1");
    EXPECT_EQ(text("Nombre3"), "1");
}

// A refused number (the refusal itself: RefusalTest) and a deleted one leave their row empty.
TEST_F(BinarySumTabTest, ARefusedOrDeletedNumberEmptiesItsRow)
{
    typeOver("Nombre2", "255");
    for (const auto &[number, row, keys, boxes] :
        {std::tuple {"Nombre1", "Bit1", "12\b\b", 0u}, {"Nombre1", "Bit1", "256", 1u},
            {"Nombre2", "Bit2", "256", 1u}, {"Nombre1", "Bit1", "-5", 1u}}) {
        SCOPED_TRACE(std::string(number) + " " + keys);
        messages.shown.clear();
        typeOver(number, keys);
        EXPECT_EQ(messages.shown.size(), boxes);
        EXPECT_EQ(texts(row, 8), QStringList(8, QString()));
        EXPECT_EQ(sum(), "0 0 0 0 0 0 0 0 = 0");
    }
}

} // namespace
