// Outlines of the frame, drawn the way each renderer does best:
// - SDL's software renderer: its own lines, exactly the calls it always got (the recordings'
//   drawn frames depend on them);
// - a desktop GPU's renderer: the driver's lines, which may leave the pixel where two segments
//   meet unlit, so every corner is also lit as a point, all of one colour in one call;
// - the browser's WebGL, where every draw call waits its turn in the GPU process: every outline
//   of the batch as thin quads in one geometry call, shaped to light one pixel per step along
//   the line's longer axis and both ends.
// Below x1 (a window smaller than the field) SDL would shrink each line's pixels under a
// window pixel and break them up, so every point goes to the window pixel that holds its
// centre and the outlines are drawn there, unscaled, one window pixel thin.
#pragma once

#include <SDL_render.h>

#include <array>
#include <vector>

#include "geometry/draw_surface.h"

class OutlineBatch {
  public:
    enum class Style { Lines, LinesAndCorners, Geometry };

    explicit OutlineBatch(DrawSurface& surface);
    OutlineBatch(DrawSurface& surface, Style style);
    OutlineBatch(const OutlineBatch&) = delete;
    OutlineBatch& operator=(const OutlineBatch&) = delete;
    // Draws what is still held.
    ~OutlineBatch();

    // A polyline in the current draw colour.
    void add(const SDL_Point* points, int count);
    void add(const SDL_Rect& rect);
    // Single pixels in the current draw colour.
    void addPoints(const SDL_Point* points, int count);
    void flush();

    static Style styleFor(const DrawSurface& surface);
    // The quad that covers the centres of the segment's pixels, in the order drawn.
    static std::array<SDL_FPoint, 4> quadOf(SDL_Point a, SDL_Point b);
    // The window pixel that holds a field pixel's centre at a scale below x1.
    static SDL_Point windowPixel(SDL_Point p, SDL_FPoint scale);

  private:
    // The points as drawn: in window pixels below x1 (held until the next call), else as given.
    const SDL_Point* placed(const SDL_Point* points, int count);
    void addSegment(SDL_Point a, SDL_Point b, SDL_Color colour);
    // Corners held in another colour are lit before this colour's are held.
    void keepColour();
    void lightCorners();

    DrawSurface& surface;
    Style style;
    SDL_FPoint scale{1.0F, 1.0F};
    bool shrunk = false;
    std::vector<SDL_Point> inWindow;
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
    std::vector<SDL_Point> corners;
    SDL_Color colour{};
};
