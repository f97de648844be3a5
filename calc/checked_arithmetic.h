#pragma once

#include "run_time_error.h"

#include <cmath>
#include <cstdint>
#include <limits>

// Floating-point steps that never let an infinity or a NaN pass silently:
// each one either returns a finite value or throws the Run_time_error the
// user is shown. The operands are always finite, because numbers come in
// through read_number and every step's result goes through these checks;
// so a non-finite result can only be an overflow, and the cases below are
// all the faults there are. (Sine and arctangent of a finite number cannot
// fail and need no check.)
namespace checked {

inline double finite(double value)
{
    if (!std::isfinite(value))
        throw Run_time_error(Error_kind::overflow);
    return value;
}

inline double add(double a, double b) { return finite(a + b); }
inline double subtract(double a, double b) { return finite(a - b); }
inline double multiply(double a, double b) { return finite(a * b); }

// Zero divided by zero is an invalid operation, reported like an overflow.
inline double divide(double dividend, double divisor)
{
    if (divisor == 0)
        throw Run_time_error(dividend == 0 ? Error_kind::overflow : Error_kind::division_by_zero);
    return finite(dividend / divisor);
}

inline double square_root(double x)
{
    if (x < 0)
        throw Run_time_error(Error_kind::invalid_argument);
    return std::sqrt(x);
}

inline double natural_log(double x)
{
    if (x <= 0)
        throw Run_time_error(Error_kind::invalid_argument);
    return std::log(x);
}

inline double power(double base, double exponent) { return finite(std::pow(base, exponent)); }

// A whole number into a 16-bit signed integer; out of its range is an
// overflow, never a wrapped value.
inline std::int16_t to_int16(double whole)
{
    if (!(whole >= std::numeric_limits<std::int16_t>::min() && whole <= std::numeric_limits<std::int16_t>::max()))
        throw Run_time_error(Error_kind::overflow);
    return static_cast<std::int16_t>(whole);
}

} // namespace checked
