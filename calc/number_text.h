#pragma once

#include <string>
#include <string_view>

// Conversions between the texts of the fields and numbers. The decimal
// separator is always passed in: it is the user's (a comma in Italy, a point
// in England) and never taken from the process-wide C locale.
//
// A result reaches its field in two stages,
//     signed_blank(format_pattern(value, pattern, separator), separator)
// and the second stage changes what the first wrote: " 8.1" for 8.10.

// Reads a field: blanks around an optional sign, digits with the decimal
// separator and an optional exponent. Anything else, an empty or blank text
// included, is a type mismatch; thousands separators, "inf", "nan" and
// hexadecimal are not numbers here. A number the double range cannot hold
// (beyond about 1.8e308, or so small it would read as zero) is an overflow.
// `decimal_separator` must not be empty.
double read_number(std::string_view text, std::string_view decimal_separator);

// Writes `value` by a pattern of the form "#0.00" or "##0.00": rounded to as
// many decimals as the pattern has zeros after its point, the integer part in
// full with at least one digit, no grouping, a minus sign when negative.
std::string format_pattern(double value, std::string_view pattern, std::string_view decimal_separator);

// Reads `text` back with read_number and writes it the way the fields show
// results: a blank or a minus sign in front, a point as separator whatever the
// locale, at most 15 significant digits with trailing zeros dropped, no 0
// before the point of a value between -1 and 1 (" .5"), and " 0" for zero.
// From 1e15 on the value is written with an exponent (" 1.5E+20").
std::string signed_blank(std::string_view text, std::string_view decimal_separator);
