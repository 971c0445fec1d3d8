// What the keys and the mouse hold between frames.
#pragma once

struct InputFlags {
    bool turnLeftHeld = false;   // LEFT is down: turn left every frame
    bool turnRightHeld = false;  // RIGHT is down: turn right every frame
    bool thrustHeld = false;     // UP is down: thrust every frame
    bool fireHeld = false;       // SPACE is down: fire every frame
    bool shieldShown = false;    // S toggled the shield display on
    bool debugOverlay = false;   // D toggled the debug lines on
    bool rightMouseHeld = false; // the right button is down: outline every island
    bool milkRunMode = false;    // M: a cleared field stays empty
    bool soundMuted = false;     // G: no effect plays and the radar loop is halted
    bool rangeRequest = false;   // V: the next UP or DOWN changes the flock's visual range
    bool rangeUp = false;        // UP was the last of UP and DOWN pressed
    bool rangeDown = false;      // DOWN was the last of UP and DOWN pressed
};
