// This very program: run again as a child, to check a recording apart from the game that made
// it, or started afresh in this process's place.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/child_program.h"

// Runs `program` (ownProgram() for this one) with args and waits for it. Nothing where the
// platform starts no child or it failed to start.
std::optional<ProgramResult> runProgram(const std::string& program,
                                        const std::vector<std::string>& args);
std::string ownProgram();
// This program again with the same arguments (argv[0] first), in place of this process (or, on
// Windows, beside it as this one ends; in the page, after a reload). False where it could not:
// the caller then just ends.
bool startAgain(const std::vector<std::string>& argv);
