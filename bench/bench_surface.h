// The benchmark's surface: the game's drawing calls go to SDL, to SDL and into a recording
// of the frame, or nowhere (what is left is the game's own work). The recording is the
// reference picture: the same calls issued again with no game logic in between.
#pragma once

#include <cstdio>
#include <functional>
#include <vector>

#include "geometry/null_surface.h"
#include "geometry/sdl_surface.h"

class BenchSurface final : public DrawSurface {
  public:
    enum class Mode {
        Forward, // straight to SDL
        Record,  // to SDL, and appended to the recording
        Off,     // dropped
    };

    explicit BenchSurface(SDL_Renderer* renderer) : sdl(renderer), none(renderer) {}
    ~BenchSurface() override { clearRecording(); }

    void setMode(Mode m) { mode = m; }
    // Drops the recording and frees the pictures it held on to.
    void clearRecording();
    // Issues the recorded calls again, to SDL.
    void replay();
    // The same, timing each kind of call, with the totals written to out.
    void replayTimed(std::FILE* out);
    // SDL itself, for the floor (clear and present alone).
    DrawSurface& direct() { return sdl; }

    SDL_Renderer* renderer() const override { return sdl.renderer(); }
    void setColour(SDL_Color c) override;
    SDL_Color colour() const override { return now().colour(); }
    void setBlend(SDL_BlendMode mode) override;
    SDL_BlendMode blend() const override { return now().blend(); }
    void setScale(SDL_FPoint s) override;
    SDL_FPoint scale() const override { return now().scale(); }
    void setLogicalSize(int width, int height) override;
    void setTarget(SDL_Texture* texture) override;
    void fitScaleMode(SDL_Texture* texture) override;
    void clear() override;
    void copy(SDL_Texture* texture, const SDL_Rect* dst) override;
    void copyEx(SDL_Texture* texture, const SDL_Rect& dst, double angle) override;
    void copyEx(SDL_Texture* texture, const SDL_FRect& dst, double angle) override;
    void points(const SDL_Point* p, int count) override;
    void lines(const SDL_Point* p, int count) override;
    void rect(const SDL_Rect& r) override;
    void fillRects(const SDL_Rect* rects, int count) override;
    void geometry(const SDL_Vertex* vertices, int count, const int* indices,
                  int indexCount) override;
    void present() override;
    void release(SDL_Texture* texture) override;

  private:
    enum Kind { Setting, Clear, Present, Copy, Points, Lines, Rect, Fill, Geometry, Kinds };
    struct Call {
        Kind kind;
        std::function<void(DrawSurface&)> issue;
    };

    DrawSurface& now() { return mode == Mode::Off ? static_cast<DrawSurface&>(none) : sdl; }
    const DrawSurface& now() const {
        return mode == Mode::Off ? static_cast<const DrawSurface&>(none) : sdl;
    }
    template <typename Issue> void pass(Kind kind, Issue issue);
    void keep(Kind kind, std::function<void(DrawSurface&)> issue);
    // A copy is replayed with the picture's alpha of the moment (the titles fade).
    void keepCopy(SDL_Texture* texture, std::function<void(DrawSurface&)> issue);

    Mode mode = Mode::Forward;
    SdlSurface sdl;
    NullSurface none;
    std::vector<Call> calls;
    std::vector<SDL_Texture*> used;   // pictures the recording draws
    std::vector<SDL_Texture*> doomed; // released by the game while the recording held them
};
