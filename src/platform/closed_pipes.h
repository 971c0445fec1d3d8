// A reader that goes away (`void-angler | head`, -record into a pipe) must not end the game:
// the write fails and is told like any other, and the game goes on to its exit save.
#pragma once

void ignoreClosedPipes();
