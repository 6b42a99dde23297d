#include "laps/LapDetails.h"

namespace velomark {

std::optional<std::vector<std::string>> notCleanBecause(const hotlap::HotlapLap& lap) {
    if (lap.extension != hotlap::Extension::Readable)
        return std::nullopt;
    std::vector<std::string> why;
    const auto flag = [&](uint8_t f) {
        if (lap.lapFlags & f)
            why.emplace_back(hotlap::lapFlagWords(f));
    };
    flag(hotlap::kOffTrack);
    if (lap.throughPits())
        why.emplace_back(hotlap::lapFlagWords(hotlap::kThroughPits));
    flag(hotlap::kDetailChanged);
    if (lap.slowMotion > 0)
        why.push_back("slow motion " + hotlap::slowMotionText(lap.slowMotion));
    if (lap.aidChanges > 0)
        why.push_back(std::to_string(lap.aidChanges) +
                      (lap.aidChanges == 1 ? " aid change" : " aid changes"));
    // Both are marked in HOF2.5 mode only.
    flag(hotlap::kF4Used);
    flag(hotlap::kNoSlowDown);
    return why;
}

std::string cleanText(const hotlap::HotlapLap& lap) {
    const auto why = notCleanBecause(lap);
    if (!why)
        return "unknown";
    if (why->empty())
        return "yes";
    std::string text;
    for (const std::string& reason : *why)
        text += (text.empty() ? "" : ", ") + reason;
    return text;
}

bool isClean(const hotlap::HotlapLap& lap) {
    const auto why = notCleanBecause(lap);
    return why && why->empty();
}

std::vector<std::string> lapDetails(const HotlapReading& lap) {
    if (lap.state == HotlapState::Unreadable)
        return {lap.session};
    std::vector<std::string> lines{"Clean: " + cleanText(lap.record)};
    for (std::string& line : hotlap::detailLines(lap.record))
        lines.push_back(std::move(line));
    return lines;
}

} // namespace velomark
