#pragma once

#include "ip_class.hpp"
#include "message.hpp"

#include <optional>
#include <string_view>

namespace core {

// Takes one network's address and mask texts; the first octet position (0 to 3) where the
// address is 0 under a mask above 0, or above 0 under a mask of 0; none when every position
// lines up. Deliberate: compares with 0 exactly, so 0.5 counts as above 0 and a negative value
// never fails.
[[nodiscard]] std::optional<int> Verif_Coherence(const Octets &address, const Octets &mask);

// The refusal for a network that fails the pair check; network is 1 or 2.
[[nodiscard]] Message coherenceRefusal(int network);

// Runs the pair check on network 1, then network 2; the refusal of the first that fails.
[[nodiscard]] std::optional<Message> checkPairs(
    const Octets &address1, const Octets &mask1, const Octets &address2, const Octets &mask2);

// Takes the two network rows; true when they are the same text, that is the same network.
[[nodiscard]] bool Meme_Reseau(std::string_view row1, std::string_view row2);

// The message that ends a verification.
[[nodiscard]] Message verdict(bool same);

} // namespace core
