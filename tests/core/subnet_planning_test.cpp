#include "core/binary_sum.hpp"
#include "core/octet_rules.hpp"
#include "core/subnet_planning.hpp"
#include "tests/printers.hpp"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <sstream>

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
    // The bounds of each count of bits borrowed, and texts that read as numbers inside them.
    const struct
    {
        std::vector<const char *> desired;
        int bits;
        const char *octet;
        std::size_t lines;
        const char *stationsC, *stationsB, *stationsA;
    } cases[] = {
        {{"1", "2", "0.5"}, 2, "192", 2, "62", "16382", "4194302"},
        {{"2.5", "3", "6"}, 3, "224", 6, "30", "8190", "2097150"},
        {{"7", "14", "12abc"}, 4, "240", 14, "14", "4094", "1048574"},
        {{"15", "30"}, 5, "248", 30, "6", "2046", "524286"},
        {{"31", "62"}, 6, "252", 62, "2", "1022", "262142"},
        {{"63", "126"}, 7, "254", 126, "0", "510", "131070"},
        // Above 126 the whole octet; class C is then refused (see below).
        {{"127", "200", "254", "254.9"}, 8, "255", 254, nullptr, "254", "65534"},
    };
    const Octets address {"10", "0", "0", "1"};
    for (const auto &c : cases) {
        const std::pair<IpClass, const char *> byClass[]
            = {{IpClass::C, c.stationsC}, {IpClass::B, c.stationsB}, {IpClass::A, c.stationsA}};
        for (const auto &[ipClass, stations] : byClass) {
            if (!stations)
                continue;
            for (const char *desired : c.desired) {
                SCOPED_TRACE(std::string("desired=") + desired + " class " + core::letter(ipClass));
                const SubnetPlan plan = planFor(desired, ipClass, address);
                EXPECT_EQ(plan.borrowedBits, c.bits);
                EXPECT_EQ(plan.maskOctet, c.octet);
                EXPECT_EQ(plan.caption.arguments(), std::vector {std::to_string(c.lines)});
                EXPECT_EQ(plan.lines.size(), c.lines);
                EXPECT_EQ(plan.stations, stations);
                EXPECT_EQ(plan.octetIndex, static_cast<int>(ipClass) + 1);
            }
        }
    }
}

// Each line against plain 32-bit arithmetic: one host in from each end of its subnet.
TEST(CalculSousReseaux, EachLineNamesASubnetsFirstAndLastHost)
{
    const auto value = [](const std::string &dotted) {
        std::uint32_t address = 0;
        std::istringstream in(dotted);
        for (std::string octet; std::getline(in, octet, '.');)
            address = address << 8 | static_cast<std::uint32_t>(std::stoul(octet));
        return address;
    };
    const std::pair<IpClass, Octets> cases[]
        = {{IpClass::A, {"10", "1", "2", "3"}}, {IpClass::A, {"001", "000", "000", "001"}},
            {IpClass::B, {"172", "16", "5", "9"}}, {IpClass::C, {"192", "168", "1", "77"}}};
    for (const auto &[ipClass, address] : cases) {
        const std::string typed
            = address[0] + '.' + address[1] + '.' + address[2] + '.' + address[3];
        for (const int desired : {1, 6, 30, 62, 200}) {
            if (ipClass == IpClass::C && desired > 62)
                continue;
            SCOPED_TRACE(typed + " for " + std::to_string(desired));
            const SubnetPlan plan = planFor(std::to_string(desired), ipClass, address);
            const int prefix = 8 * (static_cast<int>(ipClass) + 1),
                      length = prefix + plan.borrowedBits;
            for (std::size_t t = 0; t < plan.lines.size(); ++t) {
                const std::uint32_t subnet = (value(typed) & ~(0xffffffffu >> prefix))
                    | static_cast<std::uint32_t>(t + 1) << (32 - length);
                const std::string &line = plan.lines[t];
                EXPECT_EQ(value(line.substr(0, line.find("---->"))), subnet + 1) << line;
                EXPECT_EQ(value(line.substr(line.find("---->") + 5)),
                    (subnet | 0xffffffffu >> length) - 1)
                    << line;
            }
        }
    }
}

TEST(CalculSousReseaux, TakesStationsFromTheAddressClassAndTheOctetFromTheMaskClass)
{
    const auto result
        = core::Calcul_SousReseaux("6", IpClass::B, IpClass::C, {"128", "0", "0", "1"});
    const auto &plan = std::get<SubnetPlan>(result);
    EXPECT_EQ(plan.octetIndex, 3);
    EXPECT_EQ(plan.stations, "8190");
    // The octets before the subnetted one as typed, the ones after it as the default addresses.
    EXPECT_EQ(plan.lines.front(), "128.0.32.001---->128.0.63.254");
}

// Which of its three answers the planning gives; the fuzz target checks every count refused.
TEST(CalculSousReseaux, AnswersARefusedCountAMissingAddressOrAPlan)
{
    enum Kind { CountRefused, AddressMissing, Plan }; // SubnetResult's alternatives in order
    const struct
    {
        Kind kind;
        std::optional<IpClass> ipClass;
        std::vector<Octets> addresses;
        std::vector<const char *> counts;
    } cases[] = {
        // Above 126, a class C network is left subnets of one address and no station.
        {CountRefused, IpClass::C, {{"192", "0", "0", "1"}},
            {"126.5", "127", "200", "254", "254.9"}},
        {AddressMissing, IpClass::C,
            {{"", "0", "0", "1"}, {"192", "", "0", "1"}, {"192", "0", "", "1"}}, {"6"}},
        {AddressMissing, std::nullopt, {{"1", "1", "1", "1"}}, {"6"}},
        {Plan, IpClass::C, {{" ", " ", " ", ""}}, {"6"}},
    };
    for (const auto &row : cases) {
        for (const Octets &address : row.addresses) {
            for (const char *desired : row.counts) {
                SCOPED_TRACE(std::string("desired=\"") + desired + "\" address " + address[0] + "."
                    + address[1] + "." + address[2]);
                const auto result
                    = core::Calcul_SousReseaux(desired, row.ipClass, row.ipClass, address);
                EXPECT_EQ(result.index(), static_cast<std::size_t>(row.kind));
            }
        }
    }
}

// A refused first octet is replaced with its class range's first value.
TEST(VerifClasseAdresse, KeepsTheFirstOctetInsideItsClassRange)
{
    const struct
    {
        std::optional<IpClass> ipClass;
        std::vector<const char *> accepted, refused;
        const char *replacement;
    } cases[] = {
        {IpClass::A, {"1", "126"}, {"0", "", "127", "126.5"}, "001"},
        {IpClass::B, {"128", "191"}, {"126", "127", "192"}, "128"},
        {IpClass::C, {"192", "223"}, {"191", "224"}, "192"},
        {std::nullopt, {"999", ""}, {}, nullptr},
    };
    for (const auto &c : cases) {
        for (const char *octet : c.accepted)
            EXPECT_FALSE(core::Verif_ClasseAdresse(c.ipClass, octet)) << '"' << octet << '"';
        for (const char *octet : c.refused) {
            const auto refusal = core::Verif_ClasseAdresse(c.ipClass, octet);
            ASSERT_TRUE(refusal) << '"' << octet << '"';
            EXPECT_EQ(refusal->replacement, c.replacement) << '"' << octet << '"';
        }
    }
}

// Past any fixed buffer, every rule reads the whole text: these read 150 and 256.
TEST(CalculSousReseaux, EveryRuleReadsATextOfAnyLengthWhole)
{
    const std::string zeros(100'010, '0'), in = "0." + zeros + "15e100013",
                                           out = "0." + zeros + "256e100013";
    const auto plan = [](const std::string &count) {
        return core::Calcul_SousReseaux(count, IpClass::B, IpClass::B, {"150", "0", "0", "1"});
    };
    EXPECT_TRUE(std::holds_alternative<SubnetPlan>(plan(in)));
    EXPECT_TRUE(std::holds_alternative<core::CountRefused>(plan(out)));
    EXPECT_FALSE(core::Verif_ClasseAdresse(IpClass::B, in));
    EXPECT_TRUE(core::Verif_ClasseAdresse(IpClass::B, out));
    EXPECT_TRUE(core::Verif_Octet(in) && core::Verif_Nombre(in));
    EXPECT_FALSE(core::Verif_Octet(out) || core::Verif_Nombre(out));
}

TEST(CalculSlash, CountsTheBitsOfAMaskAndRefusesWhatIsNone)
{
    const std::pair<std::array<const char *, 3>, const char *> accepted[] = {
        {{"255", "255", "224"}, "/27"},
        {{"255", "224", "000"}, "/19"},
        {{"224", "000", "000"}, "/11"},
        {{"254", "0", "0"}, "/15"},
        {{"000", "000", "000"}, "/8"},
        {{"", "", ""}, "/8"},
        {{"255", "255", "255"}, "/32"},
    };
    for (const auto &[mask, slash] : accepted)
        EXPECT_EQ(std::get<std::string>(core::Calcul_Slash(mask[0], mask[1], mask[2])), slash)
            << slash;
    const std::array<const char *, 3> refused[] = {{"255", "192", "255"}, {"255", "0", "255"},
        {"255", "100", "0"}, {"100", "255", "255"}, {"200", "0", "0"}, {"-1", "0", "0"},
        {"256", "255", "0"}, {"1E999", "", ""}, {"255", "255", "0.5"}};
    for (const auto &mask : refused)
        EXPECT_TRUE(
            std::holds_alternative<core::Message>(core::Calcul_Slash(mask[0], mask[1], mask[2])))
            << mask[0] << "." << mask[1] << "." << mask[2];
}

} // namespace
