#include "platform/own_program.h"

#include <cstdio>
#include <iostream>

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <unistd.h>

std::string ownProgram() {
    return "/proc/self/exe";
}

bool startAgain(const std::vector<std::string>& argv) {
    std::vector<std::string> words = argv;
    std::vector<char*> args;
    for (std::string& w : words) {
        args.push_back(w.data());
    }
    args.push_back(nullptr);
    std::cout.flush();
    std::fflush(nullptr);
    ::execv(ownProgram().c_str(), args.data());
    return false;
}

#elif defined(_WIN32)
#include <windows.h>

#include "geometry/utf8_path.h"

std::string ownProgram() {
    wchar_t path[32768];
    const DWORD n = GetModuleFileNameW(nullptr, path, 32768);
    return n == 0 || n == 32768 ? std::string() : utf8(std::filesystem::path(path));
}

// The new process is left running; this one ends as it would have.
bool startAgain(const std::vector<std::string>& argv) {
    const std::string program = ownProgram();
    if (program.empty()) {
        return false;
    }
    std::wstring line = GetCommandLineW();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    const std::wstring exe = fromUtf8(program).wstring();
    if (argv.empty() || !CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &child)) {
        return false;
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return true;
}

#elif defined(__EMSCRIPTEN__)
#include <emscripten.h>

// The page reloads once the game has ended and its files are stored, and starts it with these
// arguments, one a line (web/runs.js); 0 where it cannot.
EM_JS(int, pageStartsAgain, (const char* args),
      { return Module.vaStartAgain ? Module.vaStartAgain(UTF8ToString(args).split('\n')) : 0; });

// What the page's worker loads for a second instance of the game.
std::string ownProgram() {
    return "void-angler.js";
}

bool startAgain(const std::vector<std::string>& argv) {
    std::string lines;
    for (std::size_t i = 1; i < argv.size(); ++i) {
        lines += (i > 1 ? "\n" : "") + argv[i];
    }
    return pageStartsAgain(lines.c_str()) != 0;
}

#else

std::string ownProgram() {
    return {};
}

bool startAgain(const std::vector<std::string>&) {
    return false;
}

#endif

std::optional<ProgramResult> runProgram(const std::string& program,
                                        const std::vector<std::string>& args) {
    std::unique_ptr<ChildProgram> child = ChildProgram::start(program, args);
    if (!child) {
        return std::nullopt;
    }
    return child->wait();
}
