// Splits a captured log into lines.
#pragma once

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

inline int countLines(const std::string& log, const std::string& line) {
    int n = 0;
    for (const std::string& l : logLines(log)) {
        n += l == line ? 1 : 0;
    }
    return n;
}
