#include "core/binary_rendering.hpp"
#include "core/number_text.hpp"
#include "core/same_network.hpp"
#include "properties.hpp"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

bool isDigitCell(std::size_t i)
{
    return i % 19 >= 3 && (i % 19 - 3) % 2 == 0;
}

void checkLayout(const std::string &row)
{
    FUZZ_CHECK(row.size() == core::kRowLength);
    for (std::size_t i = 0; i < row.size(); ++i)
        FUZZ_CHECK(isDigitCell(i) ? (row[i] == '0' || row[i] == '1') : row[i] == ' ');
}

} // namespace

// Two networks of any texts render as rows of the fixed layout; the network row is the AND of
// the address and mask rows; the pair check names a position that really fails.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    core::Octets octets[4];
    for (core::Octets &group : octets) {
        for (std::string &octet : group)
            octet = input.ConsumeRandomLengthString(64);
    }
    for (int n = 0; n < 2; ++n) {
        const core::NetworkRows rows = core::renderNetwork(octets[2 * n], octets[2 * n + 1]);
        checkLayout(rows.address);
        checkLayout(rows.mask);
        checkLayout(rows.result);
        for (std::size_t i = 0; i < core::kRowLength; ++i)
            FUZZ_CHECK((rows.result[i] == '1') == (rows.address[i] == '1' && rows.mask[i] == '1'));

        if (const auto failing = core::Verif_Coherence(octets[2 * n], octets[2 * n + 1])) {
            FUZZ_CHECK(*failing >= 0 && *failing <= 3);
            const double a = core::leadingNumber(octets[2 * n][*failing]);
            const double m = core::leadingNumber(octets[2 * n + 1][*failing]);
            FUZZ_CHECK((a == 0 && m > 0) || (a > 0 && m == 0));
        }
    }
    // Any two texts, of any length: a digit is 1 only where both have a 1, past the end of
    // either it is 0.
    const std::string a = input.ConsumeRandomLengthString(100);
    const std::string b = input.ConsumeRemainingBytesAsString();
    const std::string row = core::Ligne_Reseau(a, b);
    checkLayout(row);
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (isDigitCell(i))
            FUZZ_CHECK(
                (row[i] == '1') == (i < a.size() && i < b.size() && a[i] == '1' && b[i] == '1'));
    }
    return 0;
}
