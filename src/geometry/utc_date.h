// Calendar dates in UTC, worked out with whole numbers only, so every platform names the same
// day for the same second (no time zone, no C library calendar).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// "YYYY-MM-DD" of the day holding that second since 1970 (UTC).
std::string utcDateOf(std::int64_t seconds);
// The second since 1970 at that date's midnight (UTC); nothing for anything but a real date
// of the years 1970 to 9999 written as "YYYY-MM-DD".
std::optional<std::int64_t> utcMidnightOf(const std::string& date);
