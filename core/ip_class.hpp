#pragma once

#include <array>
#include <string>

namespace core {

// An address class; the option groups of the mask tab use the same order as their indexes.
enum class IpClass { A = 0, B = 1, C = 2 };

[[nodiscard]] constexpr char letter(IpClass ipClass)
{
    return "ABC"[static_cast<int>(ipClass)];
}

// The four octet texts of an address or a mask, octet 0 leftmost.
using Octets = std::array<std::string, 4>;

} // namespace core
