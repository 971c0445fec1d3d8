#include "portal/placement.h"

void placePortal(Portal& portal, Islands& islands, std::pair<int, int>& rndPortalIds) {
    const int n = islands.count();
    // One island would give the index -1, none a remainder by zero.
    if (n < 2) {
        return;
    }
    rndPortalIds = Portal::pickIslandPair(n);
    const SDL_Rect a = islands.pixelRectOf(rndPortalIds.first);
    const SDL_Rect b = islands.pixelRectOf(rndPortalIds.second);
    portal.setEnds(a.x, a.y, b.x, b.y);
}
