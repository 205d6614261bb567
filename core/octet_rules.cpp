#include "octet_rules.hpp"

#include "number_text.hpp"

namespace core {
namespace {

// Counts characters, not bytes: an accented letter typed alone is one character.
std::size_t characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char byte : utf8)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

} // namespace

bool Verif_Octet(std::string_view octet)
{
    const double value = leadingNumber(octet);
    return value >= 0 && value <= 255;
}

std::optional<Classe> Classe_Adresse(double f)
{
    if (f > 0 && f < 126)
        return Classe::A;
    if (f > 126 && f < 191)
        return Classe::B;
    if (f > 191 && f < 223)
        return Classe::C;
    return std::nullopt;
}

Text legendeClasse(std::optional<Classe> classe)
{
    if (!classe)
        return QT_TRANSLATE_NOOP("core", "Adresse IP - Type classe ");
    return {QT_TRANSLATE_NOOP("core", "Adresse IP - Type classe %1"), {{lettre(*classe)}}};
}

MaskSteps Masque_Classe(Classe classe)
{
    switch (classe) {
    case Classe::A:
        return {SetMaskText {0, "255"}, SetMaskLocked {0, true}, SetMaskText {1, "0"},
            SetMaskText {2, "0"}, SetMaskText {3, "0"}};
    case Classe::B:
        return {SetMaskText {0, "255"}, SetMaskText {1, "255"}, SetMaskLocked {0, true},
            SetMaskLocked {1, false}, SetMaskText {2, "0"}, SetMaskText {3, "0"}};
    case Classe::C:
        return {SetMaskText {0, "255"}, SetMaskText {1, "255"}, SetMaskText {2, "255"},
            SetMaskLocked {0, true}, SetMaskLocked {1, true}, SetMaskLocked {2, false},
            SetMaskText {3, "0"}};
    }
    return {};
}

MaskSteps firstCharacterRule(std::string_view premierOctet)
{
    if (characterCount(premierOctet) != 1)
        return {};
    MaskSteps steps;
    for (int i = 0; i < 4; ++i)
        steps.emplace_back(SetMaskText {i, ""});
    for (int i = 0; i < 4; ++i)
        steps.emplace_back(SetMaskLocked {i, false});
    steps.emplace_back(SetCaption {legendeClasse(std::nullopt)});
    return steps;
}

bool premierOctetPositif(std::string_view premierOctet)
{
    return leadingNumber(premierOctet) > 0;
}

MaskSteps classStep(std::string_view premierOctet)
{
    const std::optional<Classe> classe = Classe_Adresse(leadingNumber(premierOctet));
    if (!classe)
        return {};
    MaskSteps steps {SetCaption {legendeClasse(classe)}};
    for (MaskStep &step : Masque_Classe(*classe))
        steps.push_back(std::move(step));
    return steps;
}

} // namespace core
