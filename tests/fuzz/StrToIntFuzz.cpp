// Feeds arbitrary bytes to StrToInt and checks it against a deliberately
// plain reading of the conversion rules, written with regular expressions.

#include "Exception.h"
#include "StrToInt.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

namespace {

std::string WithoutLeadingZeros(const std::string& digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "" : digits.substr(first);
}

std::optional<std::int32_t> ExpectedValue(const std::string& text)
{
    static const std::regex hexadecimal("(\\$|x|X|0x|0X)([0-9a-fA-F]+)");
    static const std::regex decimal("([+-]?)([0-9]+)");

    const std::string rest = text.substr(std::min(text.find_first_not_of(' '), text.size()));
    std::smatch match;
    if (std::regex_match(rest, match, hexadecimal)) {
        const std::string digits = WithoutLeadingZeros(match[2]);
        if (digits.size() > 8)
            return std::nullopt;
        const auto value = digits.empty() ? 0u : static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16));
        return static_cast<std::int32_t>(value);
    }
    if (std::regex_match(rest, match, decimal)) {
        const std::string digits = WithoutLeadingZeros(match[2]);
        if (digits.size() > 10)
            return std::nullopt;
        long long value = digits.empty() ? 0 : std::stoll(digits);
        if (match[1] == "-")
            value = -value;
        if (value < INT32_MIN || value > INT32_MAX)
            return std::nullopt;
        return static_cast<std::int32_t>(value);
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> expected = ExpectedValue(text);
    try {
        const std::int32_t value = ebo::StrToInt(text);
        if (!expected || *expected != value)
            std::abort();
    } catch (const ebo::EConvertError& error) {
        if (expected || error.Message() != "'" + text + "' は整数ではありません")
            std::abort();
    }
    return 0;
}
