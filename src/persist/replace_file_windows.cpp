#include "persist/replace_file_windows.h"

#include <windows.h>

#include <filesystem>

#include "geometry/utf8_path.h"

namespace {
bool writeAll(HANDLE file, const std::string& text) {
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        DWORD chunk = left > 1u << 30 ? 1u << 30 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, p, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        p += written;
        left -= written;
    }
    return true;
}

// A virus scanner or a sync tool may hold the old file for a moment: try again for about a
// second before giving up.
bool moveOver(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                          error == ERROR_ACCESS_DENIED;
        if (!busy || attempt == 20) {
            return false;
        }
        Sleep(50);
    }
}
} // namespace

bool replaceFileOnWindows(const std::string& target, const std::string& text) {
    namespace fs = std::filesystem;
    const fs::path path = fromUtf8(target);
    const fs::path dir = path.parent_path();
    // A fixed name: a stale one left by a crash is simply replaced.
    std::wstring name = L".";
    name += path.filename().wstring();
    name += L".tmp";
    const std::wstring tmp = (dir / name).wstring();
    // Binary: the file holds the same bytes as on every other system.
    HANDLE file = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool ok = writeAll(file, text) && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    ok = ok && moveOver(tmp, path.wstring());
    if (!ok) {
        DeleteFileW(tmp.c_str());
    }
    return ok;
}
