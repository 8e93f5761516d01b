#include "StrToInt.h"
#include "Exception.h"
#include "Key.h"

#include <gtest/gtest.h>

#include <optional>

namespace ebo {
namespace {

struct ConversionCase {
    std::string text;
    std::optional<std::int32_t> value;  // nullopt: rejected
};

std::ostream& operator<<(std::ostream& out, const ConversionCase& c) { return out << "'" << c.text << "'"; }

class StrToIntCases : public ::testing::TestWithParam<ConversionCase> { };

TEST_P(StrToIntCases, ConvertsOrRejectsWithTheWholeText)
{
    const ConversionCase& c = GetParam();
    if (c.value) {
        EXPECT_EQ(StrToInt(c.text), *c.value);
        return;
    }
    try {
        StrToInt(c.text);
        ADD_FAILURE() << "accepted";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'" + c.text + "' は整数ではありません");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, StrToIntCases,
    ::testing::Values(
        // leading spaces only, and nothing after the last digit
        ConversionCase {" 12", 12}, ConversionCase {"   59", 59}, ConversionCase {"12 ", std::nullopt},
        ConversionCase {"\t5", std::nullopt}, ConversionCase {"", std::nullopt}, ConversionCase {"   ", std::nullopt},
        ConversionCase {"1e3", std::nullopt}, ConversionCase {"12a", std::nullopt},
        // decimal, signs, no octal
        ConversionCase {"0", 0}, ConversionCase {"007", 7}, ConversionCase {"+5", 5}, ConversionCase {"-1", -1},
        ConversionCase {"-0", 0}, ConversionCase {"- 1", std::nullopt}, ConversionCase {"+-1", std::nullopt},
        ConversionCase {"-", std::nullopt}, ConversionCase {"+", std::nullopt}, ConversionCase {"５９", std::nullopt},
        // hexadecimal
        ConversionCase {"$FF", 255}, ConversionCase {"x1F", 31}, ConversionCase {"X1f", 31},
        ConversionCase {"0x10", 16}, ConversionCase {"0X10", 16}, ConversionCase {" $3b", 59},
        ConversionCase {"-$5", std::nullopt}, ConversionCase {"+0x5", std::nullopt}, ConversionCase {"$", std::nullopt},
        ConversionCase {"0x", std::nullopt}, ConversionCase {"$G", std::nullopt}, ConversionCase {"$FFFFFFFF", -1},
        ConversionCase {"$80000000", INT32_MIN}, ConversionCase {"$000000001", 1},
        ConversionCase {"$100000000", std::nullopt},
        // the 32-bit range
        ConversionCase {"2147483647", INT32_MAX}, ConversionCase {"-2147483648", INT32_MIN},
        ConversionCase {"2147483648", std::nullopt}, ConversionCase {"-2147483649", std::nullopt},
        ConversionCase {"00000000002147483647", INT32_MAX}, ConversionCase {"99999999999999999999", std::nullopt}));

TEST(KeyByteFromText, KeepsTheLowEightBits)
{
    const std::pair<const char*, KeyByte> cases[] = {{"256", 0},          {"-1", 255},        {"59", 59},
                                                     {"2147483647", 255}, {"-2147483648", 0}, {"$13B", 59}};
    for (const auto& [text, key] : cases)
        EXPECT_EQ(KeyByteFromText(text), key) << text;
    EXPECT_THROW(KeyByteFromText("abc"), EConvertError);
}

TEST(StrToInt, ErrorIsAnExceptionOfThePlatform) { EXPECT_THROW(StrToInt("abc"), Exception); }

}  // namespace
}  // namespace ebo
