// Every test binary runs SDL on its dummy video and audio drivers, also when
// started by hand; a driver named in the environment still wins.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {
void setDefault(const char* name, const char* value) {
#ifdef _WIN32
    if (std::getenv(name) == nullptr) {
        _putenv_s(name, value);
    }
#else
    setenv(name, value, 0);
#endif
}

#ifdef _WIN32
// Wine gives a program the prefix's own %APPDATA% whatever the caller set, so the suites' scratch
// settings folder (XDG_CONFIG_HOME, which Wine passes on) becomes it here, as it is on Linux. A
// Unix path is Wine's drive Z:. Set wide: the game reads it wide.
void scratchAppData() {
    const char* scratch = std::getenv("XDG_CONFIG_HOME");
    std::string path = scratch != nullptr && *scratch == '/' ? "Z:" : "";
    // Appended, not added: mingw's GCC 12 warns falsely (-Wrestrict) on "Z:" + a string.
    path.append(scratch != nullptr ? scratch : "");
    std::replace(path.begin(), path.end(), '/', '\\');
    if (!path.empty()) {
        _wputenv_s(L"APPDATA", std::filesystem::path(path).c_str());
    }
}
#endif

const bool dummyDrivers = [] {
#ifdef _WIN32
    scratchAppData();
#endif
    setDefault("SDL_VIDEODRIVER", "dummy");
    setDefault("SDL_AUDIODRIVER", "dummy");
    return true;
}();
} // namespace
