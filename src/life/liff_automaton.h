// A bounded two-state automaton with the birth and survival rules of Conway's
// Game of Life; cells outside the grid count as dead.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/point.h"

class LiffAutomaton {
  public:
    // Both at least 2. Reseeds the game's generator from the clock.
    LiffAutomaton(int width, int height);

    bool getCell(std::uint32_t x, std::uint32_t y) const { return cells[y][x]; }
    // Appends (x, y) to the live list even when the cell was already alive.
    void setCell(std::uint32_t x, std::uint32_t y);
    void clear();
    // One draw per cell, column by column; the live list is left as it was.
    void randomize();

    bool isCorner(int x, int y) const;
    bool isEdge(int x, int y) const;
    bool isInterior(int x, int y) const;
    int countNeighbours(int x, int y);

    // One generation; true when at least one live cell survived (births alone do not count).
    bool applyRules();
    void runGenerations(int n);
    void printGrid() const;

    Point dims;
    std::vector<std::vector<bool>> cells;
    std::vector<std::vector<bool>> nextCells;
    std::vector<Point> lfpts;
    bool verbose = false;
    int neighbourCount = 0;
};
