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
