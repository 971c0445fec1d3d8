#include "support/work_dir.h"

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

WorkDir::WorkDir() : previous(fs::current_path()) {
    std::string tmpl = (fs::temp_directory_path() / "va-test-XXXXXX").string();
    dir = mkdtemp(tmpl.data());
    fs::create_directory_symlink(fs::path(VA_SOURCE_DIR) / "dat", dir / "dat");
    fs::current_path(dir);
}

WorkDir::~WorkDir() {
    std::error_code ec;
    fs::current_path(previous, ec);
    fs::remove_all(dir, ec);
}
