#include "same_network.hpp"

#include "number_text.hpp"

namespace core {

std::optional<int> Verif_Coherence(const Octets &adresse, const Octets &masque)
{
    for (int i = 0; i < 4; ++i) {
        const double a = leadingNumber(adresse[i]);
        const double m = leadingNumber(masque[i]);
        if ((a == 0 && m > 0) || (a > 0 && m == 0))
            return i;
    }
    return std::nullopt;
}

Message messageCoherence(int network)
{
    const char *label = network == 1 ? "1er Réseau" : "2ème Réseau";
    return {std::string("La saisie de votre adresse ") + label
            + " IP semble incorrecte. Veuillez vérifier votre adressage.",
        Icon::Exclamation, kTitreSaisie};
}

std::optional<Message> checkPairs(
    const Octets &adresse1, const Octets &masque1, const Octets &adresse2, const Octets &masque2)
{
    if (Verif_Coherence(adresse1, masque1))
        return messageCoherence(1);
    if (Verif_Coherence(adresse2, masque2))
        return messageCoherence(2);
    return std::nullopt;
}

bool Meme_Reseau(std::string_view resultat1, std::string_view resultat2)
{
    return resultat1 == resultat2;
}

Message messageVerdict(bool memeReseau)
{
    if (memeReseau)
        return {
            "Ces 2 réseaux IP appartiennent au même réseau, et ils peuvent communiquer entre eux.",
            Icon::Information, kTitreVerification};
    return {"Ces 2 réseaux IP sont différents. Vous devrez installer des routeurs entre eux.",
        Icon::Exclamation, kTitreVerification};
}

} // namespace core
