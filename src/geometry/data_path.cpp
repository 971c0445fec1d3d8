#include "geometry/data_path.h"

#include <SDL_filesystem.h>
#include <SDL_stdinc.h>

#include <algorithm>
#include <iostream>

#include "geometry/player_notice.h"

namespace fs = std::filesystem;

namespace {
fs::path dataFolder;
} // namespace

std::string dataPath(std::string_view name) {
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.rfind("./", 0) == 0) {
        path.erase(0, 2);
    }
    return dataFolder.empty() ? path : utf8(dataFolder / fromUtf8(path));
}

void setDataFolder(const fs::path& folder) {
    dataFolder = folder;
}

void reportUnloaded(std::string_view path, std::string_view reason) {
    std::cerr << "cannot load " << path << " (" << reason << "); going on without it" << std::endl;
}

namespace {
constexpr const char* kStartAnywhere = "start the game from the folder that holds its dat/ folder";

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

std::string whereToStart(std::string_view path, const fs::path& workDir,
                         const fs::path& programDir) {
    std::error_code ec;
    if (programDir.empty()) {
        return kStartAnywhere;
    }
    const fs::path installed = programDir / ".." / ".." / "share" / "void-angler";
    if (fs::exists(installed / path, ec)) {
        return "start the game with the void-angler command, which runs it in your own data "
               "folder";
    }
    for (const fs::path& dir : {programDir, programDir / ".."}) {
        if (fs::exists(dir / path, ec) && !sameFolder(dir, workDir)) {
            return "start the game from " + utf8(fs::weakly_canonical(dir, ec)) +
                   ", which holds it";
        }
    }
    return kStartAnywhere;
}
} // namespace

std::string missingDataAdvice(std::string_view path, const fs::path& workDir,
                              const fs::path& programDir) {
    std::error_code ec;
    const fs::path folder = fs::path(path).parent_path();
    std::string what;
    if (!fs::is_directory(workDir / folder, ec)) {
        what = "there is no " + folder.string() + "/ folder in the working directory ";
    } else if (!fs::exists(workDir / path, ec)) {
        what = std::string(path) + " is missing from the working directory ";
    } else {
        what = std::string(path) + " does not load in the working directory ";
    }
    return "cannot start: " + what + utf8(workDir) + "; " + whereToStart(path, workDir, programDir);
}

void reportMissingData(std::string_view path) {
    std::error_code ec;
    const fs::path workDir = dataFolder.empty() ? fs::current_path(ec) : dataFolder;
    fs::path programDir;
    if (char* base = SDL_GetBasePath()) {
        programDir = fromUtf8(base);
        SDL_free(base);
    }
    tellPlayer(missingDataAdvice(path, workDir, programDir));
}
