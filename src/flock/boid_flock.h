// The boids (space fish): a small flock steering by cohesion, separation and alignment.
#pragma once

#include <SDL_render.h>

#include <cstddef>
#include <vector>

#include "geometry/draw_circle.h"

struct Boid {
    double x = 0.0;
    double y = 0.0;
    double vx = 0.0;
    double vy = 0.0;
};

class BoidFlock {
  public:
    // Draws four values per boid from the game's generator; never seeds it.
    BoidFlock();

    void updateBoids();
    // Steps the flock, then rings each boid in red, which stays set on the renderer.
    void drawBoids(DrawSurface& surface);

    Boid& getBoid(int i) { return boids[static_cast<std::size_t>(i)]; }
    const Boid& getBoid(int i) const { return boids[static_cast<std::size_t>(i)]; }
    int getVisualRange() const { return visualRange; }
    int count() const { return static_cast<int>(boids.size()); }
    void growVisualRange(int n) { visualRange += n; }
    void shrinkVisualRange(int n) { visualRange -= n; }

    static double distance(const Boid& a, const Boid& b);

    // The steps of updateBoids, in its order. b must be a boid of this flock: avoid tells
    // it apart from the others by identity.
    void attract(Boid& b) const;
    void avoid(Boid& b) const;
    void align(Boid& b) const;
    static void capSpeed(Boid& b);
    void applyBounds(Boid& b) const;

  private:
    std::vector<Boid> boids;
    CircleBatch circles;
    int areaWidth = 100;
    int areaHeight = 100;
    int boidCount = 5;
    int visualRange = 50;
};
