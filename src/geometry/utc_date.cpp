#include "geometry/utc_date.h"

#include <cstdio>

namespace {
constexpr std::int64_t kDaySeconds = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's days_from_civil).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool twoDigits(const std::string& s, std::size_t at, unsigned& out) {
    if (s[at] < '0' || s[at] > '9' || s[at + 1] < '0' || s[at + 1] > '9') {
        return false;
    }
    out = static_cast<unsigned>((s[at] - '0') * 10 + (s[at + 1] - '0'));
    return true;
}
} // namespace

std::string utcDateOf(std::int64_t seconds) {
    std::int64_t z = (seconds >= 0 ? seconds : seconds - (kDaySeconds - 1)) / kDaySeconds;
    // civil_from_days, the inverse of the above.
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0);
    char text[32];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02u", static_cast<long long>(y), m, d);
    return text;
}

std::optional<std::int64_t> utcMidnightOf(const std::string& date) {
    unsigned century = 0;
    unsigned year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || !twoDigits(date, 0, century) ||
        !twoDigits(date, 2, year) || !twoDigits(date, 5, month) || !twoDigits(date, 8, day)) {
        return std::nullopt;
    }
    const std::int64_t y = century * 100 + year;
    const std::int64_t seconds = daysFromCivil(y, month, day) * kDaySeconds;
    // A month or day out of range comes back as another date.
    if (y < 1970 || month < 1 || month > 12 || day < 1 || utcDateOf(seconds) != date) {
        return std::nullopt;
    }
    return seconds;
}
