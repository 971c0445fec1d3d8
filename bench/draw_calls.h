// The benchmark's view of the game's SDL drawing calls. The benchmark binary is
// linked with --wrap for each call below, so every call the game makes passes
// through here: forwarded, forwarded and recorded, or dropped.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdio>

namespace drawcalls {

enum class Mode {
    Forward, // straight to SDL
    Record,  // to SDL, and appended to the recording
    Off,     // dropped: what is left is the game's own work
};

void setMode(Mode mode);
// Drops the recording and destroys the textures whose destruction it held back.
void clearRecording();
// Issues the recorded calls again, directly, with no game logic in between.
void replay(SDL_Renderer* renderer);
// The same, timing each kind of call, with the totals written to out.
void replayTimed(SDL_Renderer* renderer, std::FILE* out);
std::size_t recordedCalls();

} // namespace drawcalls

// The real SDL functions, reachable under --wrap.
extern "C" {
int __real_SDL_RenderClear(SDL_Renderer* renderer);
void __real_SDL_RenderPresent(SDL_Renderer* renderer);
int __real_SDL_SetRenderDrawColor(SDL_Renderer* renderer, Uint8 r, Uint8 g, Uint8 b, Uint8 a);
}
