#include "run_time_error.h"

#include <string>

std::string_view to_string(Error_kind kind)
{
    switch (kind) {
    case Error_kind::type_mismatch: return "type mismatch";
    case Error_kind::division_by_zero: return "division by zero";
    case Error_kind::overflow: return "overflow";
    case Error_kind::invalid_argument: return "invalid argument";
    }
    return "unknown error";
}

Run_time_error::Run_time_error(Error_kind kind)
    : std::runtime_error(std::string(to_string(kind))), kind_(kind)
{
}
