#include "bench_surface.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <utility>

// Cheap calls: their arguments are kept by value whether recorded or not.
template <typename Issue> void BenchSurface::pass(Kind kind, Issue issue) {
    issue(now());
    if (mode == Mode::Record) {
        keep(kind, std::move(issue));
    }
}

void BenchSurface::keep(Kind kind, std::function<void(DrawSurface&)> issue) {
    calls.push_back({kind, std::move(issue)});
}

void BenchSurface::keepCopy(SDL_Texture* texture, std::function<void(DrawSurface&)> issue) {
    Uint8 alpha = 255;
    SDL_GetTextureAlphaMod(texture, &alpha);
    if (std::find(used.begin(), used.end(), texture) == used.end()) {
        used.push_back(texture);
    }
    keep(Copy, [texture, alpha, issue = std::move(issue)](DrawSurface& s) {
        Uint8 was = 255;
        SDL_GetTextureAlphaMod(texture, &was);
        SDL_SetTextureAlphaMod(texture, alpha);
        issue(s);
        SDL_SetTextureAlphaMod(texture, was);
    });
}

void BenchSurface::clearRecording() {
    calls.clear();
    used.clear();
    for (SDL_Texture* t : doomed) {
        SDL_DestroyTexture(t);
    }
    doomed.clear();
}

void BenchSurface::replay() {
    for (const Call& c : calls) {
        c.issue(sdl);
    }
}

void BenchSurface::replayTimed(std::FILE* out) {
    static const char* const kNames[] = {"setting", "clear", "present", "copy",    "points",
                                         "lines",   "rect",  "fill",    "geometry"};
    double micros[Kinds] = {};
    int counts[Kinds] = {};
    for (const Call& c : calls) {
        const auto t0 = std::chrono::steady_clock::now();
        c.issue(sdl);
        micros[c.kind] +=
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                .count();
        ++counts[c.kind];
    }
    for (std::size_t k = 0; k < std::size(kNames); ++k) {
        if (counts[k] > 0) {
            std::fprintf(out, "  %-9s %6d calls %9.0f us\n", kNames[k], counts[k], micros[k]);
        }
    }
}

void BenchSurface::setColour(SDL_Color c) {
    pass(Setting, [c](DrawSurface& s) { s.setColour(c); });
}

void BenchSurface::setBlend(SDL_BlendMode m) {
    pass(Setting, [m](DrawSurface& s) { s.setBlend(m); });
}

void BenchSurface::setScale(SDL_FPoint scale) {
    pass(Setting, [scale](DrawSurface& s) { s.setScale(scale); });
}

void BenchSurface::setLogicalSize(int width, int height) {
    pass(Setting, [width, height](DrawSurface& s) { s.setLogicalSize(width, height); });
}

void BenchSurface::setTarget(SDL_Texture* texture) {
    pass(Setting, [texture](DrawSurface& s) { s.setTarget(texture); });
}

void BenchSurface::fitScaleMode(SDL_Texture* texture) {
    pass(Setting, [texture](DrawSurface& s) { s.fitScaleMode(texture); });
}

void BenchSurface::clear() {
    pass(Clear, [](DrawSurface& s) { s.clear(); });
}

void BenchSurface::copy(SDL_Texture* texture, const SDL_Rect* dst) {
    now().copy(texture, dst);
    if (mode == Mode::Record) {
        const bool whole = dst == nullptr;
        keepCopy(texture, [texture, whole, d = whole ? SDL_Rect{} : *dst](DrawSurface& s) {
            s.copy(texture, whole ? nullptr : &d);
        });
    }
}

void BenchSurface::copyEx(SDL_Texture* texture, const SDL_Rect& dst, double angle) {
    now().copyEx(texture, dst, angle);
    if (mode == Mode::Record) {
        keepCopy(texture, [=](DrawSurface& s) { s.copyEx(texture, dst, angle); });
    }
}

void BenchSurface::copyEx(SDL_Texture* texture, const SDL_FRect& dst, double angle) {
    now().copyEx(texture, dst, angle);
    if (mode == Mode::Record) {
        keepCopy(texture, [=](DrawSurface& s) { s.copyEx(texture, dst, angle); });
    }
}

void BenchSurface::points(const SDL_Point* p, int count) {
    now().points(p, count);
    if (mode == Mode::Record) {
        keep(Points, [pts = std::vector<SDL_Point>(p, p + std::max(count, 0))](DrawSurface& s) {
            s.points(pts.data(), static_cast<int>(pts.size()));
        });
    }
}

void BenchSurface::lines(const SDL_Point* p, int count) {
    now().lines(p, count);
    if (mode == Mode::Record) {
        keep(Lines, [pts = std::vector<SDL_Point>(p, p + std::max(count, 0))](DrawSurface& s) {
            s.lines(pts.data(), static_cast<int>(pts.size()));
        });
    }
}

void BenchSurface::rect(const SDL_Rect& r) {
    pass(Rect, [r](DrawSurface& s) { s.rect(r); });
}

void BenchSurface::fillRects(const SDL_Rect* rects, int count) {
    now().fillRects(rects, count);
    if (mode == Mode::Record) {
        keep(Fill, [all = std::vector<SDL_Rect>(rects, rects + std::max(count, 0))](
                       DrawSurface& s) { s.fillRects(all.data(), static_cast<int>(all.size())); });
    }
}

void BenchSurface::geometry(const SDL_Vertex* vertices, int count, const int* indices,
                            int indexCount) {
    now().geometry(vertices, count, indices, indexCount);
    if (mode == Mode::Record) {
        keep(Geometry, [v = std::vector<SDL_Vertex>(vertices, vertices + std::max(count, 0)),
                        i = std::vector<int>(indices, indices + std::max(indexCount, 0))](
                           DrawSurface& s) {
            s.geometry(v.data(), static_cast<int>(v.size()), i.data(), static_cast<int>(i.size()));
        });
    }
}

void BenchSurface::present() {
    pass(Present, [](DrawSurface& s) { s.present(); });
}

// A label's old picture must outlive the recording that still draws it.
void BenchSurface::release(SDL_Texture* texture) {
    if (texture != nullptr && std::find(used.begin(), used.end(), texture) != used.end()) {
        doomed.push_back(texture);
        return;
    }
    SDL_DestroyTexture(texture);
}
