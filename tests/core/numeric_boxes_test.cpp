#include "core/binary_sum.hpp"
#include "core/octet_rules.hpp"
#include "core/subnet_planning.hpp"

#include <gtest/gtest.h>
#include <string>

namespace {

using core::Classe;

// Every box that takes a number applies its range to the same reading, so a text that reads
// beyond the range is refused by each of them, like 256.
bool refusedEverywhere(const std::string &text)
{
    const bool countRefused = std::holds_alternative<core::CountRefused>(
        core::Calcul_SousReseaux(text, Classe::A, Classe::A, {"10", "0", "0", "1"}));
    const bool classRefused = core::Verif_ClasseAdresse(Classe::B, text).has_value();
    return !core::Verif_Octet(text) && !core::Verif_Nombre(text) && countRefused && classRefused;
}

bool acceptedEverywhere(const std::string &text)
{
    const bool countAccepted = std::holds_alternative<core::SubnetPlan>(
        core::Calcul_SousReseaux(text, Classe::B, Classe::B, {"150", "0", "0", "1"}));
    const bool classAccepted = !core::Verif_ClasseAdresse(Classe::B, text).has_value();
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
    };
    for (const std::string &text : texts)
        EXPECT_TRUE(refusedEverywhere(text)) << "text=\"" << text << '"';
}

TEST(NumericBoxes, AcceptTheSameNumberWrittenAnyWay)
{
    for (const char *text : {"150", "1.5E2", ".15E3", "0.0015E5", "15000E-2", "150abc"})
        EXPECT_TRUE(acceptedEverywhere(text)) << "text=\"" << text << '"';
}

} // namespace
