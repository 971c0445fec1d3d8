// Every test binary runs SDL on its dummy video and audio drivers, also when
// started by hand; a driver named in the environment still wins.
#include <cstdlib>

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

const bool dummyDrivers = [] {
    setDefault("SDL_VIDEODRIVER", "dummy");
    setDefault("SDL_AUDIODRIVER", "dummy");
    return true;
}();
} // namespace
