#include "core/number_text.hpp"
#include "core/subnet_planning.hpp"
#include "properties.hpp"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

// A plan lists exactly as many subnets as its label counts, 2^n - 2 for n borrowed bits; a mask
// has a slash exactly when its bits are ones then zeros, and it counts the ones.
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

    // A slash is given exactly for whole octets from 0 to 255 whose bits are ones then zeros.
    const core::Octets mask {"255", input.ConsumeRandomLengthString(16),
        input.ConsumeRandomLengthString(16), input.ConsumeRemainingBytesAsString()};
    const core::SlashResult slash = core::Calcul_Slash(mask[1], mask[2], mask[3]);
    std::uint32_t bits = 0;
    bool whole = true;
    for (const std::string &octet : mask) {
        const double x = core::leadingNumber(octet);
        whole = whole && x >= 0 && x <= 255 && x == static_cast<int>(x);
        bits = bits << 8 | (whole ? static_cast<std::uint32_t>(x) : 0);
    }
    int ones = 0;
    while (ones < 32 && (bits >> (31 - ones) & 1))
        ++ones;
    const bool valid = whole && bits == (ones == 0 ? 0 : ~0u << (32 - ones));
    FUZZ_CHECK(std::holds_alternative<std::string>(slash) == valid);
    if (valid)
        FUZZ_CHECK(std::get<std::string>(slash) == "/" + core::numberText(ones));
    return 0;
}
