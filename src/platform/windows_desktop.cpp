#include "platform/windows_desktop.h"

#include <SDL.h>

#ifdef _WIN32
#include <windows.h>

#include "geometry/player_notice.h"

namespace {
// A double-clicked game owns its console alone and the console closes with it, so a notice
// also goes to a message box; never when the output goes anywhere but a console, where nobody
// could press its button.
bool aloneInConsole() {
    auto isConsole = [](DWORD which) { return GetFileType(GetStdHandle(which)) == FILE_TYPE_CHAR; };
    DWORD processes[2];
    return isConsole(STD_OUTPUT_HANDLE) && isConsole(STD_ERROR_HANDLE) &&
           GetConsoleProcessList(processes, 2) == 1;
}

void showNoticeBox(const std::string& text) {
    if (aloneInConsole()) {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Mogu Lira: Void-Angler", text.c_str(),
                                 nullptr);
    }
}

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
    setNoticeShower(showNoticeBox);
#endif
}
