// What follows a run's last frame, in its window: the score, the table of ten for that kind of
// run, the run's check in its own process (polled each frame), and three initials where the
// score places, typed, chosen on a pad or tapped. Its entry is made once the check verifies the
// run, with those initials; then the player starts another run or quits.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/run_proof.h"
#include "app/score_book.h"
#include "platform/player_input.h"
#include "platform/run_end_screen.h"
#include "replay/arcade_run.h"

class RunEndPanel {
  public:
    enum class Leave { Stay, Again, Quit };

    // program: the game that checks the run (this one in play).
    RunEndPanel(ScoreBook book, std::string recording, ArcadeRun run, std::string today,
                std::string program);
    ~RunEndPanel();
    RunEndPanel(const RunEndPanel&) = delete;
    RunEndPanel& operator=(const RunEndPanel&) = delete;

    // Frame by frame until the player leaves; the entry is made before it returns.
    Leave show(RunEndScreen& screen);

    bool asksInitials() const { return places; }

  private:
    enum class Tap { None, Up, Down, Before, After, Accept, Again, Quit };

    void begin(int score, int level);
    void press(const PlayerInput& in, const RunEndScreen& screen);
    void key(int code);
    void act(Tap tap);
    void turnLetter(int by);
    void backspace();
    // Enters the run once it is verified and its initials are given (or never asked).
    void enterWhenReady(bool leaving);
    std::optional<ScoreTable> readTable();
    void addLine(std::string text, Tap tap = Tap::None);
    void build();

    ScoreBook book;
    std::string recording;
    std::string name;
    ArcadeRun run;
    std::string today;
    std::string program;
    std::unique_ptr<RunCheck> check;
    std::optional<RunProof> proof;
    ScoreEntry mine;
    std::vector<ScoreEntry> table;
    std::string tableNote;
    bool places = false;
    bool accepted = false;
    bool entered = false;
    std::string entryNote;
    std::string letters = "___";
    int place = 0;
    Leave leave = Leave::Stay;
    std::vector<std::string> lines;
    std::vector<Tap> taps;
    int highlight = -1;
};
