#include "portal/portal.h"

#include <iostream>

#include "geometry/game_rand.h"
#include "geometry/picture.h"

namespace {
bool touches(const SDL_FRect& e, const SDL_Rect& r) {
    const auto x = static_cast<float>(r.x);
    const auto y = static_cast<float>(r.y);
    const auto w = static_cast<float>(r.w);
    const auto h = static_cast<float>(r.h);
    return e.x - w <= x && x <= e.x + e.w && e.y - h <= y && y <= e.y + e.h;
}
} // namespace

Portal::Portal(DrawSurface& s, std::vector<std::string> paths, Point position)
    : surface(&s), endA{static_cast<float>(position.x), static_cast<float>(position.y), 100, 100},
      waitTimer(drawWait(showFrames)) {
    if (paths.empty()) {
        std::cout << "Error zero images to load..." << std::endl;
    }
    for (const std::string& path : paths) {
        loadLayer(path);
    }
}

int Portal::drawWait(int frames) {
    return frames * (gameRand() % 4) + 1;
}

void Portal::loadLayer(const std::string& path) {
    // A layer that does not load keeps its place and draws nothing.
    layers.push_back(loadPicture(surface->renderer(), path));
}

void Portal::drawPortal() {
    if (waitTimer >= 1) {
        --waitTimer;
        return;
    }
    if (remaining <= 0) {
        return;
    }
    // Without layers there is nothing to animate, but the showing still runs its course.
    if (!layers.empty()) {
        layerIndex = frameCounter % static_cast<int>(layers.size());
        SDL_Texture* layer = layers[static_cast<std::size_t>(layerIndex)];
        surface->fitScaleMode(layer);
        surface->copyEx(layer, endA, 0);
        surface->copyEx(layer, endB, 0);
    }
    ++frameCounter;
    --remaining;
    if (remaining == 0) {
        waitTimer = drawWait(showFrames);
    }
}

bool Portal::heroEnters(const SDL_Rect& ship, ExitPortal& exit) {
    if (cooldown >= 1) {
        --cooldown;
        return false;
    }
    if (disabled) {
        return false;
    }
    const SDL_FRect* far = touches(endA, ship) ? &endB : touches(endB, ship) ? &endA : nullptr;
    if (far == nullptr) {
        return false;
    }
    exit.x = static_cast<int>(far->x);
    exit.y = static_cast<int>(far->y);
    cooldown = teleportCooldown;
    disabled = true;
    return true;
}

void Portal::updatePortal() {
    disabled = !(waitTimer == 0 && remaining != 0 && cooldown == 0);
}

void Portal::setEnds(int xA, int yA, int xB, int yB) {
    endA.x = static_cast<float>(xA);
    endA.y = static_cast<float>(yA);
    endB.x = static_cast<float>(xB);
    endB.y = static_cast<float>(yB);
}

std::pair<int, int> Portal::pickIslandPair(int n) {
    const int a = gameRand() % n;
    return {a, a >= n - 1 ? a - 1 : a + 1};
}
