#include "selfcheck/island_checks.h"

#include <array>
#include <iostream>

#include "geometry/rect.h"

namespace {
// The Liff layer's start-up cells; the first eleven form four islands.
constexpr int kFirstStage = 11;
const std::array<Point, 35> kSeedPattern{{
    {4, 7},   {5, 7},   {0, 0},   {6, 8},   {6, 9},   {33, 9},  {32, 7},  {31, 8},  {3, 6},
    {32, 9},  {33, 10}, {45, 24}, {44, 24}, {43, 24}, {45, 23}, {44, 23}, {45, 25}, {46, 26},
    {47, 27}, {48, 27}, {49, 26}, {50, 27}, {47, 4},  {48, 3},  {49, 2},  {49, 1},  {50, 0},
    {24, 13}, {25, 14}, {26, 14}, {26, 15}, {10, 25}, {10, 24}, {11, 24}, {11, 25},
}};

void addSeeds(Islands& islands, std::vector<Point>& cells, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        cells.push_back(kSeedPattern[i]);
        islands.addPoint(kSeedPattern[i].x, kSeedPattern[i].y);
    }
}
} // namespace

void islandCheck(Island& testIsland) {
    std::cout << "-----------------------" << std::endl;
    std::cout << "Island Tests..." << std::endl;
    testIsland.addPoint(6, 6);
    testIsland.addPoint(11, 11);
    testIsland.print();
}

std::vector<Point>& islandsCheck(Islands& islands, std::vector<Point>& cells) {
    std::cout << "-----------------------" << std::endl;
    std::cout << "Islands Tests..." << std::endl;
    islands.printStats();
    std::cout << "This should create 2 buckets??" << std::endl;
    addSeeds(islands, cells, 0, kFirstStage);
    std::cout << "New Stats..." << std::endl;
    islands.printStats();
    std::cout << "Print current Islands..." << std::endl;
    islands.printIslands();
    std::cout << "Now Lets try to defrag the orphan cells" << std::endl;
    addSeeds(islands, cells, kFirstStage, kSeedPattern.size());
    islands.defrag();
    islands.printStats();
    islands.printIslands();
    printRect(islands.pixelRectOf(2));
    return cells;
}
