#include "core/subnet_planning.hpp"

#include <gtest/gtest.h>

namespace {

using core::Classe;
using core::Octets;
using core::SubnetPlan;

SubnetPlan planFor(const std::string &desired, Classe classe, const Octets &adresse)
{
    const core::SubnetResult result = core::Calcul_SousReseaux(desired, classe, classe, adresse);
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
        const std::pair<Classe, const char *> byClass[]
            = {{Classe::C, c.stationsC}, {Classe::B, c.stationsB}, {Classe::A, c.stationsA}};
        for (const auto &[classe, stations] : byClass) {
            const SubnetPlan plan = planFor(c.desired, classe, address);
            EXPECT_EQ(plan.bitsEmpruntes, c.bits) << "desired=" << c.desired;
            EXPECT_EQ(plan.octetMasque, c.octet) << "desired=" << c.desired;
            EXPECT_EQ(plan.libelle, c.label) << "desired=" << c.desired;
            EXPECT_EQ(plan.lignes.size(), c.lines) << "desired=" << c.desired;
            EXPECT_EQ(plan.stations, stations)
                << "desired=" << c.desired << " class " << core::lettre(classe);
            EXPECT_EQ(plan.indexOctet, static_cast<int>(classe) + 1);
        }
    }
}

TEST(CalculSousReseaux, ListsTheSubnetsOfEachClass)
{
    const struct
    {
        Classe classe;
        Octets adresse;
        const char *first, *last;
    } cases[] = {
        {Classe::C, {"192", "000", "000", "001"}, "192.000.000.32---->192.000.000.254",
            "192.000.000.192---->192.000.000.254"},
        {Classe::B, {"128", "000", "000", "001"}, "128.000.32.001---->128.000.63.254",
            "128.000.192.001---->128.000.223.254"},
        {Classe::A, {"001", "000", "000", "001"}, "001.32.000.001---->001.63.000.254",
            "001.192.000.001---->001.223.000.254"},
        {Classe::B, {"128", "000", "000", ""}, "128.000.32.---->128.000.63.254",
            "128.000.192.---->128.000.223.254"},
    };
    for (const auto &c : cases) {
        const SubnetPlan plan = planFor("6", c.classe, c.adresse);
        ASSERT_EQ(plan.lignes.size(), 6u);
        EXPECT_EQ(plan.lignes.front(), c.first);
        EXPECT_EQ(plan.lignes.back(), c.last);
    }
    EXPECT_EQ(planFor("2", Classe::C, {"192", "1", "2", "3"}).lignes,
        (std::vector<std::string> {"192.1.2.64---->192.1.2.254", "192.1.2.128---->192.1.2.254"}));
}

TEST(CalculSousReseaux, TakesStationsFromTheAddressClassAndTheOctetFromTheMaskClass)
{
    const auto result = core::Calcul_SousReseaux("6", Classe::B, Classe::C, {"128", "0", "0", "1"});
    const auto &plan = std::get<SubnetPlan>(result);
    EXPECT_EQ(plan.indexOctet, 3);
    EXPECT_EQ(plan.stations, "8190");
    EXPECT_EQ(plan.lignes.front(), "128.0.32.1---->128.0.63.254");
}

TEST(CalculSousReseaux, RefusesTheCountBeforeLookingAtTheAddress)
{
    for (const char *desired : {"", "0", "-3", "255", "abc", "1E999", "300"}) {
        const auto result
            = core::Calcul_SousReseaux(desired, Classe::A, Classe::A, {"", "", "", ""});
        ASSERT_TRUE(std::holds_alternative<core::CountRefused>(result))
            << "desired=\"" << desired << '"';
        EXPECT_EQ(std::get<core::CountRefused>(result).message,
            (core::Message {"La valeur doit être comprise entre 1 et 254.", core::Icon::Exclamation,
                "Erreur de saisie"}));
    }
}

TEST(CalculSousReseaux, NeedsTheFirstThreeAddressOctets)
{
    const core::Message missing {
        "Votre Adresse IP n'est pas renseignée", core::Icon::Critical, "Erreur de saisie"};
    for (const Octets &adresse :
        {Octets {"", "0", "0", "1"}, Octets {"192", "", "0", "1"}, Octets {"192", "0", "", "1"}}) {
        const auto result = core::Calcul_SousReseaux("6", Classe::C, Classe::C, adresse);
        ASSERT_TRUE(std::holds_alternative<core::AddressMissing>(result));
        EXPECT_EQ(std::get<core::AddressMissing>(result).message, missing);
    }
    EXPECT_TRUE(std::holds_alternative<SubnetPlan>(
        core::Calcul_SousReseaux("6", Classe::C, Classe::C, {" ", " ", " ", ""})));
    EXPECT_TRUE(std::holds_alternative<core::AddressMissing>(
        core::Calcul_SousReseaux("6", std::nullopt, std::nullopt, {"1", "1", "1", "1"})));
}

TEST(CalculSousReseaux, CountsAbove126BorrowTheWholeOctet)
{
    const std::pair<Classe, const char *> cases[] = {{Classe::A, "65534"}, {Classe::B, "254"}};
    for (const auto &[classe, stations] : cases) {
        for (const char *desired : {"127", "200", "254", "254.9"}) {
            const SubnetPlan plan = planFor(desired, classe, {"10", "20", "30", "40"});
            EXPECT_EQ(plan.bitsEmpruntes, 8);
            EXPECT_EQ(plan.octetMasque, "255");
            EXPECT_EQ(plan.stations, stations);
            EXPECT_EQ(plan.libelle, "254 réseaux possibles");
            ASSERT_EQ(plan.lignes.size(), 254u);
        }
    }
    const SubnetPlan a = planFor("200", Classe::A, {"10", "20", "30", "40"});
    EXPECT_EQ(a.lignes.front(), "10.1.30.40---->10.1.30.254");
    EXPECT_EQ(a.lignes.back(), "10.254.30.40---->10.254.30.254");
    const SubnetPlan b = planFor("200", Classe::B, {"130", "20", "30", "40"});
    EXPECT_EQ(b.lignes.front(), "130.20.1.40---->130.20.1.254");
}

TEST(CalculSousReseaux, RefusesClassCCountsAbove126LikeAnyCountOutOfRange)
{
    // Subnets of one address leave a class C network no station.
    const core::Message refusal {"La valeur doit être comprise entre 1 et 254.",
        core::Icon::Exclamation, "Erreur de saisie"};
    for (const char *desired : {"126.5", "127", "200", "254", "254.9"}) {
        const auto result
            = core::Calcul_SousReseaux(desired, Classe::C, Classe::C, {"192", "0", "0", "1"});
        ASSERT_TRUE(std::holds_alternative<core::CountRefused>(result))
            << "desired=\"" << desired << '"';
        EXPECT_EQ(std::get<core::CountRefused>(result).message, refusal)
            << "desired=\"" << desired << '"';
    }
}

TEST(VerifClasseAdresse, KeepsTheFirstOctetInsideItsClassRange)
{
    const struct
    {
        std::optional<Classe> classe;
        const char *octet;
        bool refused;
    } cases[] = {
        {Classe::A, "1", false},
        {Classe::A, "126", false},
        {Classe::A, "0", true},
        {Classe::A, "", true},
        {Classe::A, "127", true},
        {Classe::A, "126.5", true},
        {Classe::B, "126", false},
        {Classe::B, "126.5", false},
        {Classe::B, "191", false},
        {Classe::B, "125", true},
        {Classe::B, "192", true},
        {Classe::C, "191", false},
        {Classe::C, "223", false},
        {Classe::C, "224", true},
        {Classe::C, "190", true},
        {std::nullopt, "999", false},
        {std::nullopt, "", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(core::Verif_ClasseAdresse(c.classe, c.octet).has_value(), c.refused)
            << "octet=\"" << c.octet << '"';
}

TEST(VerifClasseAdresse, NamesTheClassBoundsAndItsReplacement)
{
    const struct
    {
        Classe classe;
        const char *text, *replacement;
    } cases[] = {
        {Classe::A, " La valeur doit être comprise entre 1 et 126", "001"},
        {Classe::B, " La valeur doit être comprise entre 126 et 191", "126"},
        {Classe::C, " La valeur doit être comprise entre 191 et 223", "191"},
    };
    for (const auto &c : cases) {
        const auto refusal = core::Verif_ClasseAdresse(c.classe, "999");
        ASSERT_TRUE(refusal);
        EXPECT_EQ(
            refusal->message, (core::Message {c.text, core::Icon::Critical, "Erreur de saisie"}));
        EXPECT_EQ(refusal->remplacement, c.replacement);
    }
}

TEST(MasqueDefaut, GivesTheClassfulMaskAndStations)
{
    EXPECT_EQ(core::Masque_Defaut(Classe::A).masque, (Octets {"255", "000", "000", "000"}));
    EXPECT_EQ(core::Masque_Defaut(Classe::B).masque, (Octets {"255", "255", "000", "000"}));
    EXPECT_EQ(core::Masque_Defaut(Classe::C).masque, (Octets {"255", "255", "255", "000"}));
    EXPECT_EQ(core::Masque_Defaut(Classe::A).stations, "16777214");
    EXPECT_EQ(core::Masque_Defaut(Classe::B).stations, "65534");
    EXPECT_EQ(core::Masque_Defaut(Classe::C).stations, "254");
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
