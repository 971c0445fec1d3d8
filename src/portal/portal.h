// A pair of linked doorways, each the same 90-layer animation: hidden for a
// random while, shown for 400 frames at two islands; while shown, a ship that
// touches one end is sent to the other.
#pragma once

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

#include "geometry/draw_surface.h"
#include "geometry/point.h"

// Where a teleport sends the ship: the far end's top-left corner.
struct ExitPortal {
    int x = 0;
    int y = 0;
};

class Portal {
  public:
    // The layers belong to the renderer and go when it is destroyed.
    Portal(DrawSurface& surface, std::vector<std::string> paths, Point position);

    void drawPortal();
    // True when the ship is to move; the target is then in exit.
    bool heroEnters(const SDL_Rect& ship, ExitPortal& exit);
    void updatePortal();
    void setEnds(int xA, int yA, int xB, int yB);
    void reopen() { remaining = showFrames; }
    int isOpen() const { return remaining; }
    static std::pair<int, int> pickIslandPair(int n);

    const SDL_FRect& getEndA() const { return endA; }
    const SDL_FRect& getEndB() const { return endB; }
    int getWaitTimer() const { return waitTimer; }
    int layerCount() const { return static_cast<int>(layers.size()); }

  private:
    void loadLayer(const std::string& path);
    static int drawWait(int showFrames);

    int showFrames = 400;
    int teleportCooldown = 60;
    DrawSurface* surface;
    SDL_FRect endA;
    SDL_FRect endB{100, 100, 100, 100};
    std::vector<SDL_Texture*> layers;
    int frameCounter = 0;
    int remaining = showFrames;
    int waitTimer;
    bool disabled = true;
    int cooldown = 0;
    int layerIndex = 0;
};
