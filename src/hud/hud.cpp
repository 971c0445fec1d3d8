#include "hud/hud.h"

#include <SDL.h>

#include <iostream>

#include "geometry/data_path.h"

Hud::Hud(SystemMessage& message) : systemMessage(message) {}

void Hud::openFont(const char* path) {
    TTF_Init();
    font = TTF_OpenFont(dataPath(path).c_str(), 20);
    if (font == nullptr) {
        std::cout << "Failed to load font:" << SDL_GetError() << std::endl;
    }
}

void Hud::closeFont() {
    if (font != nullptr) {
        TTF_CloseFont(font);
        font = nullptr;
    }
    TTF_Quit();
}

void Hud::showSystemMessage(const std::string& text, bool log) {
    systemMessage.visible = true;
    systemMessage.countdown = SystemMessage::kFrames;
    strBuffer = text;
    systemMessage.text = strBuffer;
    if (log) {
        std::cout << text << std::endl;
    }
}

void Hud::setScore(int score) {
    str = "Score:" + std::to_string(score);
}
