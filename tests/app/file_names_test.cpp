// Names outside ASCII: a file named by the player in UTF-8 (as SDL hands over argv on every
// system) is the file written and read, also on Windows, whose char names are ANSI.
#include "app/arguments.h"
#include "app/game_playback.h"
#include "app/recording_target.h"
#include "geometry/utf8_path.h"
#include "persist/game_state.h"
#include "replay/recording_writer.h"
#include "support/kit.h"

namespace fs = std::filesystem;

TEST(FileNamesTest, RecordingsAndSavesNamedInGreekAreWrittenAndReadByThatName) {
    WorkDir dir;
    const std::string written = "\xce\xba\xce\xb1\xcf\x84\xce\xb1\xce\xb3\xcf\x81\xce\xb1\xcf\x86"
                                "\xce\xae.rec"; // καταγραφή.rec
    { RecordingWriter(written).writeEnd(0); }
    EXPECT_EQ(readFile(fromUtf8(written)), "end 0\n");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 2) << "dat and the one file";

    const std::string stored = "\xcf\x80\xce\xbf\xce\xaf\xce\xbc\xce\xbd\xce\xb7.rec"; // ποίμνη.rec
    fs::copy_file(VA_SOURCE_DIR "/tests/replays/flock.rec", fromUtf8(stored));
    GamePlayback playback(stored, PlaybackMode::Check);
    EXPECT_EQ(playback.open(), std::nullopt);
    EXPECT_EQ(playback.header().width, 1024);

    const std::string saved = "\xce\xb1.txt"; // α.txt
    std::ofstream(fromUtf8(saved), std::ios::binary) << "fart_user_1_score=7\n";
    EXPECT_EQ(readWholeFile(saved), "fart_user_1_score=7\n");
}

// Where the game keeps its files in the player's own folder, a FILE given relative still
// names one in the folder the player started in; an absolute one stays as it is.
TEST(FileNamesTest, RelativeFilesAreTakenFromTheFolderThePlayerStartedIn) {
    const fs::path start = fs::absolute(fromUtf8("\xce\xb1\xcf\x81\xcf\x87\xce\xae")); // αρχή
    const std::string absolute = utf8(fs::absolute("x.rec"));
    Arguments args;
    args.record = "a.rec";
    args.replay = absolute;
    args.timedemo = "";
    args.verify = "c.rec";
    args.settings = "mine.txt";
    placeFilesIn(args, start);
    EXPECT_EQ(std::tie(args.record, args.replay, args.timedemo, args.verify, args.settings),
              std::tuple(utf8(start / "a.rec"), absolute, "", utf8(start / "c.rec"),
                         utf8(start / "mine.txt")));
    args.record = "sub/b.rec";
    placeFilesIn(args, {});
    EXPECT_EQ(args.record, "sub/b.rec") << "the game did not move";
}

// Every spelling by which the file system finds the save, a checkpoint or dat/ (on Windows any
// case and trailing dots) is refused as they are; where it finds another file, it is not.
TEST(FileNamesTest, ARecordingTargetIsComparedAsTheFileSystemComparesNames) {
    WorkDir dir;
    std::ofstream("game.txt") << "fart_user_1_score=1\n";
    std::ofstream("checkpoint1700000000.txt") << "fart_user_1_score=1\n";
    const std::tuple<std::string, std::string, std::string> spellings[] = {
        // the name, what shows whether the file system finds the file by it, the refusal
        {"GAME.TXT", "GAME.TXT", "that is the saved game"},
        {"game.txt.", "game.txt.", "that is the saved game"},
        {"CHECKPOINT1700000000.TXT", "CHECKPOINT1700000000.TXT", "that is a checkpoint"},
        {".GAME.TXT.TMP", "GAME.TXT", "the game saves through that file"},
        {"DAT/new.rec", "DAT", "that is in the game's data folder"},
        {"Dat./shot.wav", "Dat./shot.wav", "that is in the game's data folder"},
    };
    for (const auto& [name, probe, why] : spellings) {
        const std::string refusal = chooseRecordingTarget(name).refusal;
        EXPECT_EQ(refusal, fs::exists(fromUtf8(probe)) ? why : "") << name;
    }
}
