// Every test binary runs SDL on its dummy video and audio drivers, also when
// started by hand; a driver named in the environment still wins.
#include <cstdlib>

namespace {
const bool dummyDrivers = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();
} // namespace
