// Outlines of the frame. SDL's software renderer draws them with its own lines, exactly the
// calls it always got. A GPU's renderer gets every outline of the batch as thin quads in one
// geometry call: one driver call instead of one per outline, and the quads are shaped to light
// one pixel per step along the line's longer axis and both ends, so no corner is left unlit
// and no diagonal thickens.
#pragma once

#include <SDL_render.h>

#include <array>
#include <vector>

class OutlineBatch {
  public:
    explicit OutlineBatch(SDL_Renderer* renderer);
    OutlineBatch(SDL_Renderer* renderer, bool asGeometry);
    OutlineBatch(const OutlineBatch&) = delete;
    OutlineBatch& operator=(const OutlineBatch&) = delete;
    // Draws what is still held.
    ~OutlineBatch();

    // A polyline in the current draw colour.
    void add(const SDL_Point* points, int count);
    void add(const SDL_Rect& rect);
    void flush();

    // Whether the renderer's outlines go as geometry (any renderer but SDL's software one).
    static bool wantsGeometry(SDL_Renderer* renderer);
    // The quad that covers the centres of the segment's pixels, in the order drawn.
    static std::array<SDL_FPoint, 4> quadOf(SDL_Point a, SDL_Point b);

  private:
    void addSegment(SDL_Point a, SDL_Point b, SDL_Color colour);

    SDL_Renderer* renderer;
    bool geometry;
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
};
