#include "core/number_text.hpp"
#include "core/octet_rules.hpp"
#include "properties.hpp"

#include <cstdint>
#include <string>

// The octet rule is the 0 to 255 range of the leading number; the class step names a class
// exactly when the first octet has one, and always ends on a full default mask.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const double value = core::leadingNumber(text);
    FUZZ_CHECK(core::Verif_Octet(text) == (value >= 0 && value <= 255));

    const core::MaskSteps steps = core::classStep(text);
    const std::optional<core::IpClass> ipClass
        = value > 0 ? core::Classe_Adresse(value) : std::nullopt;
    FUZZ_CHECK(steps.empty() == !ipClass);
    if (ipClass) {
        FUZZ_CHECK(
            std::get<core::SetCaption>(steps.front()).caption == core::classCaption(ipClass));
        int written = 0;
        for (const auto &step : steps)
            written += std::holds_alternative<core::SetMaskText>(step);
        FUZZ_CHECK(written == 4);
    }
    const core::MaskSteps rule = core::firstCharacterRule(text);
    FUZZ_CHECK(rule.empty() || rule.size() == 9);
    if (size == 1 && data[0] < 0x80) // one ASCII character; Qt hands over well-formed UTF-8 only
        FUZZ_CHECK(rule.size() == 9);
    return 0;
}
