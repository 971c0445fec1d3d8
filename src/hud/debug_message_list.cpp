#include "hud/debug_message_list.h"

#include <cstddef>

DebugMessageList::DebugMessageList(DrawSurface* surface, SDL_Texture* texture, TTF_Font* font)
    : font_(font), texture_(texture), surface_(surface) {
    for (const char* first : {"Debug Info", "Visual Range:", "zBoid1:", "zBoid2:"}) {
        appendLine(first);
    }
}

// The creation text differs from every first text, so each line renders once here.
void DebugMessageList::appendLine(const char* firstText) {
    TextLabel line(surface_, texture_, font_, "new msg:", new_x_, last_y_ + line_height_, colour_);
    line.setText(firstText);
    lines_.push_back(line);
    last_y_ += line_height_;
}

void DebugMessageList::setMessage(int i, const std::string& text) {
    if (i < 0) { // names no line
        return;
    }
    // Grows as far as needed, not by one line only, so a skipped index never reads past the end.
    while (static_cast<int>(lines_.size()) <= i) {
        appendLine("Debug Info");
    }
    lines_[static_cast<std::size_t>(i)].setText(text);
}

void DebugMessageList::drawAll() const {
    for (const TextLabel& line : lines_) {
        line.draw();
    }
}

void DebugMessageList::setColour(SDL_Color colour) {
    colour_ = colour;
    for (TextLabel& line : lines_) {
        line.setColour(colour);
    }
}
