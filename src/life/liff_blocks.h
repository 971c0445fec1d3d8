// The Liff automaton laid over the play field: 51 x 28 equal cells, one block
// outline per live cell, one generation every `period` frames unless frozen.
#pragma once

#include <SDL_render.h>

#include <vector>

#include "geometry/draw_surface.h"
#include "geometry/point.h"
#include "life/liff_automaton.h"
#include "objects/space_block.h"

class LiffBlocks : public LiffAutomaton {
  public:
    LiffBlocks();

    // Cell size = field size / grid size, rebuilding the blocks at the new size.
    void setFieldSize(Point size);
    Point getOffsets() const { return Point(_col_offset, _row_offset); }
    void setPeriod(int count) { period = count; }
    void setFreeze(bool on) { freeze = on; }
    bool isFrozen() const { return freeze; }
    int rowCount() const { return static_cast<int>(cells.size()); }
    std::vector<Point>& getLivePoints();
    // Adds to the live list; it is not emptied first.
    void setCells(const std::vector<Point>& points);
    // The cell under a pixel, logged as living or dead.
    Point cellAt(int x, int y);
    void updateAndDraw(DrawSurface& surface);
    void rebuildBlocks();

    std::vector<SpaceBlock> blocks;
    int period = 360;
    int frameCounter = 0;
    std::vector<Point> lfptsCopy;
    bool freeze = false;
    int _col_offset = 25;
    int _row_offset = 25;
    Point fieldDims{51, 28};
};
