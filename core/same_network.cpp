#include "same_network.hpp"

#include "number_text.hpp"

namespace core {

std::optional<int> Verif_Coherence(const Octets &address, const Octets &mask)
{
    for (int i = 0; i < 4; ++i) {
        const double a = leadingNumber(address[i]);
        const double m = leadingNumber(mask[i]);
        if ((a == 0 && m > 0) || (a > 0 && m == 0))
            return i;
    }
    return std::nullopt;
}

Message coherenceRefusal(int network)
{
    // One whole sentence for each network: a translation may need to say "first" differently.
    const char *text = network == 1
        ? QT_TRANSLATE_NOOP("core",
            "La saisie de votre adresse 1er Réseau IP semble incorrecte. Veuillez vérifier votre "
            "adressage.")
        : QT_TRANSLATE_NOOP("core",
            "La saisie de votre adresse 2ème Réseau IP semble incorrecte. Veuillez vérifier votre "
            "adressage.");
    return {text, Icon::Exclamation, kInputErrorTitle};
}

std::optional<Message> checkPairs(
    const Octets &address1, const Octets &mask1, const Octets &address2, const Octets &mask2)
{
    if (Verif_Coherence(address1, mask1))
        return coherenceRefusal(1);
    if (Verif_Coherence(address2, mask2))
        return coherenceRefusal(2);
    return std::nullopt;
}

bool Meme_Reseau(std::string_view row1, std::string_view row2)
{
    return row1 == row2;
}

Message verdict(bool same)
{
    if (same)
        return {QT_TRANSLATE_NOOP("core",
                    "Ces 2 réseaux IP appartiennent au même réseau, et ils peuvent communiquer "
                    "entre eux."),
            Icon::Information, kVerificationTitle};
    return {QT_TRANSLATE_NOOP("core",
                "Ces 2 réseaux IP sont différents. Vous devrez installer des routeurs entre eux."),
        Icon::Exclamation, kVerificationTitle};
}

} // namespace core
