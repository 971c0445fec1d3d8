#include "geometry/calendar_clock.h"

#include "geometry/game_rand.h"

namespace {
std::function<std::time_t()>& clockFn() {
    static std::function<std::time_t()> fn;
    return fn;
}
} // namespace

std::time_t calendarSeconds() {
    auto& fn = clockFn();
    return fn ? fn() : std::time(nullptr);
}

void setCalendarClock(std::function<std::time_t()> clock) {
    clockFn() = std::move(clock);
}

void reseedFromClock() {
    gameSrand(static_cast<std::uint32_t>(calendarSeconds()));
}
