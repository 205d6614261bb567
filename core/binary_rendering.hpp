#pragma once

#include "ip_class.hpp"

#include <array>
#include <string>
#include <string_view>

namespace core {

// Rows show four octets bit by bit: each octet is three blanks, then its eight digits (value 128
// first), each followed by one blank. So a row is 76 characters and an octet group 19.
inline constexpr std::size_t kOctetGroupLength = 19;
inline constexpr std::size_t kRowLength = 4 * kOctetGroupLength;

// Takes any text; the eight binary digits ('1' or '0') of its leading number, weight 128 first.
// A digit is set when what is left of the value reaches its weight, which is then taken off: a
// fraction gives its integer part, 255 and above eight ones, zero and negatives eight zeros.
[[nodiscard]] std::array<char, 8> octetDigits(std::string_view octet);

// Takes any octet text; the 19-character group of its leading number. Fractions show their
// integer part, 255 and above show eight ones, zero, negatives and non-numbers eight zeros.
[[nodiscard]] std::string Octet_Binaire(std::string_view octet);

// Takes the four octet texts of an address or mask; its 76-character row.
[[nodiscard]] std::string Ligne_Binaire(const Octets &octets);

// Takes an address row and a mask row; the network row, whose digit is "1" exactly where both
// digits are "1". Short or malformed rows read as zeros where they lack a digit.
[[nodiscard]] std::string Ligne_Reseau(std::string_view address, std::string_view mask);

// The three rows that show one network.
struct NetworkRows
{
    std::string address;
    std::string mask;
    std::string result;
};

// Takes a network's address and mask texts; its address, mask and network rows, in that order.
[[nodiscard]] NetworkRows renderNetwork(const Octets &address, const Octets &mask);

} // namespace core
