#pragma once

#include "classe.hpp"
#include "message.hpp"

#include <optional>
#include <string_view>

namespace core {

// Takes one network's address and mask texts; the first octet position (0 to 3) where the
// address is 0 under a mask above 0, or above 0 under a mask of 0; none when every position
// lines up. Compares with 0 exactly: 0.5 counts as above 0, a negative value never fails.
[[nodiscard]] std::optional<int> Verif_Coherence(const Octets &adresse, const Octets &masque);

// The refusal for a network that fails the pair check; network is 1 or 2.
[[nodiscard]] Message messageCoherence(int network);

// Runs the pair check on network 1, then network 2; the refusal of the first that fails.
[[nodiscard]] std::optional<Message> checkPairs(
    const Octets &adresse1, const Octets &masque1, const Octets &adresse2, const Octets &masque2);

// Takes the two network rows; true when they are the same text, that is the same network.
[[nodiscard]] bool Meme_Reseau(std::string_view resultat1, std::string_view resultat2);

// The message that ends a verification.
[[nodiscard]] Message messageVerdict(bool memeReseau);

} // namespace core
