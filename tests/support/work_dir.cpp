#include "support/work_dir.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

#ifdef _WIN32
// No mkdtemp and no symbolic links for a plain user: a fresh folder with a copy of dat/.
WorkDir::WorkDir() : previous(fs::current_path()) {
    for (unsigned n = GetTickCount();; ++n) {
        dir = fs::temp_directory_path() /
              ("va-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n));
        if (fs::create_directory(dir)) {
            break;
        }
    }
    fs::copy(fs::path(VA_SOURCE_DIR) / "dat", dir / "dat", fs::copy_options::recursive);
    fs::current_path(dir);
}
#else
WorkDir::WorkDir() : previous(fs::current_path()) {
    std::string tmpl = (fs::temp_directory_path() / "va-test-XXXXXX").string();
    dir = mkdtemp(tmpl.data());
    fs::create_directory_symlink(fs::path(VA_SOURCE_DIR) / "dat", dir / "dat");
    fs::current_path(dir);
}
#endif

WorkDir::~WorkDir() {
    std::error_code ec;
    fs::current_path(previous, ec);
    fs::remove_all(dir, ec);
}
