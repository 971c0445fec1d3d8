#include "hud/help_panel.h"

#include <algorithm>
#include <iostream>

namespace {
constexpr int kX = 60;
constexpr int kY = 150;
constexpr int kLineHeight = 16;
constexpr int kMargin = 10;
constexpr SDL_Color kText{255, 220, 120, 255};
} // namespace

void HelpPanel::build(SDL_Renderer* renderer, TTF_Font* font,
                      const std::vector<std::string>& lines) {
    built = true;
    if (font == nullptr) {
        std::cerr << "help panel: no font, so it stays empty" << std::endl;
        return;
    }
    int width = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        labels.emplace_back(renderer, nullptr, font, "", kX, kY + kLineHeight * static_cast<int>(i),
                            kText);
        labels.back().setText(lines[i]);
        width = std::max(width, labels.back().rect().w);
    }
    box = {kX - kMargin, kY - kMargin, width + 2 * kMargin,
           kLineHeight * static_cast<int>(lines.size()) + 2 * kMargin};
}

void HelpPanel::draw(SDL_Renderer* renderer, TTF_Font* font,
                     const std::vector<std::string>& lines) {
    if (!shown) {
        return;
    }
    if (!built) {
        build(renderer, font, lines);
    }
    if (labels.empty()) {
        return;
    }
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_BlendMode mode = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawColor(renderer, &r, &g, &b, &a);
    SDL_GetRenderDrawBlendMode(renderer, &mode);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 200);
    SDL_RenderFillRect(renderer, &box);
    SDL_SetRenderDrawBlendMode(renderer, mode);
    SDL_SetRenderDrawColor(renderer, r, g, b, a);
    for (const TextLabel& label : labels) {
        label.draw();
    }
}
