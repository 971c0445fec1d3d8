#include <deque>

#include "platform/platform.h"

void addTouchControls(Platform& platform) {
    // A tap is the control's key alone: SDL's made-up left click would add mouse lines to the
    // log that no player made.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
    auto touch = std::make_shared<TouchControls>();
    auto pending = std::make_shared<std::deque<SDL_Event>>();
    platform.input.poll = [touch, pending](SDL_Event& event) {
        std::vector<SDL_Event> out;
        for (;;) {
            if (!pending->empty()) {
                event = pending->front();
                pending->pop_front();
                return true;
            }
            if (SDL_PollEvent(&event) == 0) {
                touch->tick(SDL_GetTicks(), out);
                pending->insert(pending->end(), out.begin(), out.end());
                out.clear();
                if (pending->empty()) {
                    return false;
                }
                continue;
            }
            if (!touch->translate(event, out)) {
                return true;
            }
            pending->insert(pending->end(), out.begin(), out.end());
            out.clear();
        }
    };
    platform.touch = touch;
}
