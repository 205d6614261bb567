#pragma once

#include "ip_class.hpp"
#include "message.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace core {

// What choosing a class puts on the mask tab.
struct ClassDefaults
{
    Octets address; // the default address, "001.000.000.001" for A
    Text range; // the first-octet range shown beside the address, "De 1 à 126" for A
    Octets mask; // the default mask, "255.000.000.000" for A
    std::string stations; // stations of the unsubnetted network, "16777214" for A
};

// Takes a mask class; its default mask and default stations text (with its address and range).
[[nodiscard]] const ClassDefaults &Masque_Defaut(IpClass ipClass);

// A first address octet outside its class's range, and the text that replaces it.
struct ClassRangeRefusal
{
    Message message;
    std::string replacement;
};

// Takes the address class (or none) and the first octet's text; a refusal naming the class's
// range when the octet's value lies outside it, both bounds included (A 1-126, B 128-191,
// C 192-223, as shown beside the address), with the range's first value to put instead. With no
// class every text is accepted.
[[nodiscard]] std::optional<ClassRangeRefusal> Verif_ClasseAdresse(
    std::optional<IpClass> addressClass, std::string_view firstOctet);

struct CountRefused
{
    Message message;
};
struct AddressMissing
{
    Message message;
};

// A classful subnet plan for one subnetted octet: borrowing n bits leaves out the all-zeros and
// all-ones subnets, so 2^n - 2 subnets are listed.
struct SubnetPlan
{
    int borrowedBits = 0; // 2 to 8
    int octetIndex = 0; // the mask box that receives the subnet octet: 1 for A, 2 for B, 3 for C
    std::string maskOctet; // "224" for three borrowed bits
    std::string stations; // stations per subnet
    Text caption; // "6 réseaux possibles"
    std::vector<std::string> lines; // one line per usable subnet, lowest first
};

using SubnetResult = std::variant<CountRefused, AddressMissing, SubnetPlan>;

// Takes the desired number of subnets, the address class (stations and line format), the mask
// class (which mask octet is subnetted) and the four address texts; each line names a subnet's
// first and last host, the octets before the subnetted one copied as typed. Refuses a count outside
// ]0, 255[, then an address whose octet 0, 1 or 2 is empty (or with no class chosen). Counts above
// 126 borrow all eight bits (254 subnets of one address); for class C that leaves no station, so
// they are refused.
[[nodiscard]] SubnetResult Calcul_SousReseaux(std::string_view desiredCount,
    std::optional<IpClass> addressClass, std::optional<IpClass> maskClass, const Octets &address);

// The slash notation of a mask, "/8" to "/32", or the refusal of one that is not ones then zeros.
using SlashResult = std::variant<std::string, Message>;

// Takes mask octets 1 to 3 (octet 0 counts as 255; an empty text reads 0); the mask's length in
// slash notation, or a refusal when the octets are not whole numbers whose bits are ones then
// zeros.
[[nodiscard]] SlashResult Calcul_Slash(
    std::string_view m1, std::string_view m2, std::string_view m3);

} // namespace core
