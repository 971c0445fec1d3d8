// Replays a recording headless (dummy drivers, software renderer) and checks every
// frame's state digest, the log, and a digest of the drawn frame every 7th frame and on
// each frame an input acts in. With --redigest it rewrites the digests instead, except in
// recordings made on Windows or in the browser (named windows-... or browser-...): those are
// evidence, so only their drawn frames and log are rewritten, and a changed state fails. With
// --pictures it keeps those frames as PNG (the stored games' tests, `make replays`, and a
// recording attached to a bug report, looked at frame by frame).
//   va_replay_check RECORDING [--redigest] [--pictures DIR]
#include <SDL_image.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "app/game_link.h"
#include "app/game_playback.h"
#include "geometry/calendar_clock.h"
#include "persist/game_state.h"
#include "platform/headless_screen.h"
#include "replay/state_digest.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kPictureStride = 7;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> logLines(const std::string& log) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A scratch folder holding the game's data, entered while the replay runs: a viewing
// writes no save, and nothing lands where the tool was started.
class ScratchFolder {
  public:
    ScratchFolder() : previous(fs::current_path()) {
        for (unsigned n = 0; !fs::create_directory(dir = fs::temp_directory_path() /
                                                         ("va-replay-" + std::to_string(n)));
             ++n) {
        }
        const fs::path data = fs::path(VA_SOURCE_DIR) / "dat";
        std::error_code linked;
        fs::create_directory_symlink(data, dir / "dat", linked);
        if (linked) { // no links for a plain Windows user
            fs::copy(data, dir / "dat", fs::copy_options::recursive);
        }
        fs::current_path(dir);
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::current_path(previous, ec);
        fs::remove_all(dir, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

  private:
    fs::path previous;
    fs::path dir;
};

// Standard output (the game's log, also what SDL's libraries print) into a file meanwhile.
class LogCapture {
  public:
    LogCapture() : file(std::fopen("stdout.log", "w+b")), saved(dup(fileno(stdout))) {
        std::fflush(stdout);
        dup2(fileno(file), fileno(stdout));
    }
    std::string finish() {
        std::cout.flush();
        std::fflush(stdout);
        dup2(saved, fileno(stdout));
        close(saved);
        std::fclose(file);
        return readFile("stdout.log");
    }

  private:
    FILE* file;
    int saved;
};

std::uint32_t pictureDigest(SDL_Surface* s) {
    Fnv h;
    for (int y = 0; y < s->h; ++y) {
        h.addBytes(static_cast<const Uint8*>(s->pixels) + y * s->pitch,
                   static_cast<std::size_t>(s->w) * 4);
    }
    return h.value();
}

std::map<std::uint32_t, std::uint32_t> readPictures(const fs::path& path) {
    std::map<std::uint32_t, std::uint32_t> digests;
    std::ifstream in(path);
    for (std::string word; in >> word;) {
        std::uint32_t digest = 0;
        in >> std::hex >> digest >> std::dec;
        digests[static_cast<std::uint32_t>(std::stoul(word))] = digest;
    }
    return digests;
}

// Made on another platform: replayed here to prove the simulation gives the same bits.
bool isForeign(const std::string& name) {
    return name.starts_with("windows-") || name.starts_with("browser-");
}

struct Options {
    fs::path recording;
    bool redigest = false;
    fs::path pictures; // where `make replays` keeps the expected frames as PNG
};

// After --redigest: the new digests in place of the old, or for a recording made elsewhere
// only the drawn frames and the log, its state unchanged.
int keepDigests(const Options& o, const fs::path& rewritten, const GamePlayback& playback,
                int status, const std::string& pictures, const std::string& log) {
    const std::string name = o.recording.stem().string();
    if (status != 0 && !isForeign(name)) {
        // Not played to its end (damaged, unreadable): the copy is half a recording.
        fs::remove(rewritten);
        std::cerr << name << ": not redigested (status " << status << "), left as it was"
                  << std::endl;
        return status;
    }
    if (isForeign(name)) {
        fs::remove(rewritten);
        if (playback.firstChange != 0 || status != 0) {
            std::cerr << name << ": recorded on another platform and never redigested, but "
                      << "frame " << playback.firstChange << " now differs (status " << status
                      << ")" << std::endl;
            return 1;
        }
    } else {
        fs::rename(rewritten, o.recording);
    }
    std::ofstream(fs::path(o.recording).replace_extension(".frames")) << pictures;
    std::ofstream(fs::path(o.recording).replace_extension(".log"), std::ios::binary) << log;
    std::cerr << name << ": "
              << (playback.firstChange == 0
                      ? std::string("digests unchanged")
                      : "first changed frame " + std::to_string(playback.firstChange))
              << std::endl;
    return status;
}

bool sameLog(const std::string& name, const std::string& recorded, const std::string& played) {
    const std::vector<std::string> want = logLines(recorded), got = logLines(played);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        if (i >= want.size() || i >= got.size() || want[i] != got[i]) {
            std::cerr << "replay " << name << ": log line " << i + 1 << " differs: \""
                      << (i < got.size() ? got[i] : "") << "\", recorded \""
                      << (i < want.size() ? want[i] : "") << "\"" << std::endl;
            return false;
        }
    }
    return true;
}

int check(const Options& o) {
    const std::string name = o.recording.stem().string();
    const fs::path picturesFile = fs::path(o.recording).replace_extension(".frames");
    const fs::path logFile = fs::path(o.recording).replace_extension(".log");
    const fs::path out = fs::current_path();
    fs::path rewritten = out / (name + ".rec.new");
    ScratchFolder work;

    GamePlayback playback(o.recording.string(),
                          o.redigest ? PlaybackMode::Redigest : PlaybackMode::Check);
    if (std::optional<int> status = playback.open()) {
        return *status;
    }
    std::optional<RecordingWriter> writer;
    if (o.redigest) {
        writer.emplace(rewritten.string());
        writer->writeHeader(playback.header());
        playback.rewrite = &*writer;
    }
    HeadlessScreen headless(playback.header().width, playback.header().height);
    SDL_Surface* screen = headless.pixels();

    const std::map<std::uint32_t, std::uint32_t> expected = readPictures(picturesFile);
    std::ostringstream pictures;
    int failures = 0;
    playback.afterFrame = [&](std::uint32_t frame, bool inputFrame) {
        if (frame % kPictureStride != 0 && !inputFrame) {
            return;
        }
        const std::uint32_t digest = pictureDigest(screen);
        char line[32];
        std::snprintf(line, sizeof line, "%u %08x\n", frame, digest);
        pictures << line;
        const std::string png = name + "-" + std::to_string(frame) + ".png";
        if (o.redigest && !o.pictures.empty()) {
            IMG_SavePNG(screen, (o.pictures / png).string().c_str());
        }
        const auto want = expected.find(frame);
        if (o.redigest || failures > 0 || (want != expected.end() && want->second == digest)) {
            return;
        }
        ++failures;
        const fs::path actual = out / ("actual-" + png);
        IMG_SavePNG(screen, actual.string().c_str());
        std::cerr << "replay " << name << ": frame " << frame << " is drawn differently; actual "
                  << actual.string() << ", expected "
                  << (o.pictures.empty() || !fs::exists(o.pictures / png)
                          ? std::string("(make replays keeps the expected frames)")
                          : (o.pictures / png).string())
                  << std::endl;
    };

    LogCapture capture;
    int status = 0;
    {
        std::optional<ProcessState> state;
        status = runLinked(
            playback, headless.platform(), [&]() -> ProcessState& { return state.emplace(); },
            recordedCommandLine(playback.header()));
    }
    const std::string log = capture.finish();
    setCalendarClock({});
    setSaveFileEdge({});
    if (o.redigest) {
        writer.reset();
        return keepDigests(o, rewritten, playback, status, pictures.str(), log);
    }
    if (status != 0) {
        std::cerr << "replay " << name << " failed (status " << status << ")" << std::endl;
        return status;
    }
    if (!sameLog(name, readFile(logFile), log)) {
        return 1;
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // SDL without a screen or a sound card, unless the environment names a driver.
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--redigest") {
            o.redigest = true;
        } else if (arg == "--pictures" && i + 1 < argc) {
            o.pictures = argv[++i];
        } else {
            o.recording = fs::absolute(arg);
        }
    }
    if (o.recording.empty()) {
        std::cerr << "usage: va_replay_check RECORDING [--redigest] [--pictures DIR]" << std::endl;
        return 2;
    }
    if (!o.pictures.empty()) {
        o.pictures = fs::absolute(o.pictures);
        fs::create_directories(o.pictures);
    }
    return check(o);
}
