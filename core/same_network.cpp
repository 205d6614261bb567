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
    // One whole sentence for each network: a translation may need to say "first" differently.
    const char *text = network == 1
        ? QT_TRANSLATE_NOOP("core",
            "La saisie de votre adresse 1er Réseau IP semble incorrecte. Veuillez vérifier votre "
            "adressage.")
        : QT_TRANSLATE_NOOP("core",
            "La saisie de votre adresse 2ème Réseau IP semble incorrecte. Veuillez vérifier votre "
            "adressage.");
    return {text, Icon::Exclamation, kTitreSaisie};
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
        return {QT_TRANSLATE_NOOP("core",
                    "Ces 2 réseaux IP appartiennent au même réseau, et ils peuvent communiquer "
                    "entre eux."),
            Icon::Information, kTitreVerification};
    return {QT_TRANSLATE_NOOP("core",
                "Ces 2 réseaux IP sont différents. Vous devrez installer des routeurs entre eux."),
        Icon::Exclamation, kTitreVerification};
}

} // namespace core
