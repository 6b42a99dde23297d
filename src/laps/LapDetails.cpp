#include "laps/LapDetails.h"

namespace velomark {

std::optional<std::vector<Sentence>> notCleanBecause(const hotlap::HotlapLap& lap) {
    if (lap.extension != hotlap::Extension::Readable)
        return std::nullopt;
    std::vector<Sentence> why;
    const auto flag = [&](uint8_t f) {
        if (lap.lapFlags & f)
            why.emplace_back(hotlap::lapFlagWords(f));
    };
    flag(hotlap::kOffTrack);
    if (lap.throughPits())
        why.emplace_back(hotlap::lapFlagWords(hotlap::kThroughPits));
    flag(hotlap::kDetailChanged);
    if (lap.slowMotion > 0)
        why.emplace_back(VM_TEXT("HotLaps", "slow motion %1"),
                         std::vector<SentenceValue>{hotlap::slowMotionText(lap.slowMotion)});
    if (lap.aidChanges > 0)
        why.emplace_back(lap.aidChanges == 1 ? VM_TEXT("HotLaps", "%1 aid change")
                                             : VM_TEXT("HotLaps", "%1 aid changes"),
                         std::vector<SentenceValue>{lap.aidChanges});
    // Both are marked in HOF2.5 mode only.
    flag(hotlap::kF4Used);
    flag(hotlap::kNoSlowDown);
    return why;
}

Sentence cleanSentence(const hotlap::HotlapLap& lap) {
    const auto why = notCleanBecause(lap);
    if (!why)
        return VM_TEXT("HotLaps", "unknown");
    if (why->empty())
        return VM_TEXT("HotLaps", "yes");
    return listOf(*why);
}

std::string cleanText(const hotlap::HotlapLap& lap) {
    return cleanSentence(lap).english();
}

bool isClean(const hotlap::HotlapLap& lap) {
    const auto why = notCleanBecause(lap);
    return why && why->empty();
}

std::vector<Sentence> lapDetails(const HotlapReading& lap) {
    if (lap.state == HotlapState::Unreadable)
        return {lap.session};
    std::vector<Sentence> lines{
        Sentence(VM_TEXT("HotLaps", "Clean: %1"), {cleanSentence(lap.record)})};
    for (Sentence& line : hotlap::detailSentences(lap.record))
        lines.push_back(std::move(line));
    return lines;
}

} // namespace velomark
