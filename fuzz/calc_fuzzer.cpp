// Runs one press's worth of core work on arbitrary field texts: read the
// three fields, size the filter, render the texts, generate the diagram.
// Every input must end either in two result texts and a diagram, or in one
// of the four run-time errors: never in a crash, a sanitizer report, another
// exception, or a number read differently from what the text says.
//
// Input: one byte choosing the separator (bit 0: comma) and the frequency
// (bit 1: 60 Hz), then the voltage, current and ripple texts, one per line.
#include "filter.h"
#include "number_text.h"
#include "run_time_error.h"
#include "waveform_diagram.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// What the C library reads from the same text, once the separator is a
// point: a second opinion on every number read_number accepts.
void require_read_as_strtod_reads(std::string_view text, std::string_view separator, double value)
{
    std::string plain(text);
    const auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!plain.empty() && is_blank(plain.back()))
        plain.pop_back();
    if (const auto at = plain.find(separator); at != std::string::npos)
        plain.replace(at, separator.size(), ".");
    char *end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    require(end == plain.c_str() + plain.size());
    require(value == expected);
}

void require_result_text(const std::string &text)
{
    require(text.size() >= 2 && (text[0] == ' ' || text[0] == '-'));
    read_number(text, ".");  // results always read back with a point
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view separator = (data[0] & 1) ? "," : ".";
    const Mains_frequency frequency = (data[0] & 2) ? Mains_frequency::hz_60 : Mains_frequency::hz_50;

    std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
    std::array<std::string_view, 3> texts;
    for (std::string_view &text : texts) {
        const auto end = rest.find('\n');
        text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }

    try {
        std::array<double, 3> values{};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            values[i] = read_number(texts[i], separator);
            require_read_as_strtod_reads(texts[i], separator, values[i]);
        }
        const Filter_inputs inputs{values[0], values[1], values[2], frequency};
        const Filter_result result = compute_filter(inputs, separator);
        require_result_text(result.capacitance_text);
        require_result_text(result.secondary_text);

        // What the calculation accepted, the diagram draws without a fault.
        try {
            for (const Plot_segment &s :
                 waveform_segments(result.load_resistance, result.capacitance, inputs.dc_voltage, frequency)) {
                require(s.x1 >= diagram_extent.left && s.x2 <= diagram_extent.right);
                require(s.y1 >= diagram_extent.top && s.y1 <= diagram_extent.bottom);
                require(s.y2 >= diagram_extent.top && s.y2 <= diagram_extent.bottom);
            }
        } catch (const Run_time_error &) {
            require(false);
        }
    } catch (const Run_time_error &error) {
        const auto kind = error.kind();
        require(kind == Error_kind::type_mismatch || kind == Error_kind::division_by_zero ||
                kind == Error_kind::overflow || kind == Error_kind::invalid_argument);
    }
    return 0;
}
