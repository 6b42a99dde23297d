// Moments as Velomark writes them (local time with its UTC offset,
// 2026-11-02T21:15:03+01:00) and the clock that says what time it is, which
// tests replace with one that stands still.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velomark {

std::string isoTimestamp(std::int64_t unixSeconds, int utcOffsetSeconds);
// Seconds since 1970 of such a text ("Z" or an offset); nothing when malformed.
std::optional<std::int64_t> parseIsoTimestamp(std::string_view text);

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t unixSeconds() const;
    // The local time's offset from UTC at that moment, in seconds.
    virtual int utcOffsetSeconds(std::int64_t unixSeconds) const;
    // Now, as isoTimestamp writes it.
    std::string isoNow() const;
};

// The computer's own clock and time zone.
const Clock& systemClock();

} // namespace velomark
