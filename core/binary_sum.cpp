#include "binary_sum.hpp"

#include "binary_rendering.hpp"
#include "number_text.hpp"
#include "octet_rules.hpp"

namespace core {
namespace {

bool isSet(std::string_view digit)
{
    return leadingNumber(digit) == 1;
}

} // namespace

bool Verif_Nombre(std::string_view number)
{
    return Verif_Octet(number); // an operand is a byte, like an octet
}

BitRow Conversion_Binaire(std::string_view number)
{
    BitRow row;
    if (number.empty())
        return row;
    const std::array<char, 8> digits = octetDigits(number);
    for (std::size_t p = 0; p < row.size(); ++p)
        row[p].assign(1, digits[p]);
    return row;
}

BinarySum Somme_Binaire(const BitRow &a, const BitRow &b)
{
    BinarySum sum;
    int value = 0;
    for (std::size_t p = 0; p < sum.bits.size(); ++p) {
        const bool set = isSet(a[p]) && isSet(b[p]);
        sum.bits[p].assign(1, set ? '1' : '0');
        if (set)
            value += 1 << (7 - p);
    }
    sum.value = numberText(value);
    return sum;
}

} // namespace core
