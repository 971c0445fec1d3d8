// Outlines of the frame, drawn the way each renderer does best:
// - SDL's software renderer: its own lines, exactly the calls it always got (the recordings'
//   drawn frames depend on them);
// - a desktop GPU's renderer: the driver's lines, which may leave the pixel where two segments
//   meet unlit, so every corner is also lit as a point, all of one colour in one call;
// - the browser's WebGL, where every draw call waits its turn in the GPU process: every outline
//   of the batch as thin quads in one geometry call, shaped to light one pixel per step along
//   the line's longer axis and both ends.
// Below x1 (a window smaller than the field) every renderer gets the quads, built in the
// window's own pixels, so no outline thins out of sight.
#pragma once

#include <SDL_render.h>

#include <array>
#include <vector>

class OutlineBatch {
  public:
    enum class Style { Lines, LinesAndCorners, Geometry };

    explicit OutlineBatch(SDL_Renderer* renderer);
    OutlineBatch(SDL_Renderer* renderer, Style style);
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

    static Style styleFor(SDL_Renderer* renderer);
    // The quad that covers the centres of the segment's pixels, in the order drawn.
    static std::array<SDL_FPoint, 4> quadOf(SDL_Point a, SDL_Point b);
    // Below x1: the quad of the window pixels between those holding each end's centre, in
    // field units (SDL multiplies them by the scale again).
    static std::array<SDL_FPoint, 4> quadAt(SDL_Point a, SDL_Point b, SDL_FPoint scale);

  private:
    void addSegment(SDL_Point a, SDL_Point b, SDL_Color colour);
    // Corners held in another colour are lit before this colour's are held.
    void keepColour();
    void lightCorners();

    SDL_Renderer* renderer;
    Style style;
    SDL_FPoint scale{1.0F, 1.0F};
    bool shrunk = false;
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
    std::vector<SDL_Point> corners;
    SDL_Color colour{};
};
