// What the suites share: gtest, the standard headers they lean on, the game's clock and
// generator, a software canvas, a scratch working directory and the log helpers.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "geometry/calendar_clock.h"
#include "geometry/game_rand.h"
#include "support/canvas.h"
#include "support/log_lines.h"
#include "support/work_dir.h"
