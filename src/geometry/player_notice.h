// Errors a player must read to get the game going (the wrong folder, no display).
#pragma once

#include <functional>
#include <string>

// One line on standard error, then shown however the host shows a notice (if at all).
void tellPlayer(const std::string& text);
// The host's way to show a notice besides standard error (the Windows desktop's message box);
// empty for none.
void setNoticeShower(std::function<void(const std::string& text)> show);
