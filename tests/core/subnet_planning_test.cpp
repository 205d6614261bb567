#include "core/subnet_planning.hpp"
#include "tests/printers.hpp"

#include <gtest/gtest.h>

namespace {

using core::IpClass;
using core::Octets;
using core::SubnetPlan;

SubnetPlan planFor(const std::string &desired, IpClass ipClass, const Octets &address)
{
    const core::SubnetResult result = core::Calcul_SousReseaux(desired, ipClass, ipClass, address);
    EXPECT_TRUE(std::holds_alternative<SubnetPlan>(result)) << "desired=" << desired;
    return std::holds_alternative<SubnetPlan>(result) ? std::get<SubnetPlan>(result)
                                                      : SubnetPlan {};
}

TEST(CalculSousReseaux, BorrowsTheFewestBitsThatCoverTheCount)
{
    const struct
    {
        const char *desired;
        int bits;
        const char *octet, *label;
        std::size_t lines;
        const char *stationsC, *stationsB, *stationsA;
    } cases[] = {
        {"1", 2, "192", "2 réseaux possibles", 2, "62", "16382", "4194302"},
        {"2", 2, "192", "2 réseaux possibles", 2, "62", "16382", "4194302"},
        {"0.5", 2, "192", "2 réseaux possibles", 2, "62", "16382", "4194302"},
        {"2.5", 3, "224", "6 réseaux possibles", 6, "30", "8190", "2097150"},
        {"3", 3, "224", "6 réseaux possibles", 6, "30", "8190", "2097150"},
        {"6", 3, "224", "6 réseaux possibles", 6, "30", "8190", "2097150"},
        {"7", 4, "240", "14 réseaux possibles", 14, "14", "4094", "1048574"},
        {"14", 4, "240", "14 réseaux possibles", 14, "14", "4094", "1048574"},
        {"15", 5, "248", "30 réseaux possibles", 30, "6", "2046", "524286"},
        {"30", 5, "248", "30 réseaux possibles", 30, "6", "2046", "524286"},
        {"31", 6, "252", "62 réseaux possibles", 62, "2", "1022", "262142"},
        {"62", 6, "252", "62 réseaux possibles", 62, "2", "1022", "262142"},
        {"63", 7, "254", "126 réseaux possibles", 126, "0", "510", "131070"},
        {"12abc", 4, "240", "14 réseaux possibles", 14, "14", "4094", "1048574"},
        {"126", 7, "254", "126 réseaux possibles", 126, "0", "510", "131070"},
    };
    const Octets address {"10", "0", "0", "1"};
    for (const auto &c : cases) {
        const std::pair<IpClass, const char *> byClass[]
            = {{IpClass::C, c.stationsC}, {IpClass::B, c.stationsB}, {IpClass::A, c.stationsA}};
        for (const auto &[ipClass, stations] : byClass) {
            const SubnetPlan plan = planFor(c.desired, ipClass, address);
            EXPECT_EQ(plan.borrowedBits, c.bits) << "desired=" << c.desired;
            EXPECT_EQ(plan.maskOctet, c.octet) << "desired=" << c.desired;
            EXPECT_EQ(plan.caption, c.label) << "desired=" << c.desired;
            EXPECT_EQ(plan.lines.size(), c.lines) << "desired=" << c.desired;
            EXPECT_EQ(plan.stations, stations)
                << "desired=" << c.desired << " class " << core::letter(ipClass);
            EXPECT_EQ(plan.octetIndex, static_cast<int>(ipClass) + 1);
        }
    }
}

TEST(CalculSousReseaux, ListsTheSubnetsOfEachClass)
{
    const struct
    {
        IpClass ipClass;
        Octets address;
        const char *first, *last;
    } cases[] = {
        {IpClass::C, {"192", "000", "000", "001"}, "192.000.000.32---->192.000.000.254",
            "192.000.000.192---->192.000.000.254"},
        {IpClass::B, {"128", "000", "000", ""}, "128.000.32.---->128.000.63.254",
            "128.000.192.---->128.000.223.254"},
    };
    for (const auto &c : cases) {
        const SubnetPlan plan = planFor("6", c.ipClass, c.address);
        ASSERT_EQ(plan.lines.size(), 6u);
        EXPECT_EQ(plan.lines.front(), c.first);
        EXPECT_EQ(plan.lines.back(), c.last);
    }
    EXPECT_EQ(planFor("2", IpClass::C, {"192", "1", "2", "3"}).lines,
        (std::vector<std::string> {"192.1.2.64---->192.1.2.254", "192.1.2.128---->192.1.2.254"}));
}

TEST(CalculSousReseaux, TakesStationsFromTheAddressClassAndTheOctetFromTheMaskClass)
{
    const auto result
        = core::Calcul_SousReseaux("6", IpClass::B, IpClass::C, {"128", "0", "0", "1"});
    const auto &plan = std::get<SubnetPlan>(result);
    EXPECT_EQ(plan.octetIndex, 3);
    EXPECT_EQ(plan.stations, "8190");
    EXPECT_EQ(plan.lines.front(), "128.0.32.1---->128.0.63.254");
}

TEST(CalculSousReseaux, RefusesCountsOutOfRange)
{
    // The count is checked before the address, none given here; counts above 126 leave a class
    // C network subnets of one address and no station.
    const struct
    {
        IpClass ipClass;
        Octets address;
        std::vector<const char *> counts;
    } cases[] = {{IpClass::A, {"", "", "", ""}, {"", "0", "-3", "255", "abc", "1E999", "300"}},
        {IpClass::C, {"192", "0", "0", "1"}, {"126.5", "127", "200", "254", "254.9"}}};
    for (const auto &c : cases) {
        for (const char *desired : c.counts) {
            const auto result = core::Calcul_SousReseaux(desired, c.ipClass, c.ipClass, c.address);
            EXPECT_TRUE(std::holds_alternative<core::CountRefused>(result))
                << "desired=\"" << desired << "\" class " << core::letter(c.ipClass);
        }
    }
}

TEST(CalculSousReseaux, NeedsTheFirstThreeAddressOctets)
{
    for (const Octets &address :
        {Octets {"", "0", "0", "1"}, Octets {"192", "", "0", "1"}, Octets {"192", "0", "", "1"}}) {
        const auto result = core::Calcul_SousReseaux("6", IpClass::C, IpClass::C, address);
        EXPECT_TRUE(std::holds_alternative<core::AddressMissing>(result));
    }
    EXPECT_TRUE(std::holds_alternative<SubnetPlan>(
        core::Calcul_SousReseaux("6", IpClass::C, IpClass::C, {" ", " ", " ", ""})));
    EXPECT_TRUE(std::holds_alternative<core::AddressMissing>(
        core::Calcul_SousReseaux("6", std::nullopt, std::nullopt, {"1", "1", "1", "1"})));
}

TEST(CalculSousReseaux, CountsAbove126BorrowTheWholeOctet)
{
    const std::pair<IpClass, const char *> cases[] = {{IpClass::A, "65534"}, {IpClass::B, "254"}};
    for (const auto &[ipClass, stations] : cases) {
        for (const char *desired : {"127", "200", "254", "254.9"}) {
            const SubnetPlan plan = planFor(desired, ipClass, {"10", "20", "30", "40"});
            EXPECT_EQ(plan.borrowedBits, 8);
            EXPECT_EQ(plan.maskOctet, "255");
            EXPECT_EQ(plan.stations, stations);
            EXPECT_EQ(plan.caption, "254 réseaux possibles");
            ASSERT_EQ(plan.lines.size(), 254u);
        }
    }
    const SubnetPlan a = planFor("200", IpClass::A, {"10", "20", "30", "40"});
    EXPECT_EQ(a.lines.front(), "10.1.30.40---->10.1.30.254");
    EXPECT_EQ(a.lines.back(), "10.254.30.40---->10.254.30.254");
    const SubnetPlan b = planFor("200", IpClass::B, {"130", "20", "30", "40"});
    EXPECT_EQ(b.lines.front(), "130.20.1.40---->130.20.1.254");
}

TEST(VerifClasseAdresse, KeepsTheFirstOctetInsideItsClassRange)
{
    const struct
    {
        std::optional<IpClass> ipClass;
        const char *octet;
        bool refused;
    } cases[] = {
        {IpClass::A, "1", false},
        {IpClass::A, "126", false},
        {IpClass::A, "0", true},
        {IpClass::A, "", true},
        {IpClass::A, "127", true},
        {IpClass::A, "126.5", true},
        {IpClass::B, "126", false},
        {IpClass::B, "126.5", false},
        {IpClass::B, "191", false},
        {IpClass::B, "125", true},
        {IpClass::B, "192", true},
        {IpClass::C, "191", false},
        {IpClass::C, "223", false},
        {IpClass::C, "224", true},
        {IpClass::C, "190", true},
        {std::nullopt, "999", false},
        {std::nullopt, "", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(core::Verif_ClasseAdresse(c.ipClass, c.octet).has_value(), c.refused)
            << "octet=\"" << c.octet << '"';
}

TEST(VerifClasseAdresse, NamesTheClassBoundsAndItsReplacement)
{
    const struct
    {
        IpClass ipClass;
        const char *replacement;
    } cases[] = {{IpClass::A, "001"}, {IpClass::B, "126"}, {IpClass::C, "191"}};
    for (const auto &c : cases)
        EXPECT_EQ(core::Verif_ClasseAdresse(c.ipClass, "999")->replacement, c.replacement);
}

TEST(CalculSlash, CountsTheMaskBits)
{
    const struct
    {
        const char *m1, *m2, *m3, *slash;
    } cases[] = {
        {"255", "255", "224", "/27"},
        {"255", "224", "000", "/19"},
        {"224", "000", "000", "/11"},
        {"000", "000", "000", "/8"},
        {"255", "255", "255", "/32"},
        {"255", "192", "255", "/18"},
        {"255", "0", "255", "/24"},
        {"", "", "", "/8"},
        {"100", "255", "255", "/9"},
        {"200", "0", "0", "/11"},
        {"-1", "0", "0", "/9"},
        {"256", "255", "0", "/16"},
        {"1E999", "", "", "/8"},
        {"255", "255", "0.5", "/25"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(core::Calcul_Slash(c.m1, c.m2, c.m3), c.slash)
            << c.m1 << "." << c.m2 << "." << c.m3;
}

} // namespace
