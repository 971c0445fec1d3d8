// A run's end: the platform shows what follows it in the game's window, drawn with the game's
// font in the settings panel's place, before the game shuts down.
#include "game/game.h"

void Game::showRunEnd() {
    InputTranslator& events = *platform.input.events;
    events.typing();
    RunEndScreen screen{ps.score, ps.level, &events, {}, {}};
    screen.show = [this](const std::vector<std::string>& lines, int highlight) {
        view.beginFrame();
        surface->setColour(8, 12, 28, 255);
        surface->clear();
        keepPanelsClear();
        headsUp.drawSettings(lines, highlight);
        view.present();
        platform.sleep(14);
    };
    screen.lineAt = [this](int y) { return headsUp.settingsPanel().lineAt(y); };
    platform.runEnded(screen);
}
