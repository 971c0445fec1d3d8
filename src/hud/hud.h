// On-screen text: the font, the heads-up labels along the top, the system
// message, the debug overlay and the help panel. What it shows is handed in by
// the shell as plain values.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "geometry/palette.h"
#include "geometry/point.h"
#include "hud/debug_message_list.h"
#include "hud/help_panel.h"
#include "hud/overlay_lines.h"
#include "hud/system_message.h"
#include "hud/text_label.h"

class Hud {
  public:
    explicit Hud(SystemMessage& message);

    // TTF_Init and the font at point size 20; a missing font is logged and the game
    // goes on without text.
    void openFont(const char* path);
    // The debug list and the heads-up labels, the system message's last.
    void createLabels(DrawSurface& surface, Point windowSize, int score, int rocks, int missiles);

    // The colour of the text; large: the heads-up line, the system message and the panels at
    // twice the size, placed so that none covers another.
    void setLook(const Palette& colours, bool large);

    void setScore(int score);
    void drawScore() const;
    // "LvL:", "Roids:" and "Mag:" re-texted (rendered only on a change) and drawn.
    void refresh(int level, int rocks, int magazine);
    // A run's frames left, "Time:N", under the rock count.
    void drawTimeLeft(int frames);
    // Shows the text for the next 400 frames; also logs it when asked.
    void showSystemMessage(const std::string& text, bool log);
    // Draws the message while its countdown lasts.
    void drawSystemMessage();
    void drawOverlay(const OverlayValues& values);
    // Opens, turns the page, or closes after the last one.
    void toggleHelp();
    void drawHelp(const std::vector<std::string>& lines, int highlight = -1);
    // The settings panel, its chosen line highlighted; near the top, so its thirty-two lines fit
    // the smallest field.
    void drawSettings(const std::vector<std::string>& lines, int chosen);

    // The panels start below field line y, where what the host lays over the field ends.
    void keepPanelsBelow(int y) {
        help.keepBelow(y);
        settings.keepBelow(y);
    }

    // Shut-down: the heap score label goes first; the font closes after the renderer.
    void deleteScoreLabel() { scoreLabel.reset(); }
    void closeFont();

    const std::string& scoreText() const { return str; }
    const std::string& messageText() const { return strBuffer; }
    bool helpShown() const { return help.isShown(); }
    const HelpPanel& helpPanel() const { return help; }
    const HelpPanel& settingsPanel() const { return settings; }

  private:
    std::vector<TextLabel*> headsUpLabels();
    // Each label at its place, or large.
    void layOut();

    SystemMessage& systemMessage;
    Palette palette = kUsualPalette;
    bool largeText = false;
    Point field;
    DrawSurface* surface = nullptr;
    TTF_Font* font = nullptr;
    std::string str;
    std::string strLvl;
    std::string strRks;
    std::string strMag;
    std::string strBuffer;
    std::optional<DebugMessageList> dbgMsgs;
    std::unique_ptr<TextLabel> scoreLabel;
    std::optional<TextLabel> lvlTxt;
    std::optional<TextLabel> rksTxt;
    std::optional<TextLabel> magTxt;
    std::optional<TextLabel> timeTxt;
    std::optional<TextLabel> sysTxtMsg;
    HelpPanel help;
    HelpPanel settings{60, 40};
};
