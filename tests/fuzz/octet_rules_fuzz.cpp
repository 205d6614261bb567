#include "core/number_text.hpp"
#include "core/octet_rules.hpp"
#include "properties.hpp"

#include <cstdint>
#include <string>

// The octet rule is the 0 to 255 range of the leading number; the class step names the first
// octet's class, or none, and always sets all four mask boxes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const double value = core::leadingNumber(text);
    FUZZ_CHECK(core::Verif_Octet(text) == (value >= 0 && value <= 255));

    // With a class or without, the caption names it and all four mask boxes are written and
    // given their lock.
    const core::MaskSteps steps = core::classStep(text);
    const std::optional<core::IpClass> ipClass = core::Classe_Adresse(value);
    int captions = 0, written = 0, locks = 0;
    for (const auto &step : steps) {
        if (const auto *caption = std::get_if<core::SetCaption>(&step))
            captions += caption->caption == core::classCaption(ipClass);
        written += std::holds_alternative<core::SetMaskText>(step);
        locks += std::holds_alternative<core::SetMaskLocked>(step);
    }
    FUZZ_CHECK(captions == 1 && written == 4 && locks == 4);
    const core::MaskSteps rule = core::firstCharacterRule(text);
    FUZZ_CHECK(rule.empty() || rule.size() == 9);
    if (size == 1 && data[0] < 0x80) // one ASCII character; Qt hands over well-formed UTF-8 only
        FUZZ_CHECK(rule.size() == 9);
    return 0;
}
