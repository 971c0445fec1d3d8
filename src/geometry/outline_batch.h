// Outlines of the frame drawn with the renderer's own lines. A GPU driver's lines may leave
// the pixel where two segments meet unlit, so there every corner is also lit as a point, all
// of one colour in one call. SDL's software renderer lights its corners already and gets
// exactly the calls it always got.
#pragma once

#include <SDL_render.h>

#include <vector>

class OutlineBatch {
  public:
    explicit OutlineBatch(SDL_Renderer* renderer);
    OutlineBatch(SDL_Renderer* renderer, bool lightCorners);
    OutlineBatch(const OutlineBatch&) = delete;
    OutlineBatch& operator=(const OutlineBatch&) = delete;
    // Lights the corners still held.
    ~OutlineBatch();

    // A polyline in the current draw colour; a colour change lights the corners held so far
    // in the colour their lines were drawn with.
    void add(const SDL_Point* points, int count);
    void add(const SDL_Rect& rect);
    void lightCorners();

    // Whether the renderer's lines need their corners lit.
    static bool needsCorners(SDL_Renderer* renderer);

  private:
    // Corners held in another colour are lit before this colour's are held.
    void keepColour();

    SDL_Renderer* renderer;
    bool corners;
    std::vector<SDL_Point> held;
    SDL_Color colour{};
};
