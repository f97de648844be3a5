#include "filter.h"

#include "checked_arithmetic.h"
#include "number_text.h"

#include <cmath>

namespace {

// A quarter period in milliseconds, as the sizing has always written it
// (4.1666, not 25/6: the results must not move).
double quarter_period_ms(Mains_frequency frequency)
{
    return frequency == Mains_frequency::hz_50 ? 5 : 4.1666;
}

constexpr double rounded_half_pi = 1.570796327;
constexpr double two_diode_drops = 1.46;  // volts lost in the two conducting bridge diodes
constexpr double rounded_sqrt2 = 1.4142;  // crest to RMS
constexpr double microfarads_per_farad = 1000000;

std::string shown(double value, std::string_view pattern, std::string_view decimal_separator)
{
    return signed_blank(format_pattern(value, pattern, decimal_separator), decimal_separator);
}

} // namespace

Filter_result compute_filter(const Filter_inputs &inputs, std::string_view decimal_separator)
{
    using namespace checked;
    Filter_result result;

    const double k = subtract(1, divide(inputs.ripple_percent, 100));
    result.ripple_factor = k;

    // The time from zero to k of the crest is arcsin(k), written as
    // arctan(k / sqrt(1 - k^2)); the radicand is built as -k*k + 1.
    const double s = square_root(add(multiply(-k, k), 1));
    const double phi = std::atan(divide(k, s));
    const double q = quarter_period_ms(inputs.frequency);
    result.discharge_time = divide(add(divide(multiply(phi, q), rounded_half_pi), q), 1000);

    result.load_resistance = divide(inputs.dc_voltage, inputs.load_current);
    result.capacitance =
        divide(result.discharge_time, multiply(-natural_log(k), result.load_resistance));
    result.capacitance_text =
        shown(multiply(result.capacitance, microfarads_per_farad), "#0.00", decimal_separator);

    result.secondary_voltage = divide(add(inputs.dc_voltage, two_diode_drops), rounded_sqrt2);
    result.secondary_text = shown(result.secondary_voltage, "##0.00", decimal_separator);
    return result;
}
