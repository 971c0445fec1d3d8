// Splits a captured log into lines.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> logLines(const std::string& log) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

inline auto countLines(const std::string& log, const std::string& line) {
    return std::ranges::count(logLines(log), line);
}
