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

// Deliberate: the classes of every course (A 1-126, B 128-191, C 192-223; 0, 127 and 224 up
// have none), where the original's strict bounds left 126, 191 and 223 out and made 127 a B.
std::optional<IpClass> Classe_Adresse(double f)
{
    if (f >= 1 && f < 127)
        return IpClass::A;
    if (f >= 128 && f < 192)
        return IpClass::B;
    if (f >= 192 && f < 224)
        return IpClass::C;
    return std::nullopt;
}

Text classCaption(std::optional<IpClass> ipClass)
{
    if (!ipClass)
        return QT_TRANSLATE_NOOP("core", "Adresse IP - Type classe ");
    return {QT_TRANSLATE_NOOP("core", "Adresse IP - Type classe %1"), {{letter(*ipClass)}}};
}

// Deliberate: each template sets the lock of all four positions, so that class A after class C
// does not leave position 1 locked.
MaskSteps Masque_Classe(IpClass ipClass)
{
    switch (ipClass) {
    case IpClass::A:
        return {SetMaskText {0, "255"}, SetMaskLocked {0, true}, SetMaskText {1, "0"},
            SetMaskText {2, "0"}, SetMaskText {3, "0"}, SetMaskLocked {1, false},
            SetMaskLocked {2, false}, SetMaskLocked {3, false}};
    case IpClass::B:
        return {SetMaskText {0, "255"}, SetMaskText {1, "255"}, SetMaskLocked {0, true},
            SetMaskLocked {1, false}, SetMaskText {2, "0"}, SetMaskText {3, "0"},
            SetMaskLocked {2, false}, SetMaskLocked {3, false}};
    case IpClass::C:
        return {SetMaskText {0, "255"}, SetMaskText {1, "255"}, SetMaskText {2, "255"},
            SetMaskLocked {0, true}, SetMaskLocked {1, true}, SetMaskLocked {2, false},
            SetMaskText {3, "0"}, SetMaskLocked {3, false}};
    }
    return {};
}

namespace {

// The mask emptied and unlocked, the caption without a letter: the frame while no class is known.
MaskSteps noClass()
{
    MaskSteps steps;
    for (int i = 0; i < 4; ++i)
        steps.emplace_back(SetMaskText {i, ""});
    for (int i = 0; i < 4; ++i)
        steps.emplace_back(SetMaskLocked {i, false});
    steps.emplace_back(SetCaption {classCaption(std::nullopt)});
    return steps;
}

} // namespace

MaskSteps firstCharacterRule(std::string_view firstOctet)
{
    if (characterCount(firstOctet) != 1)
        return {};
    return noClass();
}

bool firstOctetPositive(std::string_view firstOctet)
{
    return leadingNumber(firstOctet) > 0;
}

// Deliberate: a first octet of no class empties the mask, as while a class is typed anew, rather
// than leaving the previous class's caption and mask on a network that has none.
MaskSteps classStep(std::string_view firstOctet)
{
    const std::optional<IpClass> ipClass = Classe_Adresse(leadingNumber(firstOctet));
    if (!ipClass)
        return noClass();
    MaskSteps steps {SetCaption {classCaption(ipClass)}};
    for (MaskStep &step : Masque_Classe(*ipClass))
        steps.push_back(std::move(step));
    return steps;
}

} // namespace core
