#include "core/number_text.hpp"
#include "properties.hpp"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

double strtodRounding(const std::string &text, int mode)
{
    std::fesetround(mode);
    const double value = std::strtod(text.c_str(), nullptr);
    std::fesetround(FE_TONEAREST);
    return value;
}

// A plain decimal text reads as the C library reads it, rounded to the nearest; except that a
// value that is not whole never reads as a whole number: there it reads as the double next to
// that number on the value's side.
void checkAgainstStrtod(const std::string &plain)
{
    const double value = core::leadingNumber(plain);
    const double nearest = strtodRounding(plain, FE_TONEAREST);
    const double down = strtodRounding(plain, FE_DOWNWARD);
    const double up = strtodRounding(plain, FE_UPWARD);
    const bool exact = down == up;
    if (!exact && std::abs(nearest) < 0x1p53 && nearest == std::trunc(nearest))
        FUZZ_CHECK(value == (nearest == down ? up : down));
    else
        FUZZ_CHECK(value == nearest);
}

} // namespace

// The reader never gives NaN, ignores blanks wherever they stand, reads back every whole number
// the program writes, and agrees with strtod on plain decimal texts.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const double value = core::leadingNumber(text);
    FUZZ_CHECK(!std::isnan(value));

    std::string squeezed = text;
    std::erase_if(squeezed, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    FUZZ_CHECK(core::leadingNumber(squeezed) == value);

    if (std::isfinite(value) && std::abs(value) < 1e15) {
        const double whole = std::trunc(value);
        FUZZ_CHECK(core::leadingNumber(core::numberText(whole)) == whole);
    }

    if (text.find_first_not_of("0123456789.eE+-") == std::string::npos)
        checkAgainstStrtod(text);
    // The same bytes as a plain decimal text, mostly digits.
    static constexpr char kPlain[] = "0123456789000000000000.eE+-";
    std::string plain;
    for (const std::uint8_t byte : text)
        plain += kPlain[byte % (sizeof kPlain - 1)];
    checkAgainstStrtod(plain);
    return 0;
}
