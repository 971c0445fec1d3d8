// The storage edge as a browser page uses it: checkpoints are reported, and a host that goes
// away mid-game gets the same save a quit writes.
#include "support/headless_game.h"

TEST(StorageTest, CheckpointIsReportedAndLeavingSavesLikeAQuit) {
    HeadlessGame h;
    std::function<void()> leaveSave;
    int written = 0, frame = 0;
    bool heldSaveWhileRunning = false;
    std::string savedOnLeave;
    // The per-frame sleep is the one place a test acts between the frames run() runs itself.
    const auto sleep = [&](Uint32 ms) {
        if (ms == 50) {
            return; // the start-up's slow random table
        }
        if (++frame == 1) {
            h.state->score = 7;
            h.state->level = 3;
            h.pressKey(SDL_SCANCODE_C);
        } else if (frame == 2) {
            heldSaveWhileRunning = static_cast<bool>(leaveSave);
            if (leaveSave) {
                leaveSave();
            }
            savedOnLeave = readFile(h.workDir.path() / "game.txt");
            h.pressKey(SDL_SCANCODE_Q);
        }
    };
    Storage storage{[&] { ++written; },
                    [&](std::function<void()> save) { leaveSave = std::move(save); }};
    Platform platform = HeadlessGame::platformOn(h.display, sleep);
    platform.storage = storage;
    h.game = std::make_unique<Game>(*h.state, std::move(platform));
    int status = -1;
    quietly([&] { status = h.game->run(CommandLine{}); });
    // One checkpoint, one report; after the quit there is no game left to save.
    EXPECT_EQ(std::tuple(status, written, heldSaveWhileRunning, static_cast<bool>(leaveSave)),
              std::tuple(0, 1, true, false));
    EXPECT_TRUE(holds(savedOnLeave, "fart_user_1_score=7\nfart_user_1_level=3\n"));
}
