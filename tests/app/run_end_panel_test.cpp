// The panel after a run: initials by keys, pad and taps, its entry made only once the run's
// recording is verified by the game's own check, and none for a run that does not place or
// never ended.
#include "app/linked_game.h"
#include "app/run_end_panel.h"

#include <chrono>

namespace fs = std::filesystem;

namespace {

const std::string kRecording = "scores/arcade-2026-12-08-00001-0001.rec";

struct PanelFrame {
    std::vector<std::string> lines;
    const RunEndScreen& screen;
    bool has(const std::string& part) const {
        return std::ranges::any_of(lines, [&](auto& l) { return holds(l, part); });
    }
    // A finger's tap on the line that starts with `start`, found as a finger finds it.
    void tap(const std::string& start) const {
        for (int y = 0; y < kRunFieldHeight; ++y) {
            const int at = screen.lineAt(y);
            if (at >= 0 && lines[static_cast<std::size_t>(at)].starts_with(start)) {
                SDL_Event e{
                    .tfinger = {SDL_FINGERDOWN, 0, 1, 1, .5F, (y + .5F) / 1080, 0, 0, 1, 0}};
                SDL_PushEvent(&e);
                return;
            }
        }
        ADD_FAILURE() << "no line " << start;
    }
};

using Script = std::function<void(const PanelFrame&)>;

struct Ended {
    RunEndPanel::Leave leave = RunEndPanel::Leave::Stay;
    // Whether a panel frame asked for initials, and one found the entry in the table.
    bool asked = false, entered = false;
};

// A whole run played headless (Q at quitAt, 0: never), then the panel after it, `script` given
// each of its frames before it is shown; `entry` is looked for in the table on each.
Ended playRun(const Script& script, const std::string& entry, int quitAt = 0) {
    Ended out;
    fs::create_directories("scores");
    GameRecorder recorder(kRecording, {});
    recorder.recordRun(ArcadeRun{});
    EXPECT_EQ(recorder.start(), "");
    LinkedGame session{.args = {}, .quitAt = quitAt, .run = ArcadeRun{}, .draws = false};
    session.width = kRunFieldWidth, session.height = kRunFieldHeight;
    session.runEnded = [&](RunEndScreen& screen) {
        recorder.finish(EXIT_SUCCESS);
        RunEndPanel panel(ScoreBook("scores"), kRecording, ArcadeRun{}, "2026-12-08",
                          VA_GAME_PROGRAM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        screen.show = [&, show = screen.show](const std::vector<std::string>& lines, int hl) {
            const PanelFrame frame{lines, screen};
            const bool in = readFile("scores/scores.txt").find(entry) != std::string::npos;
            EXPECT_TRUE(!in || frame.has("Verified")) << "entered before it was verified";
            out.entered = out.entered || in;
            out.asked = out.asked || frame.has("Your initials");
            // A deadline, not a timing: the check takes about a second.
            if (std::chrono::steady_clock::now() > deadline) {
                HeadlessGame::pushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE);
            }
            show(lines, hl);
            script(frame);
        };
        out.leave = panel.show(screen);
    };
    EXPECT_EQ(session.play(recorder).first, 0);
    return out;
}

void pushKeys(std::initializer_list<SDL_Scancode> keys) {
    std::ranges::for_each(keys, [](SDL_Scancode k) { HeadlessGame::pushKey(SDL_KEYDOWN, k); });
}

// Keys typed while the check still runs beside the panel's frames: the initials wait for it.
// Backspace clears the second place's X (the third is still unset), so B and C follow A.
void typeInitials(const PanelFrame& f) {
    if (f.has("Your initials") && f.lines.at(1).starts_with("Checking")) {
        pushKeys({SDL_SCANCODE_A, SDL_SCANCODE_X, SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_B,
                  SDL_SCANCODE_C, SDL_SCANCODE_RETURN});
    }
    if (f.has("1. ABC\t")) {
        pushKeys({SDL_SCANCODE_Q});
    }
}
} // namespace

// The entry appears in the table only on a frame that shows the run verified, whatever chose
// the initials: the keyboard; a pad: up and down through the letters, right to the next place,
// A to accept, B to leave; taps on the drawn lines: the next letter, then accept (the next
// place, then the initials), then "another run".
TEST(RunEndPanelTest, KeysAPadOrTapsChooseInitialsEnteredOnlyOnceTheRunIsVerified) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    constexpr int U = SDL_CONTROLLER_BUTTON_DPAD_UP, D = SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    constexpr int R = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    const int presses[] = {U, U, R, U, R, D, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B};
    SDL_Joystick* pad = nullptr;
    std::size_t step = 0;
    const auto byPad = [&](const PanelFrame& f) {
        if (pad == nullptr) {
            pad = HeadlessGame::plugPad();
        } else if (step < 14 || (step < 16 && f.has("1. BAZ"))) {
            SDL_JoystickSetVirtualButton(pad, presses[step / 2], step % 2 == 0 ? 1 : 0);
            ++step;
        }
    };
    const auto byTaps = [&step](const PanelFrame& f) {
        if (step < 6 || f.has("1. AAA")) {
            f.tap(step >= 6 ? "Enter: another run" : step++ % 2 == 0 ? "  Up:" : "  Enter");
        }
    };
    for (const auto& [script, initials, leave] :
         {std::tuple(Script(byPad), "BAZ", RunEndPanel::Leave::Quit),
          std::tuple(Script(byTaps), "AAA", RunEndPanel::Leave::Again),
          std::tuple(Script(typeInitials), "ABC", RunEndPanel::Leave::Quit)}) {
        WorkDir dir;
        step = 0;
        const Ended end = playRun(script, std::string("initials=") + initials + " ");
        EXPECT_EQ(std::pair(end.leave, end.entered), std::pair(leave, true)) << initials;
        EXPECT_TRUE(readFile(kRecording).ends_with("\nend 9000\n")) << initials;
    }
    SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS);
}

// Below a full table: no initials asked and nothing entered. A run ended by Q before its end
// shows no panel and enters nothing.
TEST(RunEndPanelTest, NoInitialsBelowAFullTableAndNoPanelForARunQuitEarly) {
    WorkDir dir;
    fs::create_directories("scores");
    ScoreTable full;
    for (int i = 0; i < 10; ++i) {
        full.add({"ZZZ", 999999, 9, "2026-12-01", "arcade", kSimVersion,
                  "arcade-2026-12-01-0000" + std::to_string(i) + "-0001.rec"});
    }
    std::ofstream("scores/scores.txt", std::ios::binary) << full.text();
    Ended end = playRun(
        [](const PanelFrame& f) {
            if (f.has("Verified:")) {
                pushKeys({SDL_SCANCODE_Q});
            }
        },
        "---");
    EXPECT_EQ(std::pair(end.leave, end.asked), std::pair(RunEndPanel::Leave::Quit, false));
    EXPECT_EQ(readFile("scores/scores.txt"), full.text());

    fs::remove_all("scores");
    end = playRun([](const PanelFrame&) { ADD_FAILURE() << "a panel"; }, "", 40);
    EXPECT_FALSE(fs::exists("scores/scores.txt"));
    EXPECT_TRUE(readFile(kRecording).ends_with("\nend 40\n"));
}
