#include "core/number_text.hpp"
#include "core/subnet_planning.hpp"
#include "properties.hpp"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

// A plan lists exactly as many subnets as its label counts, 2^n - 2 for n borrowed bits; a slash
// text is "/8" to "/32".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto pick = [&]() -> std::optional<core::IpClass> {
        const int k = input.ConsumeIntegralInRange(0, 3);
        return k == 3 ? std::nullopt : std::optional(static_cast<core::IpClass>(k));
    };
    const std::optional<core::IpClass> addressClass = pick(), maskClass = pick();
    const std::string desired = input.ConsumeRandomLengthString(32);
    core::Octets address;
    for (std::string &octet : address)
        octet = input.ConsumeRandomLengthString(16);

    const auto result = core::Calcul_SousReseaux(desired, addressClass, maskClass, address);
    const double count = core::leadingNumber(desired);
    if (!(count > 0 && count < 255))
        FUZZ_CHECK(std::holds_alternative<core::CountRefused>(result));
    if (const auto *plan = std::get_if<core::SubnetPlan>(&result)) {
        const int subnets = (1 << plan->borrowedBits) - 2;
        FUZZ_CHECK(plan->borrowedBits >= 2 && plan->borrowedBits <= 8);
        FUZZ_CHECK(static_cast<int>(plan->lines.size()) == subnets);
        FUZZ_CHECK(plan->caption.french() == core::numberText(subnets) + " réseaux possibles");
        FUZZ_CHECK(subnets >= count);
        FUZZ_CHECK(plan->octetIndex >= 1 && plan->octetIndex <= 3);
        FUZZ_CHECK(core::leadingNumber(plan->stations) >= 0);
    }

    const core::SlashResult slash = core::Calcul_Slash(input.ConsumeRandomLengthString(16),
        input.ConsumeRandomLengthString(16), input.ConsumeRemainingBytesAsString());
    if (const auto *text = std::get_if<std::string>(&slash)) {
        const double prefix = core::leadingNumber(text->substr(1));
        FUZZ_CHECK((*text)[0] == '/' && prefix >= 8 && prefix <= 32
            && core::numberText(prefix) == text->substr(1));
    }
    return 0;
}
