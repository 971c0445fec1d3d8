#include "life/liff_automaton.h"

#include <iostream>

#include "geometry/calendar_clock.h"
#include "geometry/game_rand.h"

LiffAutomaton::LiffAutomaton(int width, int height)
    : dims(width, height), cells(height, std::vector<bool>(width, false)), nextCells(cells) {
    reseedFromClock();
}

void LiffAutomaton::setCell(std::uint32_t x, std::uint32_t y) {
    cells[y][x] = true;
    lfpts.emplace_back(static_cast<int>(x), static_cast<int>(y));
}

void LiffAutomaton::clear() {
    for (auto& row : cells) {
        row.assign(row.size(), false);
    }
}

void LiffAutomaton::randomize() {
    for (int x = 0; x < dims.x; ++x) {
        for (int y = 0; y < dims.y; ++y) {
            cells[y][x] = gameRand() % 2 == 0;
        }
    }
}

bool LiffAutomaton::isCorner(int x, int y) const {
    return (x == 0 || x == dims.x - 1) && (y == 0 || y == dims.y - 1);
}

bool LiffAutomaton::isEdge(int x, int y) const {
    return !isCorner(x, y) && (x == 0 || y == 0 || x == dims.x - 1 || y == dims.y - 1);
}

bool LiffAutomaton::isInterior(int x, int y) const {
    return !isCorner(x, y) && !isEdge(x, y);
}

int LiffAutomaton::countNeighbours(int x, int y) {
    // Corners have 3 neighbours inside the grid, edges 5, the interior 8.
    neighbourCount = 0;
    for (int ny = y - 1; ny <= y + 1; ++ny) {
        for (int nx = x - 1; nx <= x + 1; ++nx) {
            const bool inside = nx >= 0 && ny >= 0 && nx < dims.x && ny < dims.y;
            if (inside && !(nx == x && ny == y) && cells[ny][nx]) {
                ++neighbourCount;
            }
        }
    }
    return neighbourCount;
}

bool LiffAutomaton::applyRules() {
    for (auto& row : nextCells) {
        row.assign(row.size(), false);
    }
    int born = 0;
    int dead = 0;
    int survived = 0;
    lfpts.clear();
    for (int y = 0; y < dims.y; ++y) {
        for (int x = 0; x < dims.x; ++x) {
            const bool alive = cells[y][x];
            const int n = countNeighbours(x, y);
            const bool next = alive ? (n == 2 || n == 3) : n == 3;
            if (alive) {
                ++(next ? survived : dead);
            } else if (next) {
                ++born;
            }
            if (next) {
                nextCells[y][x] = true;
                lfpts.emplace_back(x, y);
            }
        }
    }
    if (verbose) {
        for (const auto& row : nextCells) {
            std::cout << "\n";
            for (bool c : row) {
                std::cout << (c ? "1" : "0");
            }
        }
        std::cout << "\n";
        std::cout << "after applying rules born=" << born << ", dead=" << dead
                  << ", survived=" << survived << std::endl;
    }
    cells = nextCells;
    return survived >= 1;
}

void LiffAutomaton::runGenerations(int n) {
    for (int i = 0; i < n; ++i) {
        std::cout << "Applying rules to " << i << " gen automata." << std::endl;
        const bool r = applyRules();
        printGrid();
        if (!r) {
            std::cout << "\n"
                      << "After " << i << "gernerations biom is dead..." << std::endl;
            return;
        }
        std::cout << "\n\n";
    }
}

void LiffAutomaton::printGrid() const {
    for (const auto& row : cells) {
        std::cout << "|";
        for (bool c : row) {
            std::cout << (c ? "* | " : "  | ");
        }
        std::cout << "\n";
    }
    std::cout << std::endl;
}
