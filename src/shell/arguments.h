// The command line, examined whole before anything acts: the specified flags go on
// to the game, our own flags are collected here, and an argument nobody knows gets
// one line on standard error.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct Arguments {
    bool help = false;
    // The specified flags as given (-test, -run_lvl=n, -demo_mode), kept in a recording.
    std::vector<std::string> gameFlags;
    std::string record;
    std::string replay;
    std::string timedemo;
};

Arguments examineArguments(int argc, char** argv, std::ostream& err);
// Our own flags and the version, printed after the specified help lines.
void printHelpExtras(std::ostream& err);
