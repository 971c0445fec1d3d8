// What a Windows desktop needs before SDL starts; nothing on other systems.
#pragma once

// Sharp, real-size drawing at 125 % or 150 % display scaling, and a console close or Ctrl-C
// that quits in order like Q.
void prepareWindowsDesktop();
