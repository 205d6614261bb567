#include "binary_rendering.hpp"

#include "number_text.hpp"

namespace core {
namespace {

constexpr std::string_view kGroupLead = "   ";

// The one-character texts that read exactly 1: a digit cell of a row is set only when it
// holds "1".
bool isOne(std::string_view row, std::size_t index)
{
    return index < row.size() && row[index] == '1';
}

} // namespace

std::array<char, 8> octetDigits(std::string_view octet)
{
    std::array<char, 8> digits {};
    double value = leadingNumber(octet);
    double weight = 128;
    for (char &digit : digits) {
        const bool set = value >= weight;
        if (set)
            value -= weight;
        digit = set ? '1' : '0';
        weight /= 2;
    }
    return digits;
}

std::string Octet_Binaire(std::string_view octet)
{
    std::string group(kGroupLead);
    for (const char digit : octetDigits(octet)) {
        group += digit;
        group += ' ';
    }
    return group;
}

std::string Ligne_Binaire(const Octets &octets)
{
    std::string row;
    row.reserve(kRowLength);
    for (const std::string &octet : octets)
        row += Octet_Binaire(octet);
    return row;
}

std::string Ligne_Reseau(std::string_view address, std::string_view mask)
{
    std::string row;
    row.reserve(kRowLength);
    for (std::size_t octet = 0; octet < 4; ++octet) {
        row += kGroupLead;
        for (std::size_t bit = 0; bit < 8; ++bit) {
            const std::size_t index = octet * kOctetGroupLength + kGroupLead.size() + 2 * bit;
            row += isOne(address, index) && isOne(mask, index) ? '1' : '0';
            row += ' ';
        }
    }
    return row;
}

NetworkRows renderNetwork(const Octets &address, const Octets &mask)
{
    NetworkRows rows {Ligne_Binaire(address), Ligne_Binaire(mask), {}};
    rows.result = Ligne_Reseau(rows.address, rows.mask);
    return rows;
}

} // namespace core
