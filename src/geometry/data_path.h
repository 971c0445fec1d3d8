// Data files are named with backslashes (".\dat\x.png"); on disk they are "dat/x.png".
#pragma once

#include <string>
#include <string_view>

std::string dataPath(std::string_view name);
