#include "waveform_diagram.h"

#include "filter.h"
#include "run_time_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr auto foreground = Plot_colour::foreground;
constexpr auto red = Plot_colour::red;

// The segments one press of "Calcola" draws after the axes.
std::vector<Plot_segment> diagram_for(double voltage, double current, double ripple,
                                      Mains_frequency frequency = Mains_frequency::hz_50)
{
    const Filter_result result = compute_filter({voltage, current, ripple, frequency}, ".");
    return waveform_segments(result.load_resistance, result.capacitance, voltage, frequency);
}

std::vector<Plot_segment> of_colour(const std::vector<Plot_segment> &segments, Plot_colour colour)
{
    std::vector<Plot_segment> chosen;
    std::ranges::copy_if(segments, std::back_inserter(chosen),
                         [&](const Plot_segment &segment) { return segment.colour == colour; });
    return chosen;
}

TEST(AxisSegments, AreTheTwoArrowsInOrder)
{
    const std::array<Plot_segment, 6> expected{{
        {100, 650, 1350, 650, foreground},
        {1300, 640, 1350, 650, foreground},
        {1300, 660, 1350, 650, foreground},
        {100, 650, 100, 300, foreground},
        {90, 340, 100, 300, foreground},
        {110, 340, 100, 300, foreground},
    }};
    EXPECT_EQ(axis_segments(), expected);
}

TEST(WaveformSegments, DrawTheWorkedExample)
{
    const auto segments = diagram_for(12, 1, 10);
    const auto wave = of_colour(segments, foreground);
    const auto curve = of_colour(segments, red);

    EXPECT_EQ(axis_segments().size() + wave.size(), 409u);
    EXPECT_EQ(curve.size(), 173u);
    EXPECT_EQ(curve.front(), (Plot_segment{400, 350, 403, 351, red}));
    // 102 steps of the curve cover the first half-wave from its crest to x 706.
    EXPECT_EQ(curve[101].x2, 706);
    EXPECT_EQ(curve[102], (Plot_segment{706, 368, 709, 369, red}));
    EXPECT_EQ(curve.back().x1, 916);

    // Both half-waves start on the axis; the second overlaps the end of the first.
    EXPECT_EQ(wave.front(), (Plot_segment{100, 650, 103, 646, foreground}));
    EXPECT_EQ(wave[202], (Plot_segment{703, 650, 706, 646, foreground}));
    EXPECT_EQ(wave[201].y2, 650);  // clamped: unclamped it would be 659
    EXPECT_EQ(wave.back().x2, 1306);
    // The crest is a pixel below the curve's start: sin(100 a) is a hair below 1.
    const auto highest = std::ranges::min(wave, {}, &Plot_segment::y2);
    EXPECT_EQ(highest.y2, 351);
}

TEST(WaveformSegments, StopTheCurveWhereTheNextHalfWaveCatchesUp)
{
    const struct {
        const char *name;
        double ripple;
        int last_red_x1;
    } cases[] = {
        {"1 %: the curve stays near the crest, up to just before x 1000", 1, 979},
        {"10 %", 10, 916},
        {"40 %: falls faster, stops earlier", 40, 826},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto curve = of_colour(diagram_for(12, 1, c.ripple), red);
        EXPECT_EQ(curve.back().x1, c.last_red_x1);
    }
}

// The base 2.718282 and the two time steps move a point of the curve by a
// pixel for a few ripples; these pin them.
TEST(WaveformSegments, FollowTheRoundedBaseAndEachFrequencysTimeStep)
{
    // With the exact e this segment would stay level at 366.
    EXPECT_EQ(of_colour(diagram_for(12, 1, 9.8), red)[92], (Plot_segment{676, 366, 679, 367, red}));

    EXPECT_EQ(of_colour(diagram_for(12, 1, 12.8, Mains_frequency::hz_50), red)[135],
              (Plot_segment{805, 381, 808, 381, red}));
    EXPECT_EQ(of_colour(diagram_for(12, 1, 12.8, Mains_frequency::hz_60), red)[135],
              (Plot_segment{805, 381, 808, 382, red}));
}

TEST(WaveformSegments, AtNinetyNinePercentTheCurveEndsNearTheAxisWithinTheFirstHalfWave)
{
    const auto curve = of_colour(diagram_for(12, 1, 99), red);
    EXPECT_EQ(curve.size(), 102u);
    EXPECT_EQ(curve.back().x2, 706);
    EXPECT_EQ(curve.back().y2, 647);
}

TEST(WaveformSegments, AreContinuousAndStayInTheDiagramExtent)
{
    for (const auto frequency : {Mains_frequency::hz_50, Mains_frequency::hz_60}) {
        for (const double ripple : {0.001, 1.0, 10.0, 40.0, 99.0, 99.999}) {
            SCOPED_TRACE(testing::Message() << ripple << " %, " << (frequency == Mains_frequency::hz_50 ? 50 : 60) << " Hz");
            const auto segments = diagram_for(12, 1, ripple, frequency);

            const auto curve = of_colour(segments, red);
            EXPECT_EQ(curve.front().x1, 400);
            EXPECT_EQ(curve.front().y1, 350);
            for (std::size_t i = 1; i < curve.size(); ++i) {
                EXPECT_EQ(curve[i].x1, curve[i - 1].x2);
                EXPECT_EQ(curve[i].y1, curve[i - 1].y2);
            }

            const auto wave = of_colour(segments, foreground);
            ASSERT_EQ(wave.size(), 202u + 201u);
            for (std::size_t i = 1; i < wave.size(); ++i) {
                if (i == 202)
                    continue;  // the second half-wave starts again from the axis
                EXPECT_EQ(wave[i].x1, wave[i - 1].x2);
                EXPECT_EQ(wave[i].y1, wave[i - 1].y2);
            }

            auto all = segments;
            const auto axes = axis_segments();
            all.insert(all.end(), axes.begin(), axes.end());
            for (const Plot_segment &s : all) {
                for (const auto &[x, y] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}}) {
                    EXPECT_GE(x, diagram_extent.left);
                    EXPECT_LE(x, diagram_extent.right);
                    EXPECT_GE(y, diagram_extent.top);
                    EXPECT_LE(y, diagram_extent.bottom);
                }
            }
        }
    }
}

TEST(WaveformSegments, DoNotDependOnVoltageOrCurrent)
{
    for (const double ripple : {1.0, 10.0, 40.0}) {
        const auto reference = diagram_for(12, 1, ripple);
        EXPECT_EQ(diagram_for(230, 0.05, ripple), reference);
        EXPECT_EQ(diagram_for(5, 20, ripple), reference);
        EXPECT_EQ(diagram_for(-12, 1, ripple), reference);
    }
}

TEST(WaveformSegments, ReportAHeightBeyondSixteenBitsAsOverflow)
{
    // A negative time constant makes the "discharge" grow: e^5 * 300 pixels
    // above the axis is far beyond -32768.
    try {
        waveform_segments(1, -1e-3, 12, Mains_frequency::hz_50);
        FAIL() << "no error";
    } catch (const Run_time_error &error) {
        EXPECT_EQ(error.kind(), Error_kind::overflow);
    }
}

} // namespace
