#include "formats/Dates.h"

#include <cstdlib>
#include <ctime>

namespace velomark {

namespace {

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

std::optional<int> digits(std::string_view text, size_t at, size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string twoDigits(int v) {
    return {static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
}

} // namespace

std::string isoTimestamp(std::int64_t unixSeconds, int utcOffsetSeconds) {
    const std::int64_t local = unixSeconds + utcOffsetSeconds;
    std::int64_t days = local >= 0 ? local / 86400 : (local - 86399) / 86400;
    const auto secondOfDay = static_cast<int>(local - days * 86400);
    // Civil date from days since 1970 (the inverse of daysFromCivil).
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);

    const int offsetMinutes = std::abs(utcOffsetSeconds) / 60;
    return std::to_string(y) + "-" + twoDigits(static_cast<int>(m)) + "-" +
           twoDigits(static_cast<int>(d)) + "T" + twoDigits(secondOfDay / 3600) + ":" +
           twoDigits(secondOfDay / 60 % 60) + ":" + twoDigits(secondOfDay % 60) +
           (utcOffsetSeconds < 0 ? "-" : "+") + twoDigits(offsetMinutes / 60) + ":" +
           twoDigits(offsetMinutes % 60);
}

std::int64_t Clock::unixSeconds() const {
    return static_cast<std::int64_t>(std::time(nullptr));
}

int Clock::utcOffsetSeconds(std::int64_t unixSeconds) const {
    const auto now = static_cast<std::time_t>(unixSeconds);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const std::int64_t asIfUtc =
        daysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday)) *
            86400 +
        local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return static_cast<int>(asIfUtc - now);
}

std::string Clock::isoNow() const {
    const std::int64_t now = unixSeconds();
    return isoTimestamp(now, utcOffsetSeconds(now));
}

const Clock& systemClock() {
    static const Clock clock;
    return clock;
}

std::optional<std::int64_t> parseIsoTimestamp(std::string_view t) {
    // YYYY-MM-DDTHH:MM:SS, then Z or +HH:MM / -HH:MM.
    const auto y = digits(t, 0, 4), mo = digits(t, 5, 2), d = digits(t, 8, 2);
    const auto h = digits(t, 11, 2), mi = digits(t, 14, 2), s = digits(t, 17, 2);
    if (!y || !mo || !d || !h || !mi || !s || t[4] != '-' || t[7] != '-' || t[10] != 'T' ||
        t[13] != ':' || t[16] != ':' || *mo < 1 || *mo > 12 || *d < 1 || *d > 31 || *h > 23 ||
        *mi > 59 || *s > 60)
        return std::nullopt;
    int offset = 0;
    const std::string_view zone = t.substr(19);
    if (zone != "Z") {
        const auto oh = digits(zone, 1, 2), om = digits(zone, 4, 2);
        if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':' || !oh ||
            !om || *om > 59)
            return std::nullopt;
        offset = (zone[0] == '-' ? -1 : 1) * (*oh * 3600 + *om * 60);
    }
    return daysFromCivil(*y, static_cast<unsigned>(*mo), static_cast<unsigned>(*d)) * 86400 +
           *h * 3600 + *mi * 60 + *s - offset;
}

} // namespace velomark
