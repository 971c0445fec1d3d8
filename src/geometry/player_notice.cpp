#include "geometry/player_notice.h"

#include <SDL_messagebox.h>

#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
bool aloneInConsole() {
#ifdef _WIN32
    auto isConsole = [](DWORD which) { return GetFileType(GetStdHandle(which)) == FILE_TYPE_CHAR; };
    DWORD processes[2];
    return isConsole(STD_OUTPUT_HANDLE) && isConsole(STD_ERROR_HANDLE) &&
           GetConsoleProcessList(processes, 2) == 1;
#else
    return false;
#endif
}
} // namespace

void tellPlayer(const std::string& text) {
    std::cerr << text << std::endl;
    if (aloneInConsole()) {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Mogu Lira: Void-Angler", text.c_str(),
                                 nullptr);
    }
}
