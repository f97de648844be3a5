#include "waveform_diagram.h"

#include "checked_arithmetic.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int time_axis_y = 650;
constexpr int amplitude = 300;          // pixels from the time axis to a crest
constexpr int x_step = 3;               // pixels per step
constexpr double angle_step = 3.1416 / 200;
constexpr int discharge_start_y = 350;  // the crest, where the capacitor starts to discharge
constexpr double discharge_base = 2.718282;

// 102 steps of the first half-wave's crest-to-end cover one quarter period.
double time_step(Mains_frequency frequency)
{
    return frequency == Mains_frequency::hz_50 ? 0.005 / 102 : 0.00416666666 / 102;
}

// The conversion to int drops the fraction towards zero. Sine of a finite
// angle times a constant cannot fault: no checks needed here.
int wave_height(double angle)
{
    return time_axis_y - static_cast<int>(std::sin(angle) * amplitude);
}

// 202 + 201 steps of the two half-waves, at most 102 + 99 of the discharge.
constexpr std::size_t most_waveform_segments = 202 + 201 + 102 + 99;

} // namespace

std::array<Plot_segment, 6> axis_segments()
{
    return {{
        {100, 650, 1350, 650},
        {1300, 640, 1350, 650},
        {1300, 660, 1350, 650},
        {100, 650, 100, 300},
        {90, 340, 100, 300},
        {110, 340, 100, 300},
    }};
}

std::vector<Plot_segment> waveform_segments(double load_resistance, double capacitance,
                                            double dc_voltage, Mains_frequency frequency)
{
    using namespace checked;
    const double time_constant = multiply(load_resistance, capacitance);
    const double dt = time_step(frequency);
    // The capacitor's voltage over the crest voltage, as a height.
    const auto discharge_height = [&](double t) -> int {
        const double fraction =
            divide(multiply(power(discharge_base, divide(-t, time_constant)), dc_voltage), dc_voltage);
        return to_int16(time_axis_y - std::trunc(multiply(fraction, amplitude)));
    };

    // Sized once for the longest diagram and cut to length at the end.
    std::vector<Plot_segment> segments(most_waveform_segments);
    Plot_segment *next = segments.data();

    int x1 = 100;
    int x2 = x1 + x_step;
    double angle = 0;
    int y1 = 0;
    int y2 = 0;
    double t = 0;
    int yd = discharge_start_y;

    // A half-wave starts on the axis; its first step is not clamped.
    const auto start_half_wave = [&] {
        angle = 0 + angle_step;
        y1 = time_axis_y;
        y2 = wave_height(angle);
        *next++ = {x1, y1, x2, y2, Plot_colour::foreground};
    };
    // 200 steps of the angle overshoot pi a little: the clamp keeps the end on the axis.
    const auto step_wave = [&] {
        x1 = x2;
        x2 = x1 + x_step;
        angle += angle_step;
        y1 = y2;
        y2 = std::min(wave_height(angle), time_axis_y);
        *next++ = {x1, y1, x2, y2, Plot_colour::foreground};
    };
    const auto step_discharge = [&] {
        t += dt;
        const int yn = discharge_height(t);
        *next++ = {x1, yd, x2, yn, Plot_colour::red};
        yd = yn;
    };

    // The first half-wave, discharging from its crest at x 400 to its end.
    start_half_wave();
    while (x1 <= 700) {
        step_wave();
        if (x1 >= 400)
            step_discharge();
    }

    // The second half-wave: the discharge goes on while the rising wave is
    // still on or below the curve (y grows downwards), until x 1000.
    start_half_wave();
    while (x1 <= 1300) {
        step_wave();
        if (yd <= y1 && x1 <= 1000)
            step_discharge();
    }
    segments.resize(next - segments.data());
    return segments;
}
