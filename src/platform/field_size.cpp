#include "platform/field_size.h"

#include <algorithm>
#include <cmath>

std::string fieldSizeProblem(int width, int height) {
    if (width >= kMinFieldWidth && height >= kMinFieldHeight) {
        return {};
    }
    return "a field of " + std::to_string(width) + "x" + std::to_string(height) +
           " is too small; the game needs at least " + std::to_string(kMinFieldWidth) + "x" +
           std::to_string(kMinFieldHeight);
}

FieldChoice decideField(const FieldRequest& request, int windowWidth, int windowHeight) {
    switch (request.kind) {
    case FieldRequest::Kind::Window:
    case FieldRequest::Kind::Fixed:
        return {request.width, request.height, fieldSizeProblem(request.width, request.height)};
    case FieldRequest::Kind::Scale: {
        const int w = windowWidth / request.scale;
        const int h = windowHeight / request.scale;
        std::string problem = fieldSizeProblem(w, h);
        if (!problem.empty()) {
            problem = "-scale=" + std::to_string(request.scale) + " on a " +
                      std::to_string(windowWidth) + "x" + std::to_string(windowHeight) +
                      " screen: " + problem;
        }
        return {w, h, problem};
    }
    case FieldRequest::Kind::Desktop:
        break;
    }
    return {windowWidth, windowHeight, {}};
}

SDL_Point windowedSize(int fieldWidth, int fieldHeight, const SDL_Rect& usable) {
    if (usable.w <= 0 || usable.h <= 0 || (fieldWidth <= usable.w && fieldHeight <= usable.h)) {
        return {fieldWidth, fieldHeight};
    }
    // Compared as products, so the shrunk side never rounds past the area.
    if (static_cast<long long>(usable.w) * fieldHeight <=
        static_cast<long long>(usable.h) * fieldWidth) {
        const auto h = static_cast<long long>(fieldHeight) * usable.w / fieldWidth;
        return {usable.w, std::max(1, static_cast<int>(h))};
    }
    const auto w = static_cast<long long>(fieldWidth) * usable.h / fieldHeight;
    return {std::max(1, static_cast<int>(w)), usable.h};
}

SDL_Point fieldForScreen(int screenWidth, int screenHeight) {
    if (screenWidth <= 0 || screenHeight <= 0) {
        return {kMinFieldWidth, kMinFieldHeight};
    }
    if (screenWidth >= kMinFieldWidth && screenHeight >= kMinFieldHeight) {
        return {screenWidth, screenHeight};
    }
    const long long w = screenWidth;
    const long long h = screenHeight;
    // Rounded up, so neither side ends below the smallest.
    if (w * kMinFieldHeight <= h * kMinFieldWidth) {
        return {kMinFieldWidth, static_cast<int>((h * kMinFieldWidth + w - 1) / w)};
    }
    return {static_cast<int>((w * kMinFieldHeight + h - 1) / h), kMinFieldHeight};
}

SDL_Rect letterbox(SDL_Point output, SDL_Point field) {
    const float want = static_cast<float>(field.x) / static_cast<float>(field.y);
    const float real = static_cast<float>(output.x) / static_cast<float>(output.y);
    if (std::fabs(want - real) < 0.0001F) {
        return {0, 0, output.x, output.y};
    }
    if (want > real) {
        const float scale = static_cast<float>(output.x) / static_cast<float>(field.x);
        const int h = static_cast<int>(std::floor(static_cast<float>(field.y) * scale));
        return {0, (output.y - h) / 2, output.x, h};
    }
    const float scale = static_cast<float>(output.y) / static_cast<float>(field.y);
    const int w = static_cast<int>(std::floor(static_cast<float>(field.x) * scale));
    return {(output.x - w) / 2, 0, w, output.y};
}
