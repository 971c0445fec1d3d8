// Errors a player must read to get the game going (the wrong folder, no display).
#pragma once

#include <string>

// One line on standard error. On Windows a double-clicked game owns its console alone and the
// console closes with it, so the line is also shown in a message box; never when the output
// goes anywhere but a console, where nobody could press its button.
void tellPlayer(const std::string& text);
