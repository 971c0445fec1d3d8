#include "platform/field_view.h"

#include <algorithm>
#include <iostream>

#include "platform/field_size.h"

void FieldView::open(DrawSurface& to, int fieldWidth, int fieldHeight) {
    surface = &to;
    renderer = to.renderer();
    width = fieldWidth;
    height = fieldHeight;
    SDL_RenderSetLogicalSize(renderer, width, height);
    if (SDL_RenderTargetSupported(renderer) == SDL_TRUE) {
        target = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                   width, height);
    }
    if (target == nullptr) {
        // SDL then scales each drawing itself: nearly whole pixels above x1.
        std::cerr << "no field texture (" << SDL_GetError() << "), scaling each drawing"
                  << std::endl;
        return;
    }
    // The game draws with alpha 0 at times; the copy to the window must ignore alpha. It is
    // copied only into a larger window, with whole pixels.
    SDL_SetTextureBlendMode(target, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(target, SDL_ScaleModeNearest);
}

void FieldView::beginFrame() {
    int w = 0;
    int h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    // At the field's own size, and below x1, the game draws straight into the window.
    const bool shrinking = w < width || h < height;
    drawingToTarget = target != nullptr && !shrinking && (w != width || h != height);
    if (drawingToTarget) {
        surface->setTarget(target);
    }
}

void FieldView::present(const TouchControls* over) {
    if (drawingToTarget) {
        surface->setTarget(nullptr);
        const SDL_Color colour = surface->colour();
        surface->setColour(0, 0, 0, 255);
        surface->clear();
        surface->copy(target, nullptr);
        // The next frame starts from the colour the game left.
        surface->setColour(colour);
    } else {
        coverBars();
    }
    if (over != nullptr) {
        over->draw(*surface);
    }
    surface->present();
}

void FieldView::coverBars() {
    int w = 0;
    int h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    const SDL_Rect field = letterbox({w, h}, {width, height});
    if (field.w == w && field.h == h) {
        return;
    }
    const SDL_Rect bars[] = {{0, 0, field.x, h},
                             {field.x + field.w, 0, w - field.x - field.w, h},
                             {0, 0, w, field.y},
                             {0, field.y + field.h, w, h - field.y - field.h}};
    const SDL_Color colour = surface->colour();
    const SDL_BlendMode mode = surface->blend();
    // In window pixels for a moment: the field's viewport would clip the bars away.
    surface->setLogicalSize(0, 0);
    surface->setBlend(SDL_BLENDMODE_NONE);
    surface->setColour(0, 0, 0, 255);
    surface->fillRects(bars, 4);
    surface->setLogicalSize(width, height);
    surface->setBlend(mode);
    surface->setColour(colour);
}

void FieldView::close() {
    if (target != nullptr) {
        SDL_DestroyTexture(target);
        target = nullptr;
    }
    drawingToTarget = false;
}

void FieldView::toggleFullscreen(SDL_Window* window, int fieldWidth, int fieldHeight) {
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) == 0) {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        return;
    }
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowResizable(window, SDL_TRUE);
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window));
    SDL_Rect usable{};
    SDL_GetDisplayUsableBounds(display, &usable);
    // The field's own size, which a -scale field does not share with the window it began in.
    const SDL_Point size = windowedSize(fieldWidth, fieldHeight, usable);
    SDL_SetWindowSize(window, size.x, size.y);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                          SDL_WINDOWPOS_CENTERED_DISPLAY(display));
}
