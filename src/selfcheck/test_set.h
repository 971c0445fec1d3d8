// The checks that run only when the command line asks for "-test".
#pragma once

#include "objects/space_item.h"

// Runs the set in order; returns 0, or 1 when the rotation smoke check failed and
// stopped the set early.
int runTestSet();
// The same, with the item the rotation smoke check turns (a test can hand it a broken one).
int runTestSet(SpaceItem& rotateItem);
