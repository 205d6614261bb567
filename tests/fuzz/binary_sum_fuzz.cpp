#include "core/binary_sum.hpp"
#include "core/number_text.hpp"
#include "properties.hpp"

#include <cmath>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

int rowValue(const core::BitRow &row)
{
    int value = 0;
    for (std::size_t p = 0; p < row.size(); ++p)
        value += core::leadingNumber(row[p]) == 1 ? 1 << (7 - p) : 0;
    return value;
}

} // namespace

// An accepted number converts to the bits of its integer part; the sum is a number text from
// "0" to "255" equal to the weights of its set positions, and never exceeds either operand.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    core::BitRow rows[2];
    int values[2] = {};
    for (int n = 0; n < 2; ++n) {
        const std::string text
            = n == 0 ? input.ConsumeRandomLengthString(64) : input.ConsumeRemainingBytesAsString();
        const double value = core::leadingNumber(text);
        FUZZ_CHECK(core::Verif_Nombre(text) == (value >= 0 && value <= 255));
        if (!core::Verif_Nombre(text))
            continue;
        rows[n] = core::Conversion_Binaire(text);
        values[n] = rowValue(rows[n]);
        FUZZ_CHECK(text.empty() || values[n] == static_cast<int>(std::floor(value)));
    }
    const core::BinarySum sum = core::Somme_Binaire(rows[0], rows[1]);
    const int value = rowValue(sum.bits);
    FUZZ_CHECK(sum.value == core::numberText(value));
    FUZZ_CHECK(value == (values[0] & values[1]));
    for (const std::string &digit : sum.bits)
        FUZZ_CHECK(digit == "0" || digit == "1");
    return 0;
}
