// A temporary working directory holding a "dat" link to the repository's data,
// entered for the lifetime of the object.
#pragma once

#include <filesystem>

class WorkDir {
  public:
    WorkDir();
    ~WorkDir();
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    const std::filesystem::path& path() const { return dir; }

  private:
    std::filesystem::path previous;
    std::filesystem::path dir;
};
