#include "binary_sum.hpp"

#include "number_text.hpp"

namespace core {
namespace {

bool isSet(std::string_view digit)
{
    return leadingNumber(digit) == 1;
}

} // namespace

bool Verif_Nombre(std::string_view nombre)
{
    const double value = leadingNumber(nombre);
    return value >= 0 && value <= 255;
}

BitRow Conversion_Binaire(std::string_view nombre)
{
    BitRow row;
    if (nombre.empty())
        return row;
    double value = leadingNumber(nombre);
    double weight = 128;
    for (std::string &digit : row) {
        const bool set = value >= weight;
        if (set)
            value -= weight;
        digit.assign(1, set ? '1' : '0');
        weight /= 2;
    }
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
    sum.valeur = numberText(value);
    return sum;
}

} // namespace core
