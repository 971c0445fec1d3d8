// What a Windows desktop needs before SDL starts; nothing on other systems.
#pragma once

// Sharp, real-size drawing at 125 % or 150 % display scaling, a console close or Ctrl-C
// that quits in order like Q, and notices a double-clicked game's player can read.
void prepareWindowsDesktop();
