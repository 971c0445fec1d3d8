#include "game/process_state.h"

#include "geometry/calendar_clock.h"

ProcessState::ProcessState() : randomSeed(static_cast<std::uint32_t>(calendarSeconds())) {}
