// The calendar clock in whole seconds. Every reseed and checkpoint name reads it
// through here so tests can pin it; the game always uses the real clock.
#pragma once

#include <ctime>
#include <functional>

std::time_t calendarSeconds();
// Pins the clock; an empty function restores the real one.
void setCalendarClock(std::function<std::time_t()> clock);
// Reseeds the game's generator with the calendar clock.
void reseedFromClock();
