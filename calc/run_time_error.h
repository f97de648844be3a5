#pragma once

#include <stdexcept>
#include <string_view>

// How a calculation failed. The window names the kind to the user, so the
// kinds are those a user can act on, not the processor's own flags.
enum class Error_kind {
    type_mismatch,     // a field holds something that is not a number
    division_by_zero,
    overflow,          // a result, or a number typed, beyond the double range
    invalid_argument,  // the square root of a negative, the logarithm of zero or less
};

std::string_view to_string(Error_kind kind);

// The one failure of the calculation and the diagram: it stops the command
// that raised it.
class Run_time_error : public std::runtime_error {
public:
    explicit Run_time_error(Error_kind kind);

    Error_kind kind() const noexcept { return kind_; }

private:
    Error_kind kind_;
};
