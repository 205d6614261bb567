#include "subnet_planning.hpp"

#include "number_text.hpp"

#include <array>
#include <cmath>

namespace core {
namespace {

struct ClassTable
{
    ClassDefaults defaults;
    int indexOctet; // the first octet after the network part, the one subnetted
    double multiplicateur; // stations per unit of block, by address class
    double plancher, plafond; // first-octet range, both included
    std::string remplacement;
};

constexpr const char *kPlage = QT_TRANSLATE_NOOP("core", "De %1 à %2");

const std::array<ClassTable, 3> &classTable()
{
    static const std::array<ClassTable, 3> table {{
        {{{"001", "000", "000", "001"}, {kPlage, {"1", "126"}}, {"255", "000", "000", "000"},
             "16777214"},
            1, 65536, 1, 126, "001"},
        {{{"128", "000", "000", "001"}, {kPlage, {"128", "191"}}, {"255", "255", "000", "000"},
             "65534"},
            2, 256, 126, 191, "126"},
        {{{"192", "000", "000", "001"}, {kPlage, {"192", "223"}}, {"255", "255", "255", "000"},
             "254"},
            3, 1, 191, 223, "191"},
    }};
    return table;
}

const ClassTable &row(Classe classe)
{
    return classTable()[static_cast<std::size_t>(classe)];
}

// The fewest bits whose 2^n - 2 subnets cover the count; 8 when even seven bits fall short.
int borrowedBits(double count)
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
// and 254 as the last octet (for class C the subnetted octet is the last one, so 254 wins).
std::string subnetLine(
    std::size_t subnetted, const Octets &adresse, const std::string &start, const std::string &end)
{
    Octets first = adresse, last = adresse;
    first[subnetted] = start;
    last[subnetted] = end;
    last[3] = "254";
    return dotted(first) + "---->" + dotted(last);
}

} // namespace

const ClassDefaults &Masque_Defaut(Classe classe)
{
    return row(classe).defaults;
}

std::optional<ClassRangeRefusal> Verif_ClasseAdresse(
    std::optional<Classe> classeAdresse, std::string_view premierOctet)
{
    if (!classeAdresse)
        return std::nullopt;
    const ClassTable &table = row(*classeAdresse);
    const double value = leadingNumber(premierOctet);
    if (value >= table.plancher && value <= table.plafond)
        return std::nullopt;
    // Unlike the octet refusal, this one starts with a blank and has no full stop.
    const Text text {QT_TRANSLATE_NOOP("core", " La valeur doit être comprise entre %1 et %2"),
        {numberText(table.plancher), numberText(table.plafond)}};
    return ClassRangeRefusal {{text, Icon::Critical, kTitreSaisie}, table.remplacement};
}

// Deliberate: counts 127 to 254 borrow all eight bits instead of finding no bit count at all;
// class C then has no station left, and its count is refused like one out of range.
SubnetResult Calcul_SousReseaux(std::string_view nombreDesire, std::optional<Classe> classeAdresse,
    std::optional<Classe> classeMasque, const Octets &adresse)
{
    const double count = leadingNumber(nombreDesire);
    const CountRefused countRefused {{rangeRefusal().text, Icon::Exclamation, kTitreSaisie}};
    if (count <= 0 || count >= 255)
        return countRefused;
    if (adresse[0].empty() || adresse[1].empty() || adresse[2].empty() || !classeAdresse
        || !classeMasque)
        return AddressMissing {{QT_TRANSLATE_NOOP("core", "Votre Adresse IP n'est pas renseignée"),
            Icon::Critical, kTitreSaisie}};

    SubnetPlan plan;
    plan.bitsEmpruntes = borrowedBits(count);
    const double block = std::ldexp(1.0, 8 - plan.bitsEmpruntes);
    const double stations = block * row(*classeAdresse).multiplicateur - 2;
    if (stations < 0)
        return countRefused; // class C with eight borrowed bits: subnets of one address, no station
    const int subnets = (1 << plan.bitsEmpruntes) - 2;
    plan.indexOctet = row(*classeMasque).indexOctet;
    plan.octetMasque = numberText(256 - block);
    plan.stations = numberText(stations);
    plan.libelle = {QT_TRANSLATE_NOOP("core", "%1 réseaux possibles"), {numberText(subnets)}};
    plan.lignes.reserve(static_cast<std::size_t>(subnets));
    // The lines follow the address class: its first octet after the network part is subnetted.
    const auto subnetted = static_cast<std::size_t>(row(*classeAdresse).indexOctet);
    for (int t = 1; t <= subnets; ++t) {
        plan.lignes.push_back(
            subnetLine(subnetted, adresse, numberText(t * block), numberText((t + 1) * block - 1)));
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
