// One input the game acts on: a key (pads and touch controls arrive as the keys they
// press), a mouse button in field coordinates, or the request to quit. The platform makes
// these from its events; a recording holds them and plays them back as they were.
#pragma once

#include <cstddef>
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

inline PlayerInput keyInput(int code, bool down, bool repeat = false) {
    return {PlayerInput::Kind::Key, code, down, repeat, 0, 0};
}

// SDL's scancodes and mouse buttons: what a key or a button can be.
inline constexpr int kMaxKeyCode = 511;
inline constexpr int kMinMouseButton = 1;
inline constexpr int kMaxMouseButton = 255;
// The most inputs one frame hands the game; the rest wait for the next frame. A recording's
// reader holds a frame to the same bound.
inline constexpr std::size_t kMaxFrameInputs = 65536;
// Presses of one key in one frame, repeats included: a frame that stalls for seconds with a
// key held gathers a few dozen; more is made, not played. It bounds what one frame can cost
// (W logs every rock, N builds a wave); a press past it waits for the next frame.
inline constexpr std::size_t kMaxKeyPressesPerFrame = 64;

// Whether the platform could have made it: a key or button in SDL's ranges.
inline bool isPlayerInput(const PlayerInput& in) {
    switch (in.kind) {
    case PlayerInput::Kind::Key:
        return in.code >= 0 && in.code <= kMaxKeyCode;
    case PlayerInput::Kind::Mouse:
        return in.code >= kMinMouseButton && in.code <= kMaxMouseButton;
    case PlayerInput::Kind::Quit:
        return true;
    }
    return false;
}
