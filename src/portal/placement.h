// Puts the portal's two ends at the top-left corners of a random pair of
// neighbouring islands.
#pragma once

#include <utility>

#include "life/islands.h"
#include "portal/portal.h"

// With fewer than two islands there is no pair: the portal stays where it is.
void placePortal(Portal& portal, Islands& islands, std::pair<int, int>& rndPortalIds);
