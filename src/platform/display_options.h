// The display's flags: -window=WxH and -scale=N. They ask for the size of the
// field the game plays on; the window may be any size and shows it scaled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/field_size.h"

// A fixed field shown in a window: the path of -window=WxH, for any caller that
// knows the size it wants (a recording's field, for one).
FieldRequest fixedField(int width, int height);

// A fixed field shown full-screen, scaled: a run's, the same on every screen.
FieldRequest fullScreenField(int width, int height);

constexpr int kMaxScale = 4;

struct DisplayOptions {
    FieldRequest field;
    // One line for standard error when the flags cannot be used; empty when they can.
    std::string error;
};
// Reads every -window and -scale among the arguments; other arguments are not its business.
DisplayOptions readDisplayOptions(const std::vector<std::string>& args);
