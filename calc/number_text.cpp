#include "number_text.h"

#include "run_time_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trim_blanks(std::string_view text)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Up to 309 integer digits, a sign and a point, then the decimals.
constexpr int fixed_width_without_decimals = std::numeric_limits<double>::max_exponent10 + 4;
constexpr int most_decimals = 15;

} // namespace

double read_number(std::string_view text, std::string_view decimal_separator)
{
    text = trim_blanks(text);

    // Check the form and rewrite the number with a point, as std::from_chars
    // reads it: [sign] digits [separator digits] [e [sign] digits].
    std::string plain;
    plain.reserve(text.size() + 1);
    std::size_t at = 0;
    const auto copy_digits = [&] {
        const std::size_t start = at;
        while (at < text.size() && is_digit(text[at]))
            plain += text[at++];
        return at - start;
    };
    const auto type_mismatch = [] { return Run_time_error(Error_kind::type_mismatch); };

    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-')
            plain += '-';
        ++at;
    }
    std::size_t mantissa_digits = copy_digits();
    if (text.substr(at).starts_with(decimal_separator)) {
        plain += '.';
        at += decimal_separator.size();
        mantissa_digits += copy_digits();
    }
    if (mantissa_digits == 0)
        throw type_mismatch();
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        plain += 'e';
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            plain += text[at++];
        if (copy_digits() == 0)
            throw type_mismatch();
    }
    if (at != text.size())
        throw type_mismatch();

    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range)
        throw Run_time_error(Error_kind::overflow);
    if (error != std::errc{} || end != plain.data() + plain.size())
        throw type_mismatch();
    return value;
}

std::string format_pattern(double value, std::string_view pattern, std::string_view decimal_separator)
{
    const auto point = pattern.find('.');
    const std::string_view integer_places = pattern.substr(0, point);
    const std::string_view decimal_places = point == std::string_view::npos ? "" : pattern.substr(point + 1);
    const bool supported = integer_places.ends_with('0') && decimal_places.size() <= most_decimals
        && std::all_of(integer_places.begin(), integer_places.end() - 1, [](char c) { return c == '#'; })
        && std::all_of(decimal_places.begin(), decimal_places.end(), [](char c) { return c == '0'; });
    if (!supported)
        throw std::invalid_argument("unsupported number pattern");

    const int decimals = static_cast<int>(decimal_places.size());
    // Wide enough for any double at that many decimals.
    std::array<char, fixed_width_without_decimals + most_decimals> written;
    char *end =
        std::to_chars(written.data(), written.data() + written.size(), value, std::chars_format::fixed, decimals).ptr;
    std::string text(written.data(), end);

    if (const auto at = text.find('.'); at != std::string::npos)
        text.replace(at, 1, decimal_separator);
    return text;
}

std::string signed_blank(std::string_view text, std::string_view decimal_separator)
{
    const double value = read_number(text, decimal_separator);
    if (value == 0)  // negative zero too
        return " 0";

    // 15 significant digits as d.dddddddddddddde±x; then drop trailing zeros.
    constexpr int significant_digits = 15;
    std::array<char, 32> scientific{};
    const auto [end, error] = std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                                            std::fabs(value), std::chars_format::scientific,
                                            significant_digits - 1);
    const std::string_view written(scientific.data(), end - scientific.data());
    const auto e = written.find('e');
    std::string digits;
    digits += written.front();
    digits += written.substr(2, e - 2);
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    std::from_chars(written.data() + e + 1 + (written[e + 1] == '+'), end, exponent);

    std::string shown(1, value < 0 ? '-' : ' ');
    if (exponent >= significant_digits) {
        shown += digits.front();
        if (digits.size() > 1)
            shown += '.' + digits.substr(1);
        shown += "E+" + std::to_string(exponent);
    } else if (exponent >= 0) {
        const std::size_t integer_digits = exponent + 1;
        if (digits.size() <= integer_digits)
            shown += digits + std::string(integer_digits - digits.size(), '0');
        else
            shown += digits.substr(0, integer_digits) + '.' + digits.substr(integer_digits);
    } else {
        shown += '.' + std::string(-exponent - 1, '0') + digits;
    }
    return shown;
}
