// The two start-up checks of the island code; the second also yields the Liff seed pattern.
#pragma once

#include <vector>

#include "geometry/point.h"
#include "life/island.h"
#include "life/islands.h"

// Grows the test island (built from (5, 5)) by two points and prints it.
void islandCheck(Island& testIsland);
// Feeds the 35 seed cells to the islands store and to `cells`, defragments the
// store, logs each stage and returns `cells`.
std::vector<Point>& islandsCheck(Islands& islands, std::vector<Point>& cells);
