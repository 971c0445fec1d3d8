// A rock: a thirteen-point float outline that drifts a small step every frame
// and is pulled back into the field whenever it leaves.
#pragma once

#include <SDL_rect.h>

#include "geometry/rect.h"
#include "objects/space_item.h"

class SpaceJunk : public SpaceItem {
  public:
    static constexpr int kRockPoints = 13;

    SpaceJunk(int width, int height, int id, bool randomize);
    // The base starts afresh from the field size and id, so a copy's centre and
    // base polygon return to the defaults; the rock's own state is copied.
    SpaceJunk(const SpaceJunk& other);
    // Assignment copies everything: erasing from the middle of the rocks shifts
    // the later rocks by assignment, and they must keep their placement.
    SpaceJunk& operator=(const SpaceJunk&) = default;
    ~SpaceJunk() override = default;

    // Over the float outline; hides the base polygon's form.
    MinMaxCords getMinMaxCords();
    const SDL_Point* outlinePoints();

    void updateRock();
    void moveRock(float dx, float dy);
    void wrapRock();
    void fixLostRock();
    bool isOutOfBounds();

    SDL_FRect getFRect(bool inset);
    // A missile's box against the inset box. The rock keeps that box between
    // calls (a frame tests every missile against it) and rebuilds it after the
    // outline changes.
    bool hitBy(const SDL_FRect& box);
    // hitBy for a run of missiles (anything with getFRect()), in order: returns
    // the first that hits, or last. A frame's hit test is rocks x missiles.
    template <typename It> It firstHitBy(It first, It last) {
        if (first == last) {
            return last;
        }
        // A copy: the compiler may then keep it in registers across the calls.
        const SDL_FRect own = insetBox();
        for (; first != last; ++first) {
            if (overlaps(first->getFRect(), own)) {
                markHit();
                return first;
            }
        }
        return last;
    }
    // The bounds, box and hit test come from kept bounds, rebuilt after the rock's
    // own changes to the outline. Code that writes rockCords directly after the rock
    // was first asked must say so here.
    void outlineChanged() { boxStale = true; }
    void addVelocity(float v);

    void randomizeShape();
    void scaleBy(float f);
    void fitSize();
    void jitterShape();
    void closeShape();

    float getSpeed() const { return speed; }
    void addStepY(int n);

    // Deliberately not an override: through a SpaceItem& the base polygon prints.
    void printCords() const;

    float sizeDivisor = 0.75f;
    int rockPointCount = kRockPoints;
    SDL_FPoint rockCords[kRockPoints] = {{25, 10}, {20, 17}, {10, 24}, {4, 31},  {12, 38},
                                         {13, 45}, {20, 57}, {35, 43}, {43, 37}, {50, 29},
                                         {37, 21}, {30, 17}, {25, 10}};
    float driftAngle = 0.0f;
    float speed = 1.0f;
    float stepX = 0.0f;
    float stepY = 0.0f;
    bool hit = false;
    bool alive = true;
    SDL_Point intCords[kRockPoints] = {{1, 1}};

  private:
    void refreshBox();
    void mergeKeptBounds();
    // The kept inset box, with the records getFRect(true) would leave.
    const SDL_FRect& insetBox();
    void markHit() {
        alive = false;
        hit = true;
    }
    // rectsOverlap, inline for the hit test's inner loop: touching boxes overlap.
    static bool overlaps(const SDL_FRect& a, const SDL_FRect& b) {
        return a.x >= b.x - a.w && b.x + b.w >= a.x && a.y >= b.y - a.h && b.y + b.h >= a.y;
    }

    // The inset box and the bounds it came from, as getFRect(true) would build them
    // now; an index the bounds leave unset is -1.
    bool boxStale = true;
    SDL_FRect keptBox{};
    MinMaxCords keptBounds{};
};
