#include "hud/help_panel.h"

#include <algorithm>
#include <iostream>

namespace {
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

int widthOf(TTF_Font* font, const std::string& text) {
    int w = 0;
    TTF_SizeText(font, text.c_str(), &w, nullptr);
    return w;
}
} // namespace

void HelpPanel::setLarge(bool large, int x, int y, int right, int bottom) {
    scale = large ? 2 : 1;
    left = large ? x : normalLeft;
    ownTop = large ? y : normalTop;
    placeTop();
    maxRight = large ? right : 1 << 30;
    maxBottom = large ? bottom : 1 << 30;
    built = false;
}

void HelpPanel::keepBelow(int y) {
    if (y != clearLine) {
        clearLine = y;
        placeTop();
        built = false;
    }
}

void HelpPanel::placeTop() {
    // The box's margin lies above the first line, and a gap keeps its rim apart.
    top = clearLine > 0 ? std::max(ownTop, clearLine + kMargin * scale + 4) : ownTop;
}

bool HelpPanel::nextPage() {
    if (page + 1 >= static_cast<int>(pages.size())) {
        return false;
    }
    ++page;
    return true;
}

void HelpPanel::build(DrawSurface& surface, TTF_Font* font, const std::vector<std::string>& lines) {
    built = true;
    builtLines = lines;
    for (TextLabel& label : labels) {
        label.release();
    }
    labels.clear();
    labelPage.clear();
    pages.clear();
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
            widths[c] = std::max(widths[c], widthOf(font, cells[c]) * scale);
        }
    }
    std::vector<int> columnX{left};
    for (int w : widths) {
        columnX.push_back(columnX.back() + w + kColumnGap * scale);
    }
    const std::vector<Row> rows = rowsOf(font, lines, columnX);
    paginate(rows);
    std::size_t tallest = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        tallest = std::max(tallest, pages[p].size());
        for (std::size_t k = 0; k < pages[p].size(); ++k) {
            for (const auto& [column, text] : rows[static_cast<std::size_t>(pages[p][k])].cells) {
                labels.emplace_back(&surface, nullptr, font, "", columnX[column],
                                    top + lineHeight() * static_cast<int>(k), kText);
                labels.back().setText(text);
                labelPage.push_back(static_cast<int>(p));
            }
        }
    }
    // A panel of pages says which one it shows, on a row of its own.
    for (std::size_t p = 0; pages.size() > 1 && p < pages.size(); ++p) {
        labels.emplace_back(&surface, nullptr, font, "", left,
                            top + lineHeight() * static_cast<int>(tallest), kText);
        labels.back().setText("page " + std::to_string(p + 1) + " of " +
                              std::to_string(pages.size()));
        labelPage.push_back(static_cast<int>(p));
    }
    int right = left;
    for (TextLabel& label : labels) {
        label.setScale(scale);
        right = std::max(right, label.rect().x + label.rect().w);
    }
    const int rowsShown = static_cast<int>(tallest) + (pages.size() > 1 ? 1 : 0);
    box = {left - kMargin * scale, top - kMargin * scale, right - left + 2 * kMargin * scale,
           lineHeight() * rowsShown + 2 * kMargin * scale};
}

// A last cell that would reach past the right edge goes on over more rows, word by word.
std::vector<HelpPanel::Row> HelpPanel::rowsOf(TTF_Font* font, const std::vector<std::string>& lines,
                                              const std::vector<int>& columnX) const {
    std::vector<Row> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> cells = cellsOf(lines[i]);
        rows.push_back({static_cast<int>(i), {}});
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (!cells[c].empty()) {
                rows.back().cells.emplace_back(c, cells[c]);
            }
        }
        const std::size_t last = cells.size() - 1;
        const int room = maxRight - kMargin * scale - columnX[last];
        if (rows.back().cells.empty() || widthOf(font, cells[last]) * scale <= room) {
            continue;
        }
        std::vector<std::string> pieces{""};
        std::size_t from = 0;
        for (std::size_t space; from <= cells[last].size(); from = space + 1) {
            space = std::min(cells[last].find(' ', from), cells[last].size());
            const std::string word = cells[last].substr(from, space - from);
            const std::string longer = pieces.back().empty() ? word : pieces.back() + " " + word;
            if (pieces.back().empty() || widthOf(font, longer) * scale <= room) {
                pieces.back() = longer;
            } else {
                pieces.push_back(word);
            }
        }
        rows.back().cells.back().second = pieces.front();
        for (std::size_t p = 1; p < pieces.size(); ++p) {
            rows.push_back({static_cast<int>(i), {{last, pieces[p]}}});
        }
    }
    return rows;
}

// Each page starts with the title's rows; a line's rows stay together.
void HelpPanel::paginate(const std::vector<Row>& rows) {
    int fit = std::max(1, (maxBottom - top - kMargin * scale) / lineHeight());
    if (static_cast<int>(rows.size()) > fit) {
        --fit; // the page's own row
    }
    std::vector<int> title;
    for (std::size_t r = 0; r < rows.size() && rows[r].line == 0; ++r) {
        title.push_back(static_cast<int>(r));
    }
    pages.push_back(title);
    for (std::size_t r = title.size(); r < rows.size();) {
        std::size_t end = r;
        while (end < rows.size() && rows[end].line == rows[r].line) {
            ++end;
        }
        if (static_cast<int>(pages.back().size() + end - r) > fit &&
            pages.back().size() > title.size()) {
            pages.push_back(title);
        }
        for (; r < end; ++r) {
            pages.back().push_back(static_cast<int>(r));
        }
    }
    rowLine.clear();
    for (const Row& row : rows) {
        rowLine.push_back(row.line);
    }
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
    // A moved highlight shows its page; H still turns pages under one that stays put.
    for (std::size_t p = 0; highlight >= 0 && highlight != followed && p < pages.size(); ++p) {
        if (std::any_of(pages[p].begin(), pages[p].end(),
                        [&](int r) { return rowLine[static_cast<std::size_t>(r)] == highlight; })) {
            page = static_cast<int>(p);
        }
    }
    followed = highlight;
    page = std::min(page, static_cast<int>(pages.size()) - 1);
    const std::vector<int>& shownRows = pages[static_cast<std::size_t>(page)];
    const SDL_Color colour = surface.colour();
    const SDL_BlendMode mode = surface.blend();
    surface.setBlend(SDL_BLENDMODE_BLEND);
    surface.setColour(0, 0, 0, 200);
    surface.fillRect(box);
    if (highlight >= 0) {
        surface.setColour(70, 70, 140, 255);
    }
    for (std::size_t k = 0; highlight >= 0 && k < shownRows.size(); ++k) {
        if (rowLine[static_cast<std::size_t>(shownRows[k])] == highlight) {
            surface.fillRect(
                {box.x, top + lineHeight() * static_cast<int>(k), box.w, lineHeight()});
        }
    }
    surface.setBlend(mode);
    surface.setColour(colour);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (labelPage[i] == page) {
            labels[i].draw();
        }
    }
}

int HelpPanel::lineAt(int y) const {
    if (!shown || labels.empty() || y < top) {
        return -1;
    }
    const std::size_t row = static_cast<std::size_t>((y - top) / lineHeight());
    const std::vector<int>& shownRows = pages[static_cast<std::size_t>(page)];
    return row < shownRows.size() ? rowLine[static_cast<std::size_t>(shownRows[row])] : -1;
}
