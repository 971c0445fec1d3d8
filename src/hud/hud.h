// On-screen text: the font, the texts behind the heads-up labels and the
// system message. What it shows is handed in by the shell as plain values.
#pragma once

#include <SDL_ttf.h>

#include <string>

#include "hud/system_message.h"

class Hud {
  public:
    explicit Hud(SystemMessage& message);

    // TTF_Init and the font at point size 20; a missing font is logged and the game
    // goes on without text.
    void openFont(const char* path);
    // Closes the font and quits SDL_ttf.
    void closeFont();

    // Shows the text for the next 400 frames; also logs it when asked.
    void showSystemMessage(const std::string& text, bool log);
    void setScore(int score);
    const std::string& scoreText() const { return str; }
    const std::string& messageText() const { return strBuffer; }

  private:
    SystemMessage& systemMessage;
    TTF_Font* font = nullptr;
    std::string str;
    std::string strBuffer;
};
