#include "platform/child_program.h"

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

struct ChildProgram::Handles {
    pid_t pid = 0;
    int err = -1; // the read end of its standard error
};

std::unique_ptr<ChildProgram> ChildProgram::start(const std::string& program,
                                                  const std::vector<std::string>& args) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return nullptr;
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
    auto h = std::make_unique<Handles>();
    const int failed =
        posix_spawn(&h->pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (failed != 0) {
        ::close(pipeFds[0]);
        return nullptr;
    }
    h->err = pipeFds[0];
    return std::unique_ptr<ChildProgram>(new ChildProgram(std::move(h)));
}

ChildProgram::~ChildProgram() {
    if (!ended) {
        ::kill(handles->pid, SIGKILL);
        wait();
    }
}

bool ChildProgram::readSome(bool block) {
    char buf[4096];
    for (;;) {
        pollfd p{handles->err, POLLIN, 0};
        if (!block && ::poll(&p, 1, 0) == 0) {
            return false;
        }
        const ssize_t n = ::read(handles->err, buf, sizeof buf);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return true;
        }
        result.err.append(buf, static_cast<std::size_t>(n));
    }
}

ProgramResult ChildProgram::wait() {
    if (ended) {
        return result;
    }
    readSome(true);
    ::close(handles->err);
    int status = 0;
    while (::waitpid(handles->pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    ended = true;
    return result;
}

#elif defined(_WIN32)
#include <windows.h>

#include "geometry/utf8_path.h"

struct ChildProgram::Handles {
    HANDLE process = nullptr;
    HANDLE err = nullptr;
};

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

std::unique_ptr<ChildProgram> ChildProgram::start(const std::string& program,
                                                  const std::vector<std::string>& args) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (program.empty() || !CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        return nullptr;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul =
        CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    const std::wstring exe = fromUtf8(program).wstring();
    std::wstring line = quoted(exe);
    for (const std::string& a : args) {
        line += L" " + quoted(fromUtf8(a).wstring());
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = nul;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION child{};
    const BOOL started = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &child);
    CloseHandle(writeEnd);
    CloseHandle(nul);
    if (!started) {
        CloseHandle(readEnd);
        return nullptr;
    }
    CloseHandle(child.hThread);
    auto h = std::make_unique<Handles>();
    h->process = child.hProcess;
    h->err = readEnd;
    return std::unique_ptr<ChildProgram>(new ChildProgram(std::move(h)));
}

ChildProgram::~ChildProgram() {
    if (!ended) {
        TerminateProcess(handles->process, 1);
        wait();
    }
}

bool ChildProgram::readSome(bool block) {
    char buf[4096];
    for (;;) {
        DWORD waiting = 0;
        if (!PeekNamedPipe(handles->err, nullptr, 0, nullptr, &waiting, nullptr)) {
            return true; // its end is closed
        }
        if (waiting == 0 && !block) {
            return false;
        }
        DWORD got = 0;
        if (!ReadFile(handles->err, buf, sizeof buf, &got, nullptr) || got == 0) {
            return true;
        }
        result.err.append(buf, got);
    }
}

ProgramResult ChildProgram::wait() {
    if (ended) {
        return result;
    }
    readSome(true);
    CloseHandle(handles->err);
    WaitForSingleObject(handles->process, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(handles->process, &code);
    CloseHandle(handles->process);
    // The C runtime writes its lines with CR LF.
    std::erase(result.err, '\r');
    result.status = static_cast<int>(code);
    ended = true;
    return result;
}

#elif defined(__EMSCRIPTEN__)
#include <emscripten.h>

// The page runs the child in a worker with a second instance of this module (web/runs.js): it
// gives a number for it, or 0 where it cannot. The arguments go one a line: the page's own
// paths hold no line break.
EM_JS(int, pageStartChild, (const char* args),
      { return Module.vaStartChild ? Module.vaStartChild(UTF8ToString(args).split('\n')) : 0; });
// -1 while it runs, then its exit status.
EM_JS(int, pageChildStatus, (int id), { return Module.vaChildStatus(id); });
EM_JS(int, pageChildErrLength, (int id), { return lengthBytesUTF8(Module.vaChildErr(id)); });
EM_JS(void, pageChildErr, (int id, char* to, int size),
      { stringToUTF8(Module.vaChildErr(id), to, size); });
EM_JS(void, pageEndChild, (int id), { Module.vaEndChild(id); });

struct ChildProgram::Handles {
    int id = 0;
};

std::unique_ptr<ChildProgram> ChildProgram::start(const std::string&,
                                                  const std::vector<std::string>& args) {
    std::string lines;
    for (const std::string& a : args) {
        lines += (lines.empty() ? "" : "\n") + a;
    }
    auto h = std::make_unique<Handles>();
    h->id = pageStartChild(lines.c_str());
    if (h->id == 0) {
        return nullptr;
    }
    return std::unique_ptr<ChildProgram>(new ChildProgram(std::move(h)));
}

ChildProgram::~ChildProgram() {
    pageEndChild(handles->id);
}

bool ChildProgram::readSome(bool block) {
    // The page's one thread hands over to the worker's messages only while this sleeps.
    while (block && pageChildStatus(handles->id) < 0) {
        emscripten_sleep(10);
    }
    return pageChildStatus(handles->id) >= 0;
}

ProgramResult ChildProgram::wait() {
    if (ended) {
        return result;
    }
    readSome(true);
    std::string err(static_cast<std::size_t>(pageChildErrLength(handles->id)) + 1, '\0');
    pageChildErr(handles->id, err.data(), static_cast<int>(err.size()));
    err.pop_back();
    result.err = err;
    result.status = pageChildStatus(handles->id);
    ended = true;
    return result;
}

#else

struct ChildProgram::Handles {};

std::unique_ptr<ChildProgram> ChildProgram::start(const std::string&,
                                                  const std::vector<std::string>&) {
    return nullptr;
}

ChildProgram::~ChildProgram() = default;

bool ChildProgram::readSome(bool) {
    return true;
}

ProgramResult ChildProgram::wait() {
    return result;
}

#endif

ChildProgram::ChildProgram(std::unique_ptr<Handles> h) : handles(std::move(h)) {}

std::optional<ProgramResult> ChildProgram::poll() {
    if (!ended && readSome(false)) {
        return wait();
    }
    return ended ? std::optional(result) : std::nullopt;
}
