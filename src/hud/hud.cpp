#include "hud/hud.h"

#include <algorithm>
#include <iostream>

#include "geometry/data_path.h"

Hud::Hud(SystemMessage& message) : systemMessage(message) {}

void Hud::openFont(const char* path) {
    TTF_Init();
    const std::string file = dataPath(path);
    font = TTF_OpenFont(file.c_str(), 20);
    if (font == nullptr) {
        std::cout << "Failed to load font:" << SDL_GetError() << std::endl;
        reportUnloaded(file, SDL_GetError());
    }
}

void Hud::createLabels(DrawSurface& to, Point windowSize, int score, int rocks, int missiles) {
    surface = &to;
    field = windowSize;
    strBuffer.clear();
    dbgMsgs.emplace(surface, nullptr, font);
    scoreLabel =
        std::make_unique<TextLabel>(surface, nullptr, font, "FART!!!", 800, 5, palette.text);
    setScore(score);
    lvlTxt.emplace(surface, nullptr, font, "Lvl:", 720, 5, palette.text);
    rksTxt.emplace(surface, nullptr, font, "Roid:" + std::to_string(rocks), 640, 5, palette.text);
    magTxt.emplace(surface, nullptr, font, "Mag:" + std::to_string(missiles), 800, 20,
                   palette.text);
    sysTxtMsg.emplace(surface, nullptr, font, strBuffer, windowSize.x - 455, windowSize.y - 20,
                      palette.text);
}

void Hud::setLook(const Palette& colours, bool large) {
    largeText = large;
    layOut();
    palette = colours;
    for (TextLabel* label : headsUpLabels()) {
        label->setColour(palette.text);
    }
    if (dbgMsgs) {
        dbgMsgs->setColour(palette.text);
    }
}

// Large, the heads-up labels keep their order at twice the spacing from the first one's corner,
// which leaves them clear of the radar in a field 1280 wide; the message keeps to the bottom
// right; the panels go below the heads-up line and above the message.
void Hud::layOut() {
    const int scale = largeText ? 2 : 1;
    const auto place = [&](std::optional<TextLabel>& label, int x, int y) {
        if (label) {
            label->setScale(scale);
            label->moveTo(640 + scale * (x - 640), 5 + scale * (y - 5));
        }
    };
    if (scoreLabel) {
        scoreLabel->setScale(scale);
        scoreLabel->moveTo(640 + scale * 160, 5);
    }
    place(lvlTxt, 720, 5);
    place(rksTxt, 640, 5);
    place(magTxt, 800, 20);
    place(timeTxt, 640, 20);
    if (sysTxtMsg) {
        sysTxtMsg->setScale(scale);
        sysTxtMsg->moveTo(std::max(0, field.x - 455 * scale), field.y - 20 * scale);
    }
    const int panelTop = 90;
    help.setLarge(largeText, 20, panelTop, field.x, field.y - 20 * scale - 5);
    settings.setLarge(largeText, 20, panelTop, field.x, field.y - 20 * scale - 5);
}

void Hud::toggleHelp() {
    if (!help.isShown() || !help.nextPage()) {
        help.toggle();
    }
}

std::vector<TextLabel*> Hud::headsUpLabels() {
    std::vector<TextLabel*> out;
    for (TextLabel* label : {scoreLabel.get(), lvlTxt ? &*lvlTxt : nullptr,
                             rksTxt ? &*rksTxt : nullptr, magTxt ? &*magTxt : nullptr,
                             timeTxt ? &*timeTxt : nullptr, sysTxtMsg ? &*sysTxtMsg : nullptr}) {
        if (label != nullptr) {
            out.push_back(label);
        }
    }
    return out;
}

void Hud::setScore(int score) {
    str = "Score:" + std::to_string(score);
    if (scoreLabel) {
        scoreLabel->setText(str);
    }
}

void Hud::drawScore() const {
    if (scoreLabel) {
        scoreLabel->draw();
    }
}

void Hud::refresh(int level, int rocks, int magazine) {
    strLvl = "LvL:" + std::to_string(level);
    lvlTxt->setText(strLvl);
    lvlTxt->draw();
    strRks = "Roids:" + std::to_string(rocks);
    rksTxt->setText(strRks);
    rksTxt->draw();
    strMag = "Mag:" + std::to_string(magazine);
    magTxt->setText(strMag);
    magTxt->draw();
}

void Hud::drawTimeLeft(int frames) {
    const std::string text = "Time:" + std::to_string(frames);
    if (!timeTxt) {
        timeTxt.emplace(surface, nullptr, font, text, 640, 20, palette.text);
        layOut();
    }
    timeTxt->setText(text);
    timeTxt->draw();
}

void Hud::showSystemMessage(const std::string& text, bool log) {
    systemMessage.visible = true;
    systemMessage.countdown = SystemMessage::kFrames;
    strBuffer = text;
    systemMessage.text = strBuffer;
    if (sysTxtMsg) {
        sysTxtMsg->setText(strBuffer);
    }
    if (log) {
        std::cout << text << std::endl;
    }
}

void Hud::drawSystemMessage() {
    if (systemMessage.visible && systemMessage.countdown >= 1) {
        sysTxtMsg->draw();
        --systemMessage.countdown;
    }
}

void Hud::drawOverlay(const OverlayValues& values) {
    const std::array<std::string, 10> lines = overlayLines(values);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        dbgMsgs->setMessage(static_cast<int>(i), lines[i]);
    }
    dbgMsgs->drawAll();
}

void Hud::drawHelp(const std::vector<std::string>& lines, int highlight) {
    help.draw(*surface, font, lines, highlight);
}

void Hud::drawSettings(const std::vector<std::string>& lines, int chosen) {
    settings.draw(*surface, font, lines, chosen);
}

void Hud::closeFont() {
    if (font != nullptr) {
        TTF_CloseFont(font);
        font = nullptr;
    }
    TTF_Quit();
}
