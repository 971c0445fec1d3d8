// This very program run again as a child process, to check a recording apart from the game that
// made it: its standard output dropped, its standard error kept, its exit status given.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ProgramResult {
    int status = 0;
    std::string err;
};

// Runs `program` (ownProgram() for this one) with args. Nothing where the platform starts no
// child (the page; Windows, for now) or it failed to start.
std::optional<ProgramResult> runProgram(const std::string& program,
                                        const std::vector<std::string>& args);
std::string ownProgram();
