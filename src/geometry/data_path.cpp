#include "geometry/data_path.h"

#include <algorithm>

std::string dataPath(std::string_view name) {
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.rfind("./", 0) == 0) {
        path.erase(0, 2);
    }
    return path;
}
