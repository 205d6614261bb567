#pragma once

#include <array>
#include <string>
#include <string_view>

namespace core {

// Eight digit texts, position 0 for weight 128. Each is "1", "0", or empty for an empty operand.
using BitRow = std::array<std::string, 8>;

// Takes an operand text; true when its leading number lies from 0 to 255 (fractions included).
[[nodiscard]] bool Verif_Nombre(std::string_view number);

// Takes an accepted or empty operand text; its bit row (eight empty texts for the empty text,
// the digits of the integer part otherwise).
[[nodiscard]] BitRow Conversion_Binaire(std::string_view number);

struct BinarySum
{
    BitRow bits; // never empty texts
    std::string value; // "0" to "255"
};

// Takes two bit rows; their bit-by-bit AND and its decimal value. Deliberate: a position counts
// as set when its text reads exactly 1, so empty rows count as all zeros.
[[nodiscard]] BinarySum Somme_Binaire(const BitRow &a, const BitRow &b);

} // namespace core
