#pragma once

#include "ip_class.hpp"
#include "text.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace core {

// Takes any octet text; true when its leading number lies from 0 to 255, both ends included.
// Non-numeric text reads 0 and passes. On false, the caller shows rangeRefusal().
[[nodiscard]] bool Verif_Octet(std::string_view octet);

// Takes the value of an address's first octet; the class it falls in: A from 1 up to 127, B from
// 128 up to 192, C from 192 up to 224 (upper bounds excluded), none for 0, 127 and 224 up.
[[nodiscard]] std::optional<IpClass> Classe_Adresse(double firstOctet);

// The caption of a network's address frame: "Adresse IP - Type classe " and the class letter,
// or that text alone while no class is set.
[[nodiscard]] Text classCaption(std::optional<IpClass> ipClass);

// One thing the window does to a network's address frame or mask group. Writing a mask text
// runs that box's change handler, so the window must apply the steps in the order given.
struct SetCaption
{
    Text caption;
    friend bool operator==(const SetCaption &, const SetCaption &) = default;
};
struct SetMaskText
{
    int position;
    std::string text;
    friend bool operator==(const SetMaskText &, const SetMaskText &) = default;
};
struct SetMaskLocked
{
    int position;
    bool locked;
    friend bool operator==(const SetMaskLocked &, const SetMaskLocked &) = default;
};
using MaskStep = std::variant<SetCaption, SetMaskText, SetMaskLocked>;
using MaskSteps = std::vector<MaskStep>;

// The classful default mask of a class as ordered writes and locks of all four positions.
[[nodiscard]] MaskSteps Masque_Classe(IpClass ipClass);

// Deliberate: while the first address octet is one character long (any character), the class is
// being typed anew: the mask is emptied and unlocked and the caption loses its letter.
// Takes the first octet's text; no steps when the rule does not apply.
[[nodiscard]] MaskSteps firstCharacterRule(std::string_view firstOctet);

// Takes the first octet's text; true when it reads above 0, the first octet of a real network.
[[nodiscard]] bool firstOctetPositive(std::string_view firstOctet);

// The caption with the class letter, then the class's default mask, when the first octet gives a
// class; otherwise the letterless caption and an empty, unlocked mask.
[[nodiscard]] MaskSteps classStep(std::string_view firstOctet);

} // namespace core
