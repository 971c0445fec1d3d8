#include "hud/help_panel.h"

#include <algorithm>
#include <iostream>

namespace {
constexpr int kLineHeight = 16;
constexpr int kMargin = 10;
constexpr int kColumnGap = 16;
constexpr SDL_Color kText{255, 220, 120, 255};

std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t from = 0;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1) {
        cells.push_back(line.substr(from, tab - from));
    }
    cells.push_back(line.substr(from));
    return cells;
}
} // namespace

void HelpPanel::build(DrawSurface& surface, TTF_Font* font, const std::vector<std::string>& lines) {
    built = true;
    builtLines = lines;
    for (TextLabel& label : labels) {
        label.release();
    }
    labels.clear();
    if (font == nullptr) {
        std::cerr << "help panel: no font, so it stays empty" << std::endl;
        return;
    }
    // Each column starts past the widest cell of the one before it; a line's last
    // cell may run on.
    std::vector<int> widths;
    for (const std::string& line : lines) {
        const std::vector<std::string> cells = cellsOf(line);
        widths.resize(std::max(widths.size(), cells.size()), 0);
        for (std::size_t c = 0; c + 1 < cells.size(); ++c) {
            int w = 0;
            TTF_SizeText(font, cells[c].c_str(), &w, nullptr);
            widths[c] = std::max(widths[c], w);
        }
    }
    std::vector<int> columnX{left};
    for (int w : widths) {
        columnX.push_back(columnX.back() + w + kColumnGap);
    }
    int right = left;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> cells = cellsOf(lines[i]);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].empty()) {
                continue;
            }
            labels.emplace_back(&surface, nullptr, font, "", columnX[c],
                                top + kLineHeight * static_cast<int>(i), kText);
            labels.back().setText(cells[c]);
            right = std::max(right, labels.back().rect().x + labels.back().rect().w);
        }
    }
    box = {left - kMargin, top - kMargin, right - left + 2 * kMargin,
           kLineHeight * static_cast<int>(lines.size()) + 2 * kMargin};
}

void HelpPanel::draw(DrawSurface& surface, TTF_Font* font, const std::vector<std::string>& lines,
                     int highlight) {
    if (!shown) {
        return;
    }
    if (!built || lines != builtLines) {
        build(surface, font, lines);
    }
    if (labels.empty()) {
        return;
    }
    const SDL_Color colour = surface.colour();
    const SDL_BlendMode mode = surface.blend();
    surface.setBlend(SDL_BLENDMODE_BLEND);
    surface.setColour(0, 0, 0, 200);
    surface.fillRect(box);
    if (highlight >= 0) {
        surface.setColour(70, 70, 140, 255);
        surface.fillRect({box.x, top + kLineHeight * highlight, box.w, kLineHeight});
    }
    surface.setBlend(mode);
    surface.setColour(colour);
    for (const TextLabel& label : labels) {
        label.draw();
    }
}

int HelpPanel::lineAt(int y) const {
    if (!shown || labels.empty() || y < top) {
        return -1;
    }
    const int line = (y - top) / kLineHeight;
    return line < (box.h - 2 * kMargin) / kLineHeight ? line : -1;
}
