#pragma once

#include <fstream>
#include <string>
#include <string_view>

// A memory figure of this process from /proc/self/status, in KiB: "VmRSS"
// for the resident set now, "VmHWM" for its peak.
inline long process_memory_kib(std::string_view figure)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(figure) && line.size() > figure.size() && line[figure.size()] == ':')
            return std::stol(line.substr(figure.size() + 1));
    return -1;
}
