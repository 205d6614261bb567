#include "subnet_planning.hpp"

#include "number_text.hpp"

#include <array>
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

const std::array<ClassTable, 3> &classTable()
{
    static const std::array<ClassTable, 3> table {{
        {{{"001", "000", "000", "001"}, {kRangeText, {"1", "126"}}, {"255", "000", "000", "000"},
             "16777214"},
            1, 65536, 1, 126, "001"},
        {{{"128", "000", "000", "001"}, {kRangeText, {"128", "191"}}, {"255", "255", "000", "000"},
             "65534"},
            2, 256, 126, 191, "126"},
        {{{"192", "000", "000", "001"}, {kRangeText, {"192", "223"}}, {"255", "255", "255", "000"},
             "254"},
            3, 1, 191, 223, "191"},
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

// The address with the subnet's first value in the subnetted octet, then with its last value
// and 254 as the last octet. Deliberate: for class C the subnetted octet is the last one, so 254
// wins over the subnet's last value.
std::string subnetLine(
    std::size_t subnetted, const Octets &address, const std::string &start, const std::string &end)
{
    Octets first = address, last = address;
    first[subnetted] = start;
    last[subnetted] = end;
    last[3] = "254";
    return dotted(first) + "---->" + dotted(last);
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
    const CountRefused countRefused {{rangeRefusal().text, Icon::Exclamation, kInputErrorTitle}};
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
    for (int t = 1; t <= subnets; ++t) {
        plan.lines.push_back(
            subnetLine(subnetted, address, numberText(t * block), numberText((t + 1) * block - 1)));
    }
    return plan;
}

namespace {

std::string slashText(int prefix)
{
    std::string text(1, '/');
    text += numberText(prefix);
    return text;
}

} // namespace

std::string Calcul_Slash(std::string_view m1, std::string_view m2, std::string_view m3)
{
    int prefix = 8;
    for (const std::string_view octet : {m1, m2, m3}) {
        const double x = leadingNumber(octet);
        if (x == 0)
            continue;
        if (x == 255) {
            prefix += 8;
            continue;
        }
        double acc = 0;
        for (int a = 7; a >= 0; --a) {
            acc += std::ldexp(1.0, a);
            if (acc >= x)
                return slashText(prefix + 8 - a);
        }
    }
    return slashText(prefix);
}

} // namespace core
