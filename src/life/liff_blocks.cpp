#include "life/liff_blocks.h"

#include <algorithm>
#include <iostream>

#include "geometry/outline_batch.h"

LiffBlocks::LiffBlocks() : LiffAutomaton(10, 10) {
    std::cout << "_row_offset = " << _row_offset << ", _col_offset = " << _col_offset << std::endl;
    LiffAutomaton::operator=(LiffAutomaton(fieldDims.x, fieldDims.y));
    clear();
}

void LiffBlocks::setFieldSize(Point size) {
    // Mend: a field smaller than the grid still gets 1-pixel cells, so cellAt never divides by 0.
    _col_offset = std::max(1, size.x / fieldDims.x);
    _row_offset = std::max(1, size.y / fieldDims.y);
    rebuildBlocks();
}

std::vector<Point>& LiffBlocks::getLivePoints() {
    lfptsCopy = lfpts;
    return lfptsCopy;
}

void LiffBlocks::setCells(const std::vector<Point>& points) {
    clear();
    for (const Point& p : points) {
        setCell(static_cast<std::uint32_t>(p.x), static_cast<std::uint32_t>(p.y));
    }
    rebuildBlocks();
}

Point LiffBlocks::cellAt(int x, int y) {
    // Mend: clicks right of or below the field read the last column or row, never past the grid.
    const int column = std::clamp(x / _col_offset, 0, dims.x - 1);
    const int row = std::clamp(y / _row_offset, 0, dims.y - 1);
    const bool alive = getCell(static_cast<std::uint32_t>(column), static_cast<std::uint32_t>(row));
    std::cout << (alive ? "Living Liff Block!" : "Dead Liff Block!") << std::endl;
    return Point(column, row);
}

void LiffBlocks::updateAndDraw(DrawSurface& surface) {
    ++frameCounter;
    // A period below 1 never advances instead of dividing by zero.
    if (period > 0 && frameCounter % period == 0 && !freeze) {
        applyRules();
        rebuildBlocks();
    }
    OutlineBatch outlines(surface);
    for (SpaceBlock& b : blocks) {
        outlines.add(b.outlinePoints(), b.getPointCount());
    }
}

void LiffBlocks::rebuildBlocks() {
    const std::vector<Point> live = lfpts;
    blocks.clear();
    for (const Point& p : live) {
        SpaceBlock block(900, 600, -1, true);
        block.moveTo(static_cast<float>(p.x * _col_offset), static_cast<float>(p.y * _row_offset));
        blocks.push_back(block);
    }
}
