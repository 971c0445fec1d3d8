#include "platform/own_program.h"

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace {
// Reads the child's standard error to its end, so a long one never blocks it.
std::string readAll(int fd) {
    std::string text;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return text;
        }
        text.append(buf, static_cast<std::size_t>(n));
    }
}
} // namespace

std::string ownProgram() {
    return "/proc/self/exe";
}

std::optional<ProgramResult> runProgram(const std::string& program,
                                        const std::vector<std::string>& args) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    std::vector<std::string> words{"void-angler"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (failed != 0) {
        ::close(pipeFds[0]);
        return std::nullopt;
    }
    ProgramResult result{0, readAll(pipeFds[0])};
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

#elif defined(_WIN32)
#include <windows.h>

#include "geometry/utf8_path.h"

namespace {
// One argument as the C runtime splits a command line: quoted, its quotes and the backslashes
// before them doubled.
std::wstring quoted(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t slashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
        } else {
            out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
            slashes = 0;
        }
        out += c;
    }
    return out.append(slashes, L'\\') + L"\"";
}
} // namespace

std::string ownProgram() {
    wchar_t path[32768];
    const DWORD n = GetModuleFileNameW(nullptr, path, 32768);
    return n == 0 || n == 32768 ? std::string() : utf8(std::filesystem::path(path));
}

std::optional<ProgramResult> runProgram(const std::string& program,
                                        const std::vector<std::string>& args) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (program.empty() || !CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        return std::nullopt;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul =
        CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    const std::wstring exe = fromUtf8(program).wstring();
    std::wstring line = quoted(exe);
    for (const std::string& a : args) {
        line += L" " + quoted(fromUtf8(a).wstring());
    }
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = nul;
    start.hStdError = writeEnd;
    PROCESS_INFORMATION child{};
    const BOOL started = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &start, &child);
    CloseHandle(writeEnd);
    CloseHandle(nul);
    if (!started) {
        CloseHandle(readEnd);
        return std::nullopt;
    }
    ProgramResult result;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buf, sizeof buf, &got, nullptr) && got > 0) {
        result.err.append(buf, got);
    }
    CloseHandle(readEnd);
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    // The C runtime writes its lines with CR LF.
    std::erase(result.err, '\r');
    result.status = static_cast<int>(code);
    return result;
}

#else

std::string ownProgram() {
    return {};
}

std::optional<ProgramResult> runProgram(const std::string&, const std::vector<std::string>&) {
    return std::nullopt;
}

#endif
