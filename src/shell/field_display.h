// A window of a given field size (a recording's), not full screen.
#pragma once

#include "shell/platform.h"

Display fieldDisplay(int width, int height);
