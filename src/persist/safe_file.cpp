#include "persist/safe_file.h"

#ifdef _WIN32
#include "persist/replace_file_windows.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <filesystem>

namespace {
#ifndef _WIN32

bool writeAll(int fd, const std::string& text) {
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Best effort: some file systems refuse fsync on a directory, and the rename is done.
void syncDirectory(const std::filesystem::path& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A link is followed to the file it names, so a game.txt linked elsewhere stays a link.
std::filesystem::path followLinks(std::filesystem::path path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        fs::path to = fs::read_symlink(path, ec);
        if (ec) {
            break;
        }
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return path;
}

// The platform's part: text to a temporary file beside target, flushed to disk, then
// renamed over target, so a crash leaves either the old file or the new one.
Written replaceFile(const std::filesystem::path& target, const std::string& text) {
    namespace fs = std::filesystem;
    fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    // A fixed name: a stale one left by a crash is simply replaced.
    fs::path tmp = dir / ("." + target.filename().string() + ".tmp");
    ::unlink(tmp.c_str());
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        // A folder that takes no new entries; anything else is a plain failure.
        return errno == EACCES || errno == EPERM ? Written::InPlace : Written::Failed;
    }
    struct stat old {};
    bool ok = true;
    if (::stat(target.c_str(), &old) == 0) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(fd, text) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return Written::Failed;
    }
    syncDirectory(dir);
    return Written::Replaced;
}

// The fallback for a writable file in a read-only folder: no crash safety, but saved.
bool writeInPlace(const std::filesystem::path& target, const std::string& text) {
    int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

#else

// Names stay UTF-8 strings here; the Windows calls widen them.
std::string followLinks(const std::string& path) {
    return path;
}

Written replaceFile(const std::string& target, const std::string& text) {
    return replaceFileOnWindows(target, text) ? Written::Replaced : Written::Failed;
}

bool writeInPlace(const std::string&, const std::string&) {
    return false;
}

#endif

} // namespace

bool writeFileSafely(const std::string& path, const std::string& text) {
    return replaceFile(followLinks(path), text) == Written::Replaced;
}

Written writeWholeFile(const std::string& name, const std::string& text) {
    const auto target = followLinks(name);
    const Written how = replaceFile(target, text);
    if (how == Written::InPlace) {
        return writeInPlace(target, text) ? Written::InPlace : Written::Failed;
    }
    return how;
}
