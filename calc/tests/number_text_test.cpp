#include "number_text.h"
#include "run_time_error.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr std::string_view italian = ",";
constexpr std::string_view english = ".";

std::optional<Error_kind> error_of(auto &&call)
{
    try {
        call();
    } catch (const Run_time_error &error) {
        return error.kind();
    }
    return std::nullopt;
}

TEST(ReadNumber, ReadsNumbersInTheUsersForm)
{
    const struct {
        const char *name;
        std::string text;
        std::string_view separator;
        double expected;
    } cases[] = {
        {"blanks around", "  12  ", italian, 12},
        {"tabs around", "\t12\t", italian, 12},
        {"italian comma", "12,5", italian, 12.5},
        {"english point", "12.5", english, 12.5},
        {"minus sign", "-3,5", italian, -3.5},
        {"plus sign", "+3", italian, 3},
        {"no integer digits", ",5", italian, 0.5},
        {"no decimal digits", "5,", italian, 5},
        {"exponent", "1e3", english, 1000},
        {"exponent with sign and separator", "1,5E-3", italian, 0.0015},
        {"exponent with plus", "2e+2", english, 200},
        {"leading zeros", "007", english, 7},
        {"negative zero", "-0", english, -0.0},
        {"largest double", "1.7976931348623157e308", english, 1.7976931348623157e308},
        {"subnormal", "4e-320", english, 4e-320},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(read_number(c.text, c.separator), c.expected);
    }
}

TEST(ReadNumber, RejectsWhatIsNotANumber)
{
    const struct {
        const char *name;
        std::string text;
        std::string_view separator;
        Error_kind expected;
    } cases[] = {
        {"a single blank, as the fields start", " ", italian, Error_kind::type_mismatch},
        {"empty", "", italian, Error_kind::type_mismatch},
        {"a word", "dieci", italian, Error_kind::type_mismatch},
        // A point in an Italian field is a thousands separator: never read as 125.
        {"the other separator", "12.5", italian, Error_kind::type_mismatch},
        {"the other separator, english", "12,5", english, Error_kind::type_mismatch},
        {"thousands grouping", "1.234,5", italian, Error_kind::type_mismatch},
        {"blank grouping", "1 000", italian, Error_kind::type_mismatch},
        {"two separators", "1,2,3", italian, Error_kind::type_mismatch},
        {"infinity", "inf", english, Error_kind::type_mismatch},
        {"not a number", "nan", english, Error_kind::type_mismatch},
        {"hexadecimal", "0x1A", english, Error_kind::type_mismatch},
        {"currency", "5€", italian, Error_kind::type_mismatch},
        {"unit", "5 V", italian, Error_kind::type_mismatch},
        {"a letter after digits", "1a", italian, Error_kind::type_mismatch},
        {"sign only", "-", italian, Error_kind::type_mismatch},
        {"separator only", ",", italian, Error_kind::type_mismatch},
        {"two signs", "+-1", italian, Error_kind::type_mismatch},
        {"blank after sign", "- 5", italian, Error_kind::type_mismatch},
        {"exponent without digits", "1e", english, Error_kind::type_mismatch},
        {"exponent without mantissa", "e5", english, Error_kind::type_mismatch},
        {"fractional exponent", "1e2.5", english, Error_kind::type_mismatch},
        {"beyond the double range", "1e400", english, Error_kind::overflow},
        {"beyond the double range, negative", "-2e308", english, Error_kind::overflow},
        {"400 digits", std::string(400, '9'), english, Error_kind::overflow},
        {"too small to hold", "1e-400", english, Error_kind::overflow},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(error_of([&] { read_number(c.text, c.separator); }), c.expected);
    }
}

TEST(FormatPattern, RoundsToTwoDecimalsWithTheUsersSeparator)
{
    const struct {
        double value;
        const char *english_text;
        const char *italian_text;
    } cases[] = {
        {2.5, "2.50", "2,50"},
        {0.25, "0.25", "0,25"},
        {0.004, "0.00", "0,00"},
        {-2.5, "-2.50", "-2,50"},
        {2.999, "3.00", "3,00"},
        {6773.8441, "6773.84", "6773,84"},
        {1234567.891, "1234567.89", "1234567,89"},  // no grouping
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.english_text);
        EXPECT_EQ(format_pattern(c.value, "#0.00", english), c.english_text);
        EXPECT_EQ(format_pattern(c.value, "#0.00", italian), c.italian_text);
        // The extra '#' only allows integer digits that are written anyway.
        EXPECT_EQ(format_pattern(c.value, "##0.00", italian), c.italian_text);
    }
}

TEST(FormatPattern, WritesTheWholeDoubleRange)
{
    const std::string text = format_pattern(-1.7976931348623157e308, "#0.00", english);
    EXPECT_EQ(text.size(), 1 + 309 + 3);
    EXPECT_EQ(text.substr(0, 6), "-17976");
    EXPECT_EQ(text.substr(text.size() - 3), ".00");
}

TEST(SignedBlank, WritesABlankOrMinusAndTheShortestDigits)
{
    const struct {
        const char *text;
        std::string_view separator;
        const char *expected;
    } cases[] = {
        {"2,50", italian, " 2.5"},
        {"2.50", english, " 2.5"},
        {"12,5", italian, " 12.5"},
        {"3,00", italian, " 3"},
        {"0,25", italian, " .25"},
        {"0,00", italian, " 0"},
        {"-0,00", italian, " 0"},
        {"-2,50", italian, "-2.5"},
        {"-0,50", italian, "-.5"},
        {"1234567,89", italian, " 1234567.89"},
        {"100", english, " 100"},
        {"0.0001", english, " .0001"},
        {"123456789.123456789", english, " 123456789.123457"},  // 15 significant digits
        {"999999999999999", english, " 999999999999999"},
        {"1e15", english, " 1E+15"},
        {"-1.5e20", english, "-1.5E+20"},
        {"1.7976931348623157e308", english, " 1.79769313486232E+308"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(signed_blank(c.text, c.separator), c.expected);
    }
}

// What the user finally reads, in either locale.
TEST(ResultText, IsTheSameInEveryLocale)
{
    const struct {
        double value;
        const char *expected;
    } cases[] = {
        {2.5, " 2.5"},
        {3, " 3"},
        {0.25, " .25"},
        {0.004, " 0"},
        {-2.5, "-2.5"},
        {-0.5, "-.5"},
        {3 - 0.001, " 3"},
        {12.5, " 12.5"},
        {8.1035, " 8.1"},
        {-0.001, " 0"},  // rounds to zero: no minus sign before it
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        for (const auto separator : {italian, english})
            EXPECT_EQ(signed_blank(format_pattern(c.value, "#0.00", separator), separator), c.expected);
    }
}

} // namespace
