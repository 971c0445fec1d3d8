#include "app/run_end_panel.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>

#include "geometry/utf8_path.h"
#include "replay/recording.h"

namespace {
constexpr char kUnset = '_';

std::string placeName(std::size_t n) {
    const char* tail = n % 10 == 1 && n != 11   ? "st"
                       : n % 10 == 2 && n != 12 ? "nd"
                       : n % 10 == 3 && n != 13 ? "rd"
                                                : "th";
    return std::to_string(n) + tail;
}
} // namespace

RunEndPanel::RunEndPanel(ScoreBook scores, std::string path, ArcadeRun kind, std::string day,
                         std::string checker)
    : book(std::move(scores)), recording(std::move(path)),
      name(utf8(fromUtf8(recording).filename())), run(std::move(kind)), today(std::move(day)),
      program(std::move(checker)) {}

RunEndPanel::~RunEndPanel() = default;

RunEndPanel::Leave RunEndPanel::show(RunEndScreen& screen) {
    begin(screen.score, screen.level);
    while (leave == Leave::Stay) {
        PlayerInput in;
        while (leave == Leave::Stay && screen.input->next(in)) {
            press(in, screen);
        }
        if (!proof) {
            proof = check->poll();
        }
        enterWhenReady(false);
        build();
        screen.show(lines, highlight);
    }
    // The check's last word is awaited: a verified run keeps its entry whenever the player goes.
    enterWhenReady(true);
    return leave;
}

void RunEndPanel::begin(int score, int level) {
    const bool daily = run.kind == ArcadeRun::Kind::Daily;
    mine = {"---",       score, level, daily ? run.date : today, daily ? "daily" : "arcade",
            kSimVersion, name};
    const std::optional<ScoreTable> all = readTable();
    places = !all || all->places(mine);
    accepted = !places;
    check = std::make_unique<RunCheck>(recording, program);
}

std::optional<ScoreTable> RunEndPanel::readTable() {
    std::string error;
    std::optional<ScoreTable> all = book.read(error);
    table = all ? all->table(mine.kind, mine.date) : std::vector<ScoreEntry>{};
    tableNote = all ? "" : "The table of scores is damaged (" + error + "): a new one begins";
    return all;
}

void RunEndPanel::press(const PlayerInput& in, const RunEndScreen& screen) {
    if (in.kind == PlayerInput::Kind::Quit) {
        leave = Leave::Quit;
    } else if (in.kind == PlayerInput::Kind::Key && in.down) {
        key(in.code);
    } else if (in.kind == PlayerInput::Kind::Mouse && in.down && in.code == SDL_BUTTON_LEFT) {
        const int line = screen.lineAt ? screen.lineAt(in.y) : -1;
        if (line >= 0 && static_cast<std::size_t>(line) < taps.size()) {
            act(taps[static_cast<std::size_t>(line)]);
        }
    }
}

void RunEndPanel::key(int code) {
    const bool typing = !accepted;
    if (typing && code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) {
        letters[static_cast<std::size_t>(place)] = static_cast<char>('A' + code - SDL_SCANCODE_A);
        place = std::min(place + 1, 2);
        return;
    }
    switch (code) {
    case SDL_SCANCODE_BACKSPACE:
        if (typing) {
            backspace();
        }
        break;
    case SDL_SCANCODE_UP:
        act(Tap::Up);
        break;
    case SDL_SCANCODE_DOWN:
        act(Tap::Down);
        break;
    case SDL_SCANCODE_LEFT:
        act(Tap::Before);
        break;
    case SDL_SCANCODE_RIGHT:
        act(Tap::After);
        break;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        act(typing ? Tap::Accept : Tap::Again);
        break;
    case SDL_SCANCODE_SPACE:
        act(typing ? Tap::None : Tap::Again);
        break;
    case SDL_SCANCODE_ESCAPE:
    case SDL_SCANCODE_AC_BACK:
        act(Tap::Quit);
        break;
    case SDL_SCANCODE_Q:
        act(typing ? Tap::None : Tap::Quit);
        break;
    default:
        break;
    }
}

void RunEndPanel::act(Tap tap) {
    const bool typing = !accepted;
    switch (tap) {
    case Tap::Up:
    case Tap::Down:
        if (typing) {
            turnLetter(tap == Tap::Up ? 1 : -1);
        }
        break;
    case Tap::Before:
    case Tap::After:
        place = std::clamp(place + (tap == Tap::After ? 1 : -1), 0, 2);
        break;
    case Tap::Accept:
        if (letters.find(kUnset) == std::string::npos) {
            accepted = true;
            mine.initials = letters;
        } else if (letters[static_cast<std::size_t>(place)] != kUnset) {
            place = std::min(place + 1, 2);
        }
        break;
    case Tap::Again:
        leave = Leave::Again;
        break;
    case Tap::Quit:
        leave = Leave::Quit;
        break;
    case Tap::None:
        break;
    }
}

// Up from the unset mark is A, down from it Z; the letters wrap.
void RunEndPanel::turnLetter(int by) {
    char& c = letters[static_cast<std::size_t>(place)];
    const int at = c == kUnset ? (by > 0 ? -1 : 26) : c - 'A';
    c = static_cast<char>('A' + (at + by + 26) % 26);
}

// Clears the letter here, or the one before when this one is unset.
void RunEndPanel::backspace() {
    if (letters[static_cast<std::size_t>(place)] == kUnset && place > 0) {
        --place;
    }
    letters[static_cast<std::size_t>(place)] = kUnset;
}

void RunEndPanel::enterWhenReady(bool leaving) {
    if (entered) {
        return;
    }
    if (leaving && !proof) {
        proof = check->wait();
    }
    if (!proof || !proof->verified || (!accepted && !leaving)) {
        return;
    }
    // Initials never given leave the run its place, under no one's name.
    ScoreEntry entry = mine;
    entry.score = proof->score;
    entry.level = proof->level;
    bool written = false;
    const bool placed = book.enter(entry, today, name, written);
    entered = true;
    entryNote = !placed   ? "It does not place."
                : written ? "Entered in the table of scores."
                          : "The table of scores could not be written.";
    std::cerr << "score " << entry.score << ", verified: "
              << (!placed   ? "it does not place"
                  : written ? "entered in the table of scores " + utf8(book.file())
                            : "the table of scores could not be written")
              << std::endl;
    readTable();
}

void RunEndPanel::addLine(std::string text, Tap tap) {
    lines.push_back(std::move(text));
    taps.push_back(tap);
}

void RunEndPanel::build() {
    lines.clear();
    taps.clear();
    highlight = -1;
    const bool daily = run.kind == ArcadeRun::Kind::Daily;
    addLine((daily ? "The daily run of " + run.date : std::string("The run")) + " is over: score " +
            std::to_string(mine.score) + " at level " + std::to_string(mine.level));
    addLine(!proof            ? "Checking its recording..."
            : proof->verified ? "Verified: its recording replays to score " +
                                    std::to_string(proof->score) + ". " + entryNote
                              : "Not verified, so no entry: " + proof->why);
    addLine("");
    if (!accepted) {
        std::size_t rank = 1;
        for (const ScoreEntry& e : table) {
            rank += e.score >= mine.score ? 1 : 0;
        }
        std::string shown;
        for (int i = 0; i < 3; ++i) {
            const char c = letters[static_cast<std::size_t>(i)];
            shown += i == place ? std::string("[") + c + "] " : std::string(" ") + c + "  ";
        }
        highlight = static_cast<int>(lines.size());
        addLine("It places " + placeName(rank) + ". Your initials:\t" + shown);
        addLine("  Up: the next letter", Tap::Up);
        addLine("  Down: the letter before", Tap::Down);
        addLine("  Left: the place before", Tap::Before);
        addLine("  Right: the place after", Tap::After);
        addLine("  Enter (pad: A): accept", Tap::Accept);
        addLine("");
    }
    addLine(daily ? "Daily run " + mine.date : "Runs");
    if (!tableNote.empty()) {
        addLine(tableNote);
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ScoreEntry& e = table[i];
        addLine("  " + std::to_string(i + 1) + ". " + e.initials + "\t" + std::to_string(e.score) +
                "\tlevel " + std::to_string(e.level) + "\t" + e.date +
                (e.recording == name ? "\t<- this run" : ""));
    }
    if (table.empty()) {
        addLine("  (none yet)");
    }
    addLine("");
    addLine("Enter: another run", Tap::Again);
    addLine("Escape: quit", Tap::Quit);
}
