#include "app/arguments.h"

#include "version.h"

#include <string_view>

#include "geometry/utf8_path.h"

namespace {

enum class Kind {
    Help,
    GameFlag, // the game's own: passed on to the game, kept in a recording
    Value,    // ours: -name=VALUE into `target`
    Display,  // ours, read by the game itself when it opens its window
    Arcade,   // ours: -arcade or -arcade=daily
    Scores,   // ours: -scores
};

struct KnownFlag {
    const char* name; // ending in '=' when it takes a value
    Kind kind;
    std::string Arguments::*target;
    const char* help; // nullptr: listed by the game's own help, not by ours
};

// Every argument the game knows. A new flag is one row here (and its own parser).
constexpr KnownFlag kKnownFlags[] = {
    {"-help", Kind::Help, nullptr, nullptr},
    {"-test", Kind::GameFlag, nullptr, nullptr},
    {"-run_lvl=", Kind::GameFlag, nullptr, nullptr},
    {"-demo_mode", Kind::GameFlag, nullptr, nullptr},
    {"-window=", Kind::Display, nullptr, "-window=WxH    play in a window on a field of W x H"},
    {"-scale=", Kind::Display, nullptr,
     "-scale=N       a field of the screen's size / N, N times larger"},
    {"-record=", Kind::Value, &Arguments::record,
     "-record=FILE   play and record the game to FILE"},
    {"-replay=", Kind::Value, &Arguments::replay,
     "-replay=FILE   watch a recording (P pauses, Escape ends)"},
    {"-timedemo=", Kind::Value, &Arguments::timedemo,
     "-timedemo=FILE play a recording as fast as possible and time it"},
    {"-verify=", Kind::Value, &Arguments::verify,
     "-verify=FILE   check a recording at full speed, drawing nothing"},
    {"-settings=", Kind::Value, &Arguments::settings,
     "-settings=FILE read and write the player's settings in FILE"},
    {"-arcade", Kind::Arcade, nullptr,
     "-arcade        a run of 9000 frames on a 1920 x 1080 field, for the table of scores"},
    {"-arcade=", Kind::Arcade, nullptr,
     "-arcade=daily  the day's run: every player starts on the same field"},
    {"-scores", Kind::Scores, nullptr,
     "-scores        list the tables of scores, each entry checked against its recording"},
};

const KnownFlag* find(std::string_view arg) {
    for (const KnownFlag& flag : kKnownFlags) {
        const std::string_view name = flag.name;
        const bool takesValue = name.back() == '=';
        if (takesValue ? arg.substr(0, name.size()) == name : arg == name) {
            return &flag;
        }
    }
    return nullptr;
}

} // namespace

Arguments examineArguments(int argc, char** argv, std::ostream& err) {
    Arguments args;
    std::vector<std::string> displayFlags;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const KnownFlag* flag = find(arg);
        if (flag != nullptr && flag->kind != Kind::Help && flag->kind != Kind::Arcade) {
            args.others.emplace_back(arg);
        }
        if (flag == nullptr) {
            err << "void-angler: unknown argument \"" << arg << "\" ignored (-help lists them)"
                << std::endl;
        } else if (flag->kind == Kind::Help) {
            args.help = true;
            args.game.gameFlags.emplace_back(arg);
        } else if (flag->kind == Kind::Scores) {
            args.scores = true;
        } else if (flag->kind == Kind::Arcade) {
            args.arcade = std::string(arg);
        } else if (flag->kind == Kind::Display) {
            displayFlags.emplace_back(arg);
        } else if (flag->kind == Kind::GameFlag) {
            args.game.gameFlags.emplace_back(arg);
        } else if (arg.size() == std::string_view(flag->name).size()) {
            // An unset shell variable: refused before anything starts.
            args.emptyValue = args.emptyValue.empty() ? std::string(arg) : args.emptyValue;
        } else {
            args.*(flag->target) = std::string(arg.substr(std::string_view(flag->name).size()));
        }
    }
    args.game.display = readDisplayOptions(displayFlags);
    args.game.helpExtras = helpExtras();
    return args;
}

void placeFilesIn(Arguments& args, const std::filesystem::path& folder) {
    for (std::string* file :
         {&args.record, &args.replay, &args.timedemo, &args.verify, &args.settings}) {
        if (!folder.empty() && !file->empty() && fromUtf8(*file).is_relative()) {
            *file = utf8(folder / fromUtf8(*file));
        }
    }
}

std::string helpExtras() {
    std::string text;
    for (const KnownFlag& flag : kKnownFlags) {
        if (flag.help != nullptr) {
            text += std::string(flag.help) + "\n";
        }
    }
    return text + "void-angler " + kGameVersion + "\n";
}
