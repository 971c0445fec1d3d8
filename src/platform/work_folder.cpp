#include "platform/work_folder.h"

#include <SDL_error.h>
#include <SDL_filesystem.h>
#include <SDL_stdinc.h>

#include <fstream>
#include <iostream>

#include "geometry/data_path.h"

namespace fs = std::filesystem;

bool canTakeNewFile(const fs::path& folder) {
    const fs::path probe = folder / ".void-angler-probe";
    bool taken = false;
    {
        std::ofstream out(probe, std::ios::binary);
        taken = out.is_open();
    }
    std::error_code ec;
    fs::remove(probe, ec);
    return taken;
}

namespace {
bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    // On Windows the library opens folders without the flag that lets it, so it cannot tell;
    // the resolved names can.
    auto resolved = [](const fs::path& p) {
        std::error_code error;
        const fs::path r = fs::weakly_canonical(p, error);
        return r.has_filename() ? r : r.parent_path();
    };
    return resolved(a) == resolved(b);
}
} // namespace

bool mustKeepFilesElsewhere(const fs::path& workDir, const fs::path& programDir,
                            bool (*canTake)(const fs::path&)) {
    return !programDir.empty() && sameFolder(workDir, programDir) && !canTake(workDir);
}

fs::path chooseWorkFolder() {
#ifdef _WIN32
    std::error_code ec;
    const fs::path workDir = fs::current_path(ec);
    char* base = SDL_GetBasePath();
    if (ec || base == nullptr) {
        SDL_free(base);
        return {};
    }
    const fs::path programDir = fromUtf8(base);
    SDL_free(base);
    if (!mustKeepFilesElsewhere(workDir, programDir)) {
        return {};
    }
    // The known folder SDL asks Windows for (the roaming application data), not a variable.
    char* own = SDL_GetPrefPath("", "void-angler");
    if (own == nullptr) {
        std::cerr << "the game's folder cannot take new files and there is no folder of your own: "
                  << SDL_GetError() << std::endl;
        return {};
    }
    const fs::path ownDir = fromUtf8(own);
    SDL_free(own);
    fs::current_path(ownDir, ec);
    if (ec) {
        std::cerr << "cannot enter " << utf8(ownDir) << ": " << ec.message() << std::endl;
        return {};
    }
    setDataFolder(programDir);
    std::cerr << "the game's folder cannot take new files; saves go to " << utf8(ownDir)
              << std::endl;
    return workDir;
#else
    return {};
#endif
}
