#pragma once

#include <string>
#include <string_view>

namespace core {

// The number a text starts with, as every input box of the program reads it. Deliberate: blanks,
// tabs and line feeds are skipped wherever they stand ("2 5" reads 25); then an optional sign,
// digits, an optional point and fraction and an optional exponent ("E" and a whole number) are read
// up to the first character that cannot continue them. "&H" and "&O" start hexadecimal and octal
// whole numbers. A text without a leading number reads 0. The value is the double nearest to what
// the digits and the exponent say, at any length of either; past the largest double it is an
// infinity, and a value too small for a double but not zero is the smallest double on its side of
// zero (1E-400 is above 0: as a count, less than one subnet, not none). Never NaN, and linear in
// the length of the text.
[[nodiscard]] double leadingNumber(std::string_view text);

// A whole number in plain decimal digits, "-" in front when negative, "0" for zero.
[[nodiscard]] std::string numberText(double whole);

} // namespace core
