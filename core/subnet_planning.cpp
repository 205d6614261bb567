#include "subnet_planning.hpp"

#include "number_text.hpp"

#include <array>
#include <bit>
#include <cmath>

namespace core {
namespace {

struct ClassTable
{
    ClassDefaults defaults;
    int octetIndex; // the first octet after the network part, the one subnetted
    double multiplier; // stations per unit of block, by address class
    double low, high; // first-octet range, both included
    std::string replacement;
};

constexpr const char *kRangeText = QT_TRANSLATE_NOOP("core", "De %1 à %2");

// Deliberate: the first-octet ranges are the ones shown beside the address, where the original
// accepted 126 and 127 in class B and 191 in class C and put those back after a refusal.
const std::array<ClassTable, 3> &classTable()
{
    static const std::array<ClassTable, 3> table {{
        {{{"001", "000", "000", "001"}, {kRangeText, {"1", "126"}}, {"255", "000", "000", "000"},
             "16777214"},
            1, 65536, 1, 126, "001"},
        {{{"128", "000", "000", "001"}, {kRangeText, {"128", "191"}}, {"255", "255", "000", "000"},
             "65534"},
            2, 256, 128, 191, "128"},
        {{{"192", "000", "000", "001"}, {kRangeText, {"192", "223"}}, {"255", "255", "255", "000"},
             "254"},
            3, 1, 192, 223, "192"},
    }};
    return table;
}

const ClassTable &row(IpClass ipClass)
{
    return classTable()[static_cast<std::size_t>(ipClass)];
}

// The fewest bits whose 2^n - 2 subnets cover the count; 8 when even seven bits fall short.
int bitsFor(double count)
{
    for (int i = 0; i <= 7; ++i) {
        if (count <= std::ldexp(1.0, i) - 2)
            return i;
    }
    return 8;
}

std::string dotted(const Octets &octets)
{
    return octets[0] + '.' + octets[1] + '.' + octets[2] + '.' + octets[3];
}

// A subnet's first host, "---->", its last host. The octets before the subnetted one keep the
// user's texts; those after it are written as the default addresses write them.
// Deliberate: the original copied the typed octets into the host part and ended every line with
// 254, which names no subnet's hosts unless the address happened to be the default one.
std::string subnetLine(std::size_t subnetted, const Octets &address, int start, int end)
{
    Octets first = address, last = address;
    for (std::size_t i = subnetted + 1; i < first.size(); ++i) {
        first[i] = "000";
        last[i] = "255";
    }
    if (subnetted == 3) {
        // Class C: the subnet's own octet holds the hosts, its first and last addresses excluded.
        first[3] = numberText(start + 1);
        last[3] = numberText(end - 1);
    } else {
        first[subnetted] = numberText(start);
        last[subnetted] = numberText(end);
        first[3] = "001";
        last[3] = "254";
    }
    return dotted(first) + "---->" + dotted(last);
}

Message invalidMask()
{
    return {QT_TRANSLATE_NOOP("core", "Ce masque n'est pas un masque de sous-réseau valide."),
        Icon::Critical, kInputErrorTitle};
}

} // namespace

const ClassDefaults &Masque_Defaut(IpClass ipClass)
{
    return row(ipClass).defaults;
}

std::optional<ClassRangeRefusal> Verif_ClasseAdresse(
    std::optional<IpClass> addressClass, std::string_view firstOctet)
{
    if (!addressClass)
        return std::nullopt;
    const ClassTable &table = row(*addressClass);
    const double value = leadingNumber(firstOctet);
    if (value >= table.low && value <= table.high)
        return std::nullopt;
    // Deliberate: unlike the octet refusal, this one starts with a blank and has no full stop.
    const Text text {QT_TRANSLATE_NOOP("core", " La valeur doit être comprise entre %1 et %2"),
        {numberText(table.low), numberText(table.high)}};
    return ClassRangeRefusal {{text, Icon::Critical, kInputErrorTitle}, table.replacement};
}

// Deliberate: counts 127 to 254 borrow all eight bits instead of finding no bit count at all;
// class C then has no station left, and its count is refused like one out of range.
SubnetResult Calcul_SousReseaux(std::string_view desiredCount, std::optional<IpClass> addressClass,
    std::optional<IpClass> maskClass, const Octets &address)
{
    const double count = leadingNumber(desiredCount);
    const CountRefused countRefused {
        {{kRangeRefusalText, {"1", "254"}}, Icon::Exclamation, kInputErrorTitle}};
    if (count <= 0 || count >= 255)
        return countRefused;
    if (address[0].empty() || address[1].empty() || address[2].empty() || !addressClass
        || !maskClass)
        return AddressMissing {{QT_TRANSLATE_NOOP("core", "Votre Adresse IP n'est pas renseignée"),
            Icon::Critical, kInputErrorTitle}};

    SubnetPlan plan;
    plan.borrowedBits = bitsFor(count);
    const double block = std::ldexp(1.0, 8 - plan.borrowedBits);
    const double stations = block * row(*addressClass).multiplier - 2;
    if (stations < 0)
        return countRefused; // class C with eight borrowed bits: subnets of one address, no station
    const int subnets = (1 << plan.borrowedBits) - 2;
    plan.octetIndex = row(*maskClass).octetIndex;
    plan.maskOctet = numberText(256 - block);
    plan.stations = numberText(stations);
    plan.caption = {QT_TRANSLATE_NOOP("core", "%1 réseaux possibles"), {numberText(subnets)}};
    plan.lines.reserve(static_cast<std::size_t>(subnets));
    // Deliberate: the lines follow the address class, the mask octet the mask class; the address
    // class's first octet after the network part is subnetted.
    const auto subnetted = static_cast<std::size_t>(row(*addressClass).octetIndex);
    const int size = 1 << (8 - plan.borrowedBits);
    for (int t = 1; t <= subnets; ++t)
        plan.lines.push_back(subnetLine(subnetted, address, t * size, (t + 1) * size - 1));
    return plan;
}

SlashResult Calcul_Slash(std::string_view m1, std::string_view m2, std::string_view m3)
{
    // Octet 0 counts as 255. Deliberate: the original's scan gave a length to any four numbers
    // (255.255.0.255 was /24, 255.255.100.0 /17); a mask that is not ones then zeros is refused.
    unsigned mask = 0xffu;
    for (const std::string_view octet : {m1, m2, m3}) {
        const double x = leadingNumber(octet);
        if (!(x >= 0 && x <= 255) || x != std::floor(x))
            return invalidMask();
        mask = (mask << 8) | static_cast<unsigned>(x);
    }
    const unsigned zeros = ~mask;
    if ((zeros & (zeros + 1)) != 0)
        return invalidMask();
    // Appended rather than "/" + …: g++ 12 at -O3 warns falsely (-Wrestrict) on the insert that
    // operator+ makes at the front.
    std::string slash = "/";
    return slash.append(numberText(std::popcount(mask)));
}

} // namespace core
