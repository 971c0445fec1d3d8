#include "draw_calls.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <vector>

extern "C" {
int __real_SDL_RenderCopy(SDL_Renderer*, SDL_Texture*, const SDL_Rect*, const SDL_Rect*);
int __real_SDL_RenderCopyEx(SDL_Renderer*, SDL_Texture*, const SDL_Rect*, const SDL_Rect*, double,
                            const SDL_Point*, SDL_RendererFlip);
int __real_SDL_RenderCopyExF(SDL_Renderer*, SDL_Texture*, const SDL_Rect*, const SDL_FRect*, double,
                             const SDL_FPoint*, SDL_RendererFlip);
int __real_SDL_RenderDrawPoint(SDL_Renderer*, int, int);
int __real_SDL_RenderDrawPoints(SDL_Renderer*, const SDL_Point*, int);
int __real_SDL_RenderDrawLines(SDL_Renderer*, const SDL_Point*, int);
int __real_SDL_RenderDrawRect(SDL_Renderer*, const SDL_Rect*);
int __real_SDL_RenderFillRect(SDL_Renderer*, const SDL_Rect*);
int __real_SDL_SetRenderDrawBlendMode(SDL_Renderer*, SDL_BlendMode);
int __real_SDL_SetRenderTarget(SDL_Renderer*, SDL_Texture*);
int __real_SDL_SetTextureAlphaMod(SDL_Texture*, Uint8);
void __real_SDL_DestroyTexture(SDL_Texture*);
}

namespace drawcalls {
namespace {

enum class Kind : unsigned char {
    Clear,
    Present,
    Colour,
    Blend,
    Copy,
    CopyEx,
    CopyExF,
    Point,
    Points,
    Lines,
    Rect,
    FillRect,
};

// One call and its arguments. Points live in one shared pool so that recording
// a frame allocates nothing once the pools have grown.
struct Call {
    Kind kind;
    bool hasSrc = false;
    bool hasDst = false;
    bool hasCentre = false;
    Uint8 r = 0, g = 0, b = 0, a = 0; // draw colour, or the texture's alpha mod
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_Texture* texture = nullptr;
    SDL_Rect src{};
    SDL_Rect dst{};
    SDL_FRect dstF{};
    SDL_Point centre{};
    SDL_FPoint centreF{};
    double angle = 0.0;
    SDL_RendererFlip flip = SDL_FLIP_NONE;
    int x = 0, y = 0;
    std::size_t first = 0;
    int count = 0;
};

Mode mode = Mode::Forward;
std::vector<Call> calls;
std::vector<SDL_Point> points;
std::vector<SDL_Texture*> used;   // textures the recording draws
std::vector<SDL_Texture*> doomed; // destroyed by the game while the recording held them

bool recording() {
    return mode == Mode::Record;
}

Call& add(Kind kind) {
    calls.push_back(Call{kind});
    return calls.back();
}

// An optional argument: whether it was given, and its value kept when it was.
template <typename T> bool keep(T& out, const T* in) {
    if (in != nullptr) {
        out = *in;
    }
    return in != nullptr;
}

void addCopy(Call& c, SDL_Texture* texture, const SDL_Rect* src) {
    c.texture = texture;
    c.hasSrc = keep(c.src, src);
    // The alpha mod may change before the replay (the titles fade): keep the one drawn with.
    SDL_GetTextureAlphaMod(texture, &c.a);
    if (std::find(used.begin(), used.end(), texture) == used.end()) {
        used.push_back(texture);
    }
}

std::size_t pool(const SDL_Point* p, int n) {
    const std::size_t first = points.size();
    points.insert(points.end(), p, p + std::max(n, 0));
    return first;
}

void ensureAlpha(SDL_Texture* texture, Uint8 alpha) {
    Uint8 now = 0;
    SDL_GetTextureAlphaMod(texture, &now);
    if (now != alpha) {
        __real_SDL_SetTextureAlphaMod(texture, alpha);
    }
}

} // namespace

void setMode(Mode m) {
    mode = m;
}

void clearRecording() {
    calls.clear();
    points.clear();
    used.clear();
    for (SDL_Texture* t : doomed) {
        __real_SDL_DestroyTexture(t);
    }
    doomed.clear();
}

std::size_t recordedCalls() {
    return calls.size();
}

namespace {
void issue(SDL_Renderer* renderer, const Call& c);
} // namespace

void replay(SDL_Renderer* renderer) {
    for (const Call& c : calls) {
        issue(renderer, c);
    }
}

void replayTimed(SDL_Renderer* renderer, std::FILE* out) {
    static const char* const kNames[] = {"clear",  "present", "colour",  "blend",
                                         "copy",   "copyEx",  "copyExF", "point",
                                         "points", "lines",   "rect",    "fillRect"};
    double micros[std::size(kNames)] = {};
    int counts[std::size(kNames)] = {};
    for (const Call& c : calls) {
        const auto t0 = std::chrono::steady_clock::now();
        issue(renderer, c);
        const auto k = static_cast<std::size_t>(c.kind);
        micros[k] +=
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                .count();
        ++counts[k];
    }
    for (std::size_t k = 0; k < std::size(kNames); ++k) {
        if (counts[k] > 0) {
            std::fprintf(out, "  %-9s %6d calls %9.0f us\n", kNames[k], counts[k], micros[k]);
        }
    }
}

namespace {
void issue(SDL_Renderer* renderer, const Call& c) {
    {
        switch (c.kind) {
        case Kind::Clear:
            __real_SDL_RenderClear(renderer);
            break;
        case Kind::Present:
            __real_SDL_RenderPresent(renderer);
            break;
        case Kind::Colour:
            __real_SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
            break;
        case Kind::Blend:
            __real_SDL_SetRenderDrawBlendMode(renderer, c.blend);
            break;
        case Kind::Copy:
            ensureAlpha(c.texture, c.a);
            __real_SDL_RenderCopy(renderer, c.texture, c.hasSrc ? &c.src : nullptr,
                                  c.hasDst ? &c.dst : nullptr);
            break;
        case Kind::CopyEx:
            ensureAlpha(c.texture, c.a);
            __real_SDL_RenderCopyEx(renderer, c.texture, c.hasSrc ? &c.src : nullptr,
                                    c.hasDst ? &c.dst : nullptr, c.angle,
                                    c.hasCentre ? &c.centre : nullptr, c.flip);
            break;
        case Kind::CopyExF:
            ensureAlpha(c.texture, c.a);
            __real_SDL_RenderCopyExF(renderer, c.texture, c.hasSrc ? &c.src : nullptr,
                                     c.hasDst ? &c.dstF : nullptr, c.angle,
                                     c.hasCentre ? &c.centreF : nullptr, c.flip);
            break;
        case Kind::Point:
            __real_SDL_RenderDrawPoint(renderer, c.x, c.y);
            break;
        case Kind::Points:
            __real_SDL_RenderDrawPoints(renderer, points.data() + c.first, c.count);
            break;
        case Kind::Lines:
            __real_SDL_RenderDrawLines(renderer, points.data() + c.first, c.count);
            break;
        case Kind::Rect:
            __real_SDL_RenderDrawRect(renderer, c.hasDst ? &c.dst : nullptr);
            break;
        case Kind::FillRect:
            __real_SDL_RenderFillRect(renderer, c.hasDst ? &c.dst : nullptr);
            break;
        }
    }
}
} // namespace

} // namespace drawcalls

using drawcalls::Call;
using drawcalls::Kind;
using drawcalls::Mode;

extern "C" {

int __wrap_SDL_RenderClear(SDL_Renderer* renderer) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        drawcalls::add(Kind::Clear);
    }
    return __real_SDL_RenderClear(renderer);
}

void __wrap_SDL_RenderPresent(SDL_Renderer* renderer) {
    if (drawcalls::mode == Mode::Off) {
        return;
    }
    if (drawcalls::recording()) {
        drawcalls::add(Kind::Present);
    }
    __real_SDL_RenderPresent(renderer);
}

int __wrap_SDL_SetRenderDrawColor(SDL_Renderer* renderer, Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        Call& c = drawcalls::add(Kind::Colour);
        c.r = r;
        c.g = g;
        c.b = b;
        c.a = a;
    }
    return __real_SDL_SetRenderDrawColor(renderer, r, g, b, a);
}

int __wrap_SDL_SetRenderDrawBlendMode(SDL_Renderer* renderer, SDL_BlendMode blend) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        drawcalls::add(Kind::Blend).blend = blend;
    }
    return __real_SDL_SetRenderDrawBlendMode(renderer, blend);
}

// The game points the renderer at the ship's picture, which is no render target,
// so SDL refuses; nothing to record.
int __wrap_SDL_SetRenderTarget(SDL_Renderer* renderer, SDL_Texture* texture) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    return __real_SDL_SetRenderTarget(renderer, texture);
}

int __wrap_SDL_RenderCopy(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src,
                          const SDL_Rect* dst) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        Call& c = drawcalls::add(Kind::Copy);
        drawcalls::addCopy(c, texture, src);
        c.hasDst = drawcalls::keep(c.dst, dst);
    }
    return __real_SDL_RenderCopy(renderer, texture, src, dst);
}

int __wrap_SDL_RenderCopyEx(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src,
                            const SDL_Rect* dst, double angle, const SDL_Point* centre,
                            SDL_RendererFlip flip) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        Call& c = drawcalls::add(Kind::CopyEx);
        drawcalls::addCopy(c, texture, src);
        c.hasDst = drawcalls::keep(c.dst, dst);
        c.hasCentre = drawcalls::keep(c.centre, centre);
        c.angle = angle;
        c.flip = flip;
    }
    return __real_SDL_RenderCopyEx(renderer, texture, src, dst, angle, centre, flip);
}

int __wrap_SDL_RenderCopyExF(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src,
                             const SDL_FRect* dst, double angle, const SDL_FPoint* centre,
                             SDL_RendererFlip flip) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        Call& c = drawcalls::add(Kind::CopyExF);
        drawcalls::addCopy(c, texture, src);
        c.hasDst = drawcalls::keep(c.dstF, dst);
        c.hasCentre = drawcalls::keep(c.centreF, centre);
        c.angle = angle;
        c.flip = flip;
    }
    return __real_SDL_RenderCopyExF(renderer, texture, src, dst, angle, centre, flip);
}

int __wrap_SDL_RenderDrawPoint(SDL_Renderer* renderer, int x, int y) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        Call& c = drawcalls::add(Kind::Point);
        c.x = x;
        c.y = y;
    }
    return __real_SDL_RenderDrawPoint(renderer, x, y);
}

int __wrap_SDL_RenderDrawPoints(SDL_Renderer* renderer, const SDL_Point* p, int n) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        const std::size_t first = drawcalls::pool(p, n);
        Call& c = drawcalls::add(Kind::Points);
        c.first = first;
        c.count = n;
    }
    return __real_SDL_RenderDrawPoints(renderer, p, n);
}

int __wrap_SDL_RenderDrawLines(SDL_Renderer* renderer, const SDL_Point* p, int n) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        const std::size_t first = drawcalls::pool(p, n);
        Call& c = drawcalls::add(Kind::Lines);
        c.first = first;
        c.count = n;
    }
    return __real_SDL_RenderDrawLines(renderer, p, n);
}

int __wrap_SDL_RenderDrawRect(SDL_Renderer* renderer, const SDL_Rect* r) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        Call& c = drawcalls::add(Kind::Rect);
        c.hasDst = drawcalls::keep(c.dst, r);
    }
    return __real_SDL_RenderDrawRect(renderer, r);
}

int __wrap_SDL_RenderFillRect(SDL_Renderer* renderer, const SDL_Rect* r) {
    if (drawcalls::mode == Mode::Off) {
        return 0;
    }
    if (drawcalls::recording()) {
        Call& c = drawcalls::add(Kind::FillRect);
        c.hasDst = drawcalls::keep(c.dst, r);
    }
    return __real_SDL_RenderFillRect(renderer, r);
}

// Texture state, not drawing: always applied (the copies record the alpha they used).
int __wrap_SDL_SetTextureAlphaMod(SDL_Texture* texture, Uint8 alpha) {
    return __real_SDL_SetTextureAlphaMod(texture, alpha);
}

// A label's old texture must outlive the recording that still draws it.
void __wrap_SDL_DestroyTexture(SDL_Texture* texture) {
    if (texture != nullptr && std::find(drawcalls::used.begin(), drawcalls::used.end(), texture) !=
                                  drawcalls::used.end()) {
        drawcalls::doomed.push_back(texture);
        return;
    }
    __real_SDL_DestroyTexture(texture);
}

} // extern "C"
