// One input the game acted on: a key (a pad's controls arrive as the keys they
// press), a mouse button in field coordinates, or the request to quit.
#pragma once

#include <cstdint>

struct PlayerInput {
    enum class Kind : std::uint8_t { Key, Mouse, Quit };

    Kind kind = Kind::Quit;
    int code = 0; // scancode or mouse button
    bool down = false;
    bool repeat = false;
    int x = 0;
    int y = 0;

    bool operator==(const PlayerInput&) const = default;
};
