#include "backdrop/satellite.h"

#include "geometry/picture.h"

namespace {
// Steps are summed in double and kept as floats.
void add(float& v, double d) {
    v = static_cast<float>(static_cast<double>(v) + d);
}
} // namespace

void Satellite::load(SDL_Renderer* renderer) {
    texture_ = loadPicture(renderer, ".\\dat\\com_satellite.png");
    rect_ = kStart;
    countdown_ = -1;
}

void Satellite::draw(DrawSurface& surface) const {
    if (texture_ != nullptr) {
        surface.fitScaleMode(texture_);
        surface.copyEx(texture_, rect_, 0.0);
    }
}

void Satellite::advance() {
    float& x = rect_.x;
    const auto e = static_cast<float>(moonRight);
    auto move = [&](double dxy, double dwh) {
        add(rect_.x, dxy);
        add(rect_.y, dxy);
        add(rect_.w, dwh);
        add(rect_.h, dwh);
    };
    if (x >= 140.0f && x <= 180.0f && countdown_ < 0) {
        move(0.05, 0.05);
    } else if (x >= 180.0f && x <= e - 140.0f) {
        move(0.1, 0.0);
    } else if (x >= e - 140.0f && x <= e - 120.0f) {
        move(0.095, -0.015);
    } else if (x >= e - 120.0f && x <= e - 100.0f) {
        move(0.099, -0.055);
    } else if (x >= e - 100.0f && x <= e - 75.0f && rect_.w > 0.0f) {
        move(0.1, -0.15);
    } else if (rect_.w <= 0.0f && countdown_ < 0) {
        countdown_ = static_cast<int>(10.0f * x);
    } else if (countdown_ >= 0) {
        --countdown_;
        if (countdown_ == -1) {
            rect_ = kStart;
        }
    }
}
