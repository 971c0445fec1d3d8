#include "shell/windows_desktop.h"

#include <SDL.h>

#ifdef _WIN32
#include <windows.h>

namespace {
// Runs on a thread of its own. A closed console ends the process as soon as this returns (and
// 5 seconds after the close at the latest), so it waits while the game saves; the game's exit
// ends the wait.
BOOL WINAPI onConsoleEvent(DWORD event) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    if (SDL_PushEvent(&quit) != 1) {
        // Still starting: nothing to save yet, so the system's own handling is right.
        return FALSE;
    }
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        Sleep(4500);
    }
    return TRUE;
}
} // namespace
#endif

void prepareWindowsDesktop() {
#ifdef _WIN32
    SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "permonitorv2");
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#endif
}
