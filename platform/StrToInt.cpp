#include "StrToInt.h"

#include "Exception.h"

namespace ebo {
namespace {

int DecimalDigit(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool StartsHexadecimal(const std::string& text, std::size_t at, std::size_t* digitsAt)
{
    const char first = text[at];
    if (first == '$' || first == 'x' || first == 'X') {
        *digitsAt = at + 1;
        return true;
    }
    if (first == '0' && at + 1 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        *digitsAt = at + 2;
        return true;
    }
    return false;
}

[[noreturn]] void Reject(const std::string& text) { throw EConvertError(Format(NotAnIntegerMessage, text)); }

std::int32_t ParseHexadecimal(const std::string& text, std::size_t at)
{
    if (at == text.size())
        Reject(text);
    std::uint32_t value = 0;
    int significant = 0;
    for (; at < text.size(); ++at) {
        const int digit = HexDigit(text[at]);
        if (digit < 0)
            Reject(text);
        if (value != 0 || digit != 0)
            ++significant;
        if (significant > 8)
            Reject(text);
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);  // two's complement: top bit means negative
}

std::int32_t ParseDecimal(const std::string& text, std::size_t at, bool negative)
{
    if (at == text.size())
        Reject(text);
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DecimalDigit(text[at]);
        if (digit < 0)
            Reject(text);
        magnitude = magnitude * 10 + digit;
        if (magnitude > limit)
            Reject(text);
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::int32_t StrToInt(const std::string& text)
{
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos)
        Reject(text);

    if (text[at] == '-' || text[at] == '+')
        return ParseDecimal(text, at + 1, text[at] == '-');

    std::size_t digitsAt = 0;
    if (StartsHexadecimal(text, at, &digitsAt))
        return ParseHexadecimal(text, digitsAt);
    return ParseDecimal(text, at, false);
}

}  // namespace ebo
