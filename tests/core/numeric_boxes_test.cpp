#include "core/binary_sum.hpp"
#include "core/octet_rules.hpp"
#include "core/subnet_planning.hpp"

#include <gtest/gtest.h>
#include <string>

namespace {

using core::IpClass;

// Every box that takes a number applies its range to the same reading, so a text that reads
// beyond the range is refused by each of them, like 256.
bool refusedEverywhere(const std::string &text)
{
    const bool countRefused = std::holds_alternative<core::CountRefused>(
        core::Calcul_SousReseaux(text, IpClass::A, IpClass::A, {"10", "0", "0", "1"}));
    const bool classRefused = core::Verif_ClasseAdresse(IpClass::B, text).has_value();
    return !core::Verif_Octet(text) && !core::Verif_Nombre(text) && countRefused && classRefused;
}

bool acceptedEverywhere(const std::string &text)
{
    const bool countAccepted = std::holds_alternative<core::SubnetPlan>(
        core::Calcul_SousReseaux(text, IpClass::B, IpClass::B, {"150", "0", "0", "1"}));
    const bool classAccepted = !core::Verif_ClasseAdresse(IpClass::B, text).has_value();
    return core::Verif_Octet(text) && core::Verif_Nombre(text) && countAccepted && classAccepted;
}

TEST(NumericBoxes, RefuseWhatReadsBeyondTheRange)
{
    const std::string texts[] = {
        "256",
        "1E999",
        ".5E400",
        "0.5E400",
        "-.5E400",
        "000.05E400",
        " . 5 E 4 0 0",
        "255.00000000000000001",
        "-1E-400",
        "0." + std::string(100'010, '0') + "1e100015",
        "0." + std::string(100'010, '0') + "256e100013",
    };
    for (const std::string &text : texts)
        EXPECT_TRUE(refusedEverywhere(text)) << "text=\"" << text.substr(0, 40) << '"';
}

TEST(NumericBoxes, AcceptTheSameNumberWrittenAnyWay)
{
    const std::string texts[] = {
        "150",
        "1.5E2",
        ".15E3",
        "0.0015E5",
        "15000E-2",
        "150abc",
        "0." + std::string(100'010, '0') + "15e100013",
        "150" + std::string(100'010, '0') + "E-100010",
    };
    for (const std::string &text : texts)
        EXPECT_TRUE(acceptedEverywhere(text)) << "text=\"" << text.substr(0, 40) << '"';
}

} // namespace
