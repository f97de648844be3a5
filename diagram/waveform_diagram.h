#pragma once

#include "filter.h"

#include <array>
#include <vector>

// The diagram drawn under the controls: two axes with arrowheads, two
// rectified half-waves of the mains voltage, and in red the reservoir
// capacitor's voltage discharging from the first crest until the second
// half-wave catches up with it. Everything is in pixels of the window's
// client area, y growing downwards; the axes meet at (100, 650) and a crest
// stands 300 pixels above the time axis.

enum class Plot_colour {
    foreground,  // the surface's own drawing colour
    red,         // (255, 0, 0)
};

// One straight line of the diagram, between two whole pixels.
struct Plot_segment {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Plot_colour colour = Plot_colour::foreground;

    friend bool operator==(const Plot_segment &, const Plot_segment &) = default;
};

// A rectangle of whole pixels, edges included.
struct Plot_extent {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Every segment of every diagram lies in here: the arrowheads reach out to
// x 90 and y 660, the time axis to x 1350 and the voltage axis up to y 300.
inline constexpr Plot_extent diagram_extent{90, 300, 1350, 660};

// The time axis with its arrowhead, then the voltage axis with its own.
std::array<Plot_segment, 6> axis_segments();

// The two half-waves and the discharge curve, in drawing order. The curve
// depends only on R*C, which the ripple and the frequency decide; `dc_voltage`
// scales it and cancels out. The frequency picks the time step and must be
// the one the calculation used. Throws Run_time_error if R*C or the voltage
// make the discharge fault, which never happens for values compute_filter
// returned.
std::vector<Plot_segment> waveform_segments(double load_resistance, double capacitance,
                                            double dc_voltage, Mains_frequency frequency);
