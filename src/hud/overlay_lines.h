// The ten debug lines, written from plain values the shell hands over.
#pragma once

#include <array>
#include <string>

struct BoidValues {
    double x = 0.0;
    double y = 0.0;
    double vx = 0.0;
    double vy = 0.0;
};

struct OverlayValues {
    BoidValues staticBoid; // the first item of the static set
    int visualRange = 0;
    std::array<BoidValues, 5> boids;
    float heroX = 0.0f;
    float heroY = 0.0f;
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    float momentum = 0.0f;
};

// Positions and boid velocities truncated toward zero; the ship's velocity with two decimals.
std::array<std::string, 10> overlayLines(const OverlayValues& v);
