// Whether a run's recording proves its entry: it keeps a run's rules (the run line of its kind
// and date, the 1920 x 1080 field, no saved game, no flag, the rules of this game) and replays in
// sync to its end at frame 9000, in a process of its own, to the entry's score and level.
#pragma once

#include <string>

#include "app/score_table.h"
#include "replay/arcade_run.h"

struct RunProof {
    bool verified = false;
    // Why not, in a few words.
    std::string why;
    int score = 0;
    int level = 0;
    // The kind of run its header says it is.
    ArcadeRun run;
};

// program: the game to check it with (this one in play).
RunProof proveRun(const std::string& recording, const ScoreEntry& entry,
                  const std::string& program);
// The score and level of a run's recording, checked as above but against no entry yet.
RunProof checkRun(const std::string& recording, const std::string& program);
