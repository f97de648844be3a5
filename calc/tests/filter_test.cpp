#include "filter.h"
#include "run_time_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

constexpr auto hz_50 = Mains_frequency::hz_50;
constexpr auto hz_60 = Mains_frequency::hz_60;

std::optional<Error_kind> error_of(const Filter_inputs &inputs)
{
    try {
        compute_filter(inputs, ",");
    } catch (const Run_time_error &error) {
        return error.kind();
    }
    return std::nullopt;
}

TEST(ComputeFilter, SizesTheCapacitorOfTheWorkedExample)
{
    const Filter_result result = compute_filter({12, 1, 10, hz_50}, ",");

    EXPECT_DOUBLE_EQ(result.ripple_factor, 0.9);
    // phi = asin(0.9) = 1.11977 rad; (1.11977 * 5 / 1.570796327 + 5) / 1000 = 8.5643 ms
    EXPECT_NEAR(result.discharge_time, 8.564337e-3, 1e-9);
    EXPECT_DOUBLE_EQ(result.load_resistance, 12);
    // 8.5643 ms / (-ln 0.9 * 12 ohm) = 6.7738 mF
    EXPECT_NEAR(result.capacitance, 6.773835e-3, 1e-9);
    // (12 + 1.46) / 1.4142
    EXPECT_NEAR(result.secondary_voltage, 9.517749, 1e-6);
}

TEST(ComputeFilter, ShowsTheResultsAsTheFieldsDo)
{
    const struct {
        const char *name;
        Filter_inputs inputs;
        const char *capacitance_text;
        const char *secondary_text;
    } cases[] = {
        {"12 V, 1 A, 10 %, 50 Hz", {12, 1, 10, hz_50}, " 6773.84", " 9.52"},
        {"12 V, 1 A, 10 %, 60 Hz", {12, 1, 10, hz_60}, " 5644.77", " 9.52"},
        // 8.1286 uF; (10 + 1.46) / 1.4142 = 8.1035, which the pattern makes 8.10
        {"10 V, 1 mA, 10 %, 50 Hz", {10, 0.001, 10, hz_50}, " 8.13", " 8.1"},
        {"10 V, 1 mA, 10 %, 60 Hz", {10, 0.001, 10, hz_60}, " 6.77", " 8.1"},
        // A negative voltage gives a negative resistance and capacitance: no error.
        {"-12 V, 1 A, 10 %, 50 Hz", {-12, 1, 10, hz_50}, "-6773.84", "-7.45"},
        {"12 V, -1 A, 10 %, 50 Hz", {12, -1, 10, hz_50}, "-6773.84", " 9.52"},
        // Just above no ripple the capacitor grows without bound: 83329.58 F.
        {"ripple 1e-6 %", {12, 1, 1e-6, hz_50}, " 83329581174.54", " 9.52"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto separator : {",", "."}) {
            const Filter_result result = compute_filter(c.inputs, separator);
            EXPECT_EQ(result.capacitance_text, c.capacitance_text);
            EXPECT_EQ(result.secondary_text, c.secondary_text);
        }
    }
}

TEST(ComputeFilter, SixtyHertzShortensTheDischargeByTheRatioOfQuarterPeriods)
{
    const Filter_result at_50 = compute_filter({12, 1, 10, hz_50}, ",");
    const Filter_result at_60 = compute_filter({12, 1, 10, hz_60}, ",");
    EXPECT_NEAR(at_60.discharge_time / at_50.discharge_time, 4.1666 / 5, 1e-12);
    EXPECT_NEAR(at_60.capacitance / at_50.capacitance, 4.1666 / 5, 1e-12);
    EXPECT_EQ(at_60.secondary_voltage, at_50.secondary_voltage);
}

TEST(ComputeFilter, TimeConstantDependsOnlyOnRippleAndFrequency)
{
    for (const auto frequency : {hz_50, hz_60}) {
        for (const double ripple : {1.0, 10.0, 40.0, 99.0}) {
            const Filter_result reference = compute_filter({12, 1, ripple, frequency}, ",");
            const double time_constant = reference.load_resistance * reference.capacitance;
            EXPECT_NEAR(time_constant, reference.discharge_time / -std::log(1 - ripple / 100), 1e-15);
            for (const auto &[voltage, current] : {std::pair{5.0, 0.1}, {230.0, 20.0}, {-3.0, 2.0}}) {
                const Filter_result other = compute_filter({voltage, current, ripple, frequency}, ",");
                EXPECT_NEAR(other.load_resistance * other.capacitance, time_constant, time_constant * 1e-14);
            }
        }
    }
}

TEST(ComputeFilter, FailsWithTheErrorOfTheFirstFaultingStep)
{
    const struct {
        const char *name;
        Filter_inputs inputs;
        Error_kind expected;
    } cases[] = {
        {"ripple 0: k / s with s = 0", {12, 1, 0, hz_50}, Error_kind::division_by_zero},
        {"ripple 100: ln 0", {12, 1, 100, hz_50}, Error_kind::invalid_argument},
        {"ripple 150: ln of a negative k", {12, 1, 150, hz_50}, Error_kind::invalid_argument},
        {"ripple just below 200", {12, 1, 199.9, hz_60}, Error_kind::invalid_argument},
        {"ripple 200: -1 / 0", {12, 1, 200, hz_50}, Error_kind::division_by_zero},
        {"ripple above 200: square root of a negative", {12, 1, 250, hz_50}, Error_kind::invalid_argument},
        {"ripple below 0: square root of a negative", {12, 1, -10, hz_50}, Error_kind::invalid_argument},
        {"current 0", {12, 0, 10, hz_50}, Error_kind::division_by_zero},
        {"current 0 and voltage 0: 0 / 0", {0, 0, 10, hz_50}, Error_kind::overflow},
        {"voltage 0: division by -ln(k) * 0", {0, 1, 10, hz_50}, Error_kind::division_by_zero},
        // Two faults: the load resistance (current 0) comes before the logarithm.
        {"current 0 and ripple 100", {12, 0, 100, hz_50}, Error_kind::division_by_zero},
        {"current 0 and ripple 0", {12, 0, 0, hz_50}, Error_kind::division_by_zero},
        {"load resistance beyond the double range", {1e308, 1e-308, 10, hz_50}, Error_kind::overflow},
        {"capacitance beyond the double range", {1e-300, 1, 1e-10, hz_50}, Error_kind::overflow},
        // 8.1e303 F is a double, 8.1e309 uF is not.
        {"microfarads beyond the double range", {1e-305, 1, 10, hz_50}, Error_kind::overflow},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(error_of(c.inputs), c.expected);
    }
}

} // namespace
