#include "number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

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

double radixNumber(Reader &reader, int base)
{
    double value = 0;
    for (char c = reader.peek(); isDigitIn(c, base); c = reader.peek()) {
        value = value * base + digitValue(c);
        reader.advance();
    }
    return value;
}

// Appends the digits under the reader to out; returns how many there were.
std::size_t takeDigits(Reader &reader, std::string &out)
{
    std::size_t count = 0;
    for (char c = reader.peek(); isDigitIn(c, 10); c = reader.peek()) {
        out += c;
        reader.advance();
        ++count;
    }
    return count;
}

// The exponent is saturated: anything past this is beyond every double anyway.
constexpr long kExponentLimit = 100'000;

long exponentOf(Reader &reader)
{
    const std::size_t start = reader.position();
    reader.advance(); // the E
    bool negative = false;
    if (const char sign = reader.peek(); sign == '+' || sign == '-') {
        negative = sign == '-';
        reader.advance();
    }
    if (!isDigitIn(reader.peek(), 10)) {
        reader.rewind(start); // "1E" or "1E-" is the number 1 followed by other text
        return 0;
    }
    long exponent = 0;
    for (char c = reader.peek(); isDigitIn(c, 10); c = reader.peek()) {
        exponent = std::min(exponent * 10 + digitValue(c), kExponentLimit);
        reader.advance();
    }
    return negative ? -exponent : exponent;
}

// Where from_chars gives up on a value out of range, tells an overflow from an underflow by
// the decimal magnitude of the mantissa "ddd.ddd" and its exponent.
double outOfRange(std::string_view mantissa, long exponent, bool negative)
{
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::size_t firstSignificant = whole.find_first_not_of('0');
    long magnitude = 0;
    if (firstSignificant != std::string_view::npos) {
        magnitude = static_cast<long>(whole.size() - firstSignificant) + exponent;
    } else if (point != std::string_view::npos) {
        const std::string_view fraction = mantissa.substr(point + 1);
        magnitude = exponent - static_cast<long>(fraction.find_first_not_of('0'));
    }
    const double size = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -size : size;
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

    bool negative = false;
    if (const char sign = reader.peek(); sign == '+' || sign == '-') {
        negative = sign == '-';
        reader.advance();
    }
    std::string mantissa;
    std::size_t digits = takeDigits(reader, mantissa);
    if (reader.peek() == '.') {
        reader.advance();
        mantissa += '.';
        digits += takeDigits(reader, mantissa);
    }
    if (digits == 0)
        return 0;
    long exponent = 0;
    if ((reader.peek() | 0x20) == 'e')
        exponent = exponentOf(reader);

    const std::string literal = mantissa + 'e' + std::to_string(exponent);
    double value = 0;
    const auto [end, error]
        = std::from_chars(literal.data(), literal.data() + literal.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return outOfRange(mantissa, exponent, negative);
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
