// The command line, examined whole before anything acts: the game's own flags go on
// to the game, our own flags are collected here, and an argument nobody knows gets
// one line on standard error.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "game/command_line.h"

struct Arguments {
    bool help = false;
    // What the game reads at its start-up step; its own flags other than -help are
    // kept in a recording.
    CommandLine game;
    std::string record;
    std::string replay;
    std::string timedemo;
    std::string verify;
    // The player's settings file instead of the one in the settings folder.
    std::string settings;
    // -scores: list the tables of scores, each entry checked again.
    bool scores = false;
    // "-arcade", or "-arcade=KIND" as given (only "daily" plays).
    std::string arcade;
    // Every flag given other than -help and -arcade, in order: a run takes none of them.
    std::vector<std::string> others;
    // A -record=, -replay=, -timedemo= or -verify= given without its FILE: the first such.
    std::string emptyValue;
};

Arguments examineArguments(int argc, char** argv, std::ostream& err);
// A relative FILE of -record, -replay, -timedemo, -verify or -settings made to mean one in folder
// (where the player started, when the game keeps its own files elsewhere); an empty folder changes
// nothing.
void placeFilesIn(Arguments& args, const std::filesystem::path& folder);
// Our own flags and the version, printed after the game's own help lines.
std::string helpExtras();
