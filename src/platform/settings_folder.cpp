#include "platform/settings_folder.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace {
constexpr const char* kFolderName = "void-angler";

bool isSet(const char* value) {
    return value != nullptr && *value != '\0';
}
} // namespace

std::optional<fs::path> settingsFolderFrom(const char* configHome, const char* home) {
    if (isSet(configHome) && fs::path(configHome).is_absolute()) {
        return fs::path(configHome) / kFolderName;
    }
    if (isSet(home) && fs::path(home).is_absolute()) {
        return fs::path(home) / ".config" / kFolderName;
    }
    return std::nullopt;
}

std::optional<fs::path> settingsFolder() {
#if defined(__EMSCRIPTEN__)
    return fs::path(".");
#elif defined(_WIN32)
    // Read wide: the player's name in the path need not fit the ANSI code page.
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || *appData == L'\0' || !fs::path(appData).is_absolute()) {
        return std::nullopt;
    }
    return fs::path(appData) / kFolderName;
#else
    return settingsFolderFrom(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
#endif
}
