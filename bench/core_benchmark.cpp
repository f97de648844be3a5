// The core work of one press of "Calcola" (calculation, texts, axes and
// diagram), and beside it a baseline that only makes the transcendental calls
// that work cannot avoid: the same sin, pow, sqrt, atan and log calls on the
// same arguments. Their ratio is the core's own overhead.
#include "filter.h"
#include "waveform_diagram.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

const Filter_inputs worked_example{12, 1, 10, Mains_frequency::hz_50};

void one_press(benchmark::State &state)
{
    const long before = allocations;
    for (auto _ : state) {
        const Filter_result result = compute_filter(worked_example, ",");
        const auto axes = axis_segments();
        const auto segments = waveform_segments(result.load_resistance, result.capacitance,
                                                worked_example.dc_voltage, worked_example.frequency);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(axes);
        benchmark::DoNotOptimize(segments.data());
    }
    state.counters["allocations_per_press"] =
        benchmark::Counter(double(allocations - before) / double(state.iterations()));
}
BENCHMARK(one_press);

void transcendental_baseline(benchmark::State &state)
{
    const Filter_result result = compute_filter(worked_example, ",");
    const double time_constant = result.load_resistance * result.capacitance;
    const double k = result.ripple_factor;
    const double angle_step = 3.1416 / 200;
    const double dt = 0.005 / 102;
    const int discharge_steps = 173;  // red segments of the worked example
    for (auto _ : state) {
        double sum = std::atan(k / std::sqrt(-k * k + 1)) + std::log(k);
        for (const int steps : {202, 201}) {
            double angle = 0;
            for (int i = 0; i < steps; ++i) {
                angle += angle_step;
                benchmark::DoNotOptimize(angle);
                sum += std::sin(angle);
            }
        }
        double t = 0;
        for (int i = 0; i < discharge_steps; ++i) {
            t += dt;
            benchmark::DoNotOptimize(t);
            sum += std::pow(2.718282, -t / time_constant);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(transcendental_baseline);

} // namespace

// Counts heap allocations, to show the diagram reserves its list once. The
// replacements pair new with malloc and delete with free by design.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void *operator new(std::size_t size)
{
    ++allocations;
    if (void *memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void *memory) noexcept
{
    std::free(memory);
}
void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}

BENCHMARK_MAIN();
