#include "core/number_text.hpp"
#include "properties.hpp"

#include <cmath>
#include <cstdint>
#include <string>

// The reader never gives NaN, ignores blanks wherever they stand, and reads back every whole
// number the program writes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const double value = core::leadingNumber(text);
    FUZZ_CHECK(!std::isnan(value));

    std::string squeezed;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            squeezed += c;
    }
    const double again = core::leadingNumber(squeezed);
    FUZZ_CHECK(again == value || (std::isnan(again) && std::isnan(value)));

    if (std::isfinite(value) && std::abs(value) < 1e15) {
        const double whole = std::trunc(value);
        FUZZ_CHECK(core::leadingNumber(core::numberText(whole)) == whole);
    }
    return 0;
}
