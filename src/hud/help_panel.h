// The controls, listed on screen while H has it open; a tab in a line starts its
// next column. Its textures are made the first time it is shown; it writes
// nothing to standard output. With large text it is drawn at twice the size within
// the field: a last cell too wide wraps onto more rows, and a list too long is paged.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>
#include <vector>

#include "hud/text_label.h"

class HelpPanel {
  public:
    HelpPanel() = default;
    // A panel of lines that may change (rebuilt when they do) at its own place, whose
    // highlighted line chooses its page.
    HelpPanel(int x, int y)
        : left(x), top(y), normalLeft(x), normalTop(y), ownTop(y), shown(true) {}

    // Opening shows the first page.
    void toggle() { shown = !shown, page = 0, followed = -1; }
    bool isShown() const { return shown; }
    // Twice the size, at (x, y) and kept inside right x bottom; or the usual size and place.
    void setLarge(bool large, int x, int y, int right, int bottom);
    // Starts at field line y or below it (what the host lays over the field's top ends there);
    // 0 is its own place.
    void keepBelow(int y);
    // Turns to the next page; false on the last one.
    bool nextPage();
    // Where the open panel lies (empty while closed), and which of its lines is at height y
    // (-1: none), so a finger can pick a line.
    SDL_Rect shownBox() const { return shown ? box : SDL_Rect{0, 0, 0, 0}; }
    int lineAt(int y) const;
    // Draws the lines over a dark box, leaving the draw colour and blend mode as they were; the
    // highlighted line (if any) on a lighter band, on its page.
    void draw(DrawSurface& surface, TTF_Font* font, const std::vector<std::string>& lines,
              int highlight = -1);

  private:
    // One row on screen: the line it belongs to and its cells by column.
    struct Row {
        int line;
        std::vector<std::pair<std::size_t, std::string>> cells;
    };
    void build(DrawSurface& surface, TTF_Font* font, const std::vector<std::string>& lines);
    std::vector<Row> rowsOf(TTF_Font* font, const std::vector<std::string>& lines,
                            const std::vector<int>& columnX) const;
    void paginate(const std::vector<Row>& rows);
    int lineHeight() const { return 16 * scale; }
    // Its own top, or lower where the field's top is covered.
    void placeTop();

    int left = 60;
    int top = 150;
    int normalLeft = 60;
    int normalTop = 150;
    int scale = 1;
    // Where it would start with nothing over the field, and the first line free to start on.
    int ownTop = 150;
    int clearLine = 0;
    // How far the box may reach; the usual size has no bound.
    int maxRight = 1 << 30;
    int maxBottom = 1 << 30;
    bool shown = false;
    bool built = false;
    std::vector<std::string> builtLines;
    std::vector<TextLabel> labels;
    std::vector<int> labelPage;
    // Each page's rows, and the line of every row.
    std::vector<std::vector<int>> pages;
    std::vector<int> rowLine;
    int page = 0;
    // The highlighted line the page last turned to.
    int followed = -1;
    SDL_Rect box{0, 0, 0, 0};
};
