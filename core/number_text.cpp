#include "number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace core {
namespace {

bool isDigitIn(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0' < base;
    const char lower = static_cast<char>(c | 0x20);
    return base == 16 && lower >= 'a' && lower <= 'f';
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// Walks a text, passing over blanks, tabs and line feeds wherever they stand.
class Reader
{
public:
    explicit Reader(std::string_view text)
        : text_(text)
    { }

    [[nodiscard]] char peek()
    {
        while (pos_ < text_.size()
            && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }
    [[nodiscard]] std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Passes over an optional sign; true when it was a minus.
bool takeSign(Reader &reader)
{
    const char sign = reader.peek();
    if (sign != '+' && sign != '-')
        return false;
    reader.advance();
    return sign == '-';
}

double radixNumber(Reader &reader, int base)
{
    double value = 0;
    for (char c = reader.peek(); isDigitIn(c, base); c = reader.peek()) {
        value = value * base + digitValue(c);
        reader.advance();
    }
    return value;
}

// A decimal number as 0.d1d2d3... times ten to the power exponent, d1 not 0. Only the first
// kKept significant digits are kept, and a "1" after them stands for any later digit that is not
// 0: a double's rounding never depends on more (the halfway points between doubles have at most
// 767 significant digits), so a text of any length rounds exactly as if read in full.
class Decimal
{
public:
    // Takes the digits under the reader, of the whole part or of the fraction; returns how many.
    std::size_t take(Reader &reader, bool fraction)
    {
        std::size_t count = 0;
        for (char c = reader.peek(); isDigitIn(c, 10); c = reader.peek()) {
            reader.advance();
            ++count;
            if (digits_.empty() && c == '0') {
                if (fraction)
                    --exponent_; // 0.05 is 0.5 times ten to the -1
                continue;
            }
            if (!fraction)
                ++exponent_; // 12 is 0.12 times ten to the 2
            if (digits_.size() < kKept)
                digits_ += c;
            else if (c != '0')
                sticky_ = true;
        }
        return count;
    }

    // The value times ten to the power shift as a double; the shift may be anything, the number
    // of digits read bounds the rest. Every limit the program checks is a whole number, so a value
    // that is not whole never reads as one: where the nearest double is whole but the value is
    // not exactly it, the value reads as the double next to it on the value's side (1E-400 reads
    // as the smallest double above 0, 5.99999999999999999999 as the largest below 6).
    [[nodiscard]] double value(long long shift) const
    {
        if (digits_.empty())
            return 0;
        const long long exponent = exponent_ + shift;
        const double nearest = nearestDouble(exponent);
        if (!(nearest < 0x1p53) || nearest != std::trunc(nearest))
            return nearest;
        const int side = compareWith(nearest, exponent);
        return side == 0 ? nearest : std::nextafter(nearest, side * HUGE_VAL);
    }

private:
    // Rounded to the nearest, as strtod() would; an infinity past the largest double.
    [[nodiscard]] double nearestDouble(long long exponent) const
    {
        // 0.1E310 and above overflow; below 0.1E-324 rounds to zero.
        if (exponent > 310)
            return HUGE_VAL;
        if (exponent < -324)
            return 0;
        const std::string literal
            = "0." + digits_ + (sticky_ ? "1" : "") + 'e' + std::to_string(exponent);
        double value = 0;
        if (std::from_chars(literal.data(), literal.data() + literal.size(), value).ec
            == std::errc::result_out_of_range)
            return exponent > 0 ? HUGE_VAL : 0;
        return value;
    }

    // -1, 0 or 1 as the value is below, equal to or above a whole number from 0 to 2^53.
    [[nodiscard]] int compareWith(double whole, long long exponent) const
    {
        if (whole == 0)
            return 1;
        std::string theirs = numberText(whole);
        if (exponent != static_cast<long long>(theirs.size()))
            return exponent < static_cast<long long>(theirs.size()) ? -1 : 1;
        std::string mine = digits_ + (sticky_ ? "1" : "");
        for (std::string *digits : {&mine, &theirs})
            digits->erase(digits->find_last_not_of('0') + 1);
        const int order = mine.compare(theirs);
        return (order > 0) - (order < 0);
    }

    static constexpr std::size_t kKept = 800;
    std::string digits_;
    bool sticky_ = false;
    long long exponent_ = 0;
};

// Far beyond any double, yet ten times it plus a digit, plus the digits of any text, still fits.
constexpr long long kExponentLimit = 100'000'000'000'000'000;

// Reads an exponent "E", an optional sign and digits; 0 with the reader left on the E when no
// digit follows ("1E" and "1E-" are the number 1 followed by other text).
long long exponentOf(Reader &reader)
{
    const std::size_t start = reader.position();
    reader.advance(); // the E
    const bool negative = takeSign(reader);
    if (!isDigitIn(reader.peek(), 10)) {
        reader.rewind(start);
        return 0;
    }
    long long exponent = 0;
    for (char c = reader.peek(); isDigitIn(c, 10); c = reader.peek()) {
        exponent = std::min(exponent * 10 + digitValue(c), kExponentLimit);
        reader.advance();
    }
    return negative ? -exponent : exponent;
}

} // namespace

double leadingNumber(std::string_view text)
{
    Reader reader(text);
    if (reader.peek() == '&') {
        reader.advance();
        const char kind = static_cast<char>(reader.peek() | 0x20);
        if (kind != 'h' && kind != 'o')
            return 0;
        reader.advance();
        return radixNumber(reader, kind == 'h' ? 16 : 8);
    }

    const bool negative = takeSign(reader);
    Decimal decimal;
    std::size_t digits = decimal.take(reader, false);
    if (reader.peek() == '.') {
        reader.advance();
        digits += decimal.take(reader, true);
    }
    if (digits == 0)
        return 0;
    const long long exponent = (reader.peek() | 0x20) == 'e' ? exponentOf(reader) : 0;
    const double value = decimal.value(exponent);
    return negative ? -value : value;
}

std::string numberText(double whole)
{
    if (whole == 0)
        return "0"; // never "-0"
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return buffer;
}

} // namespace core
