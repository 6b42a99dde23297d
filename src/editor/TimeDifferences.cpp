#include "editor/TimeDifferences.h"

#include "store/TimeText.h"

#include <cmath>

namespace velomark {

namespace {

struct SessionSplits {
    const SplitTexts& texts;
    double accumulated = 0; // the +2nd split as seconds
    double leadingAccumulated = 0;
    double first = 0; // strict number of the 1st split
    double secondSector() const { return accumulated - first; }
};

std::optional<SessionSplits> readSession(const SplitTexts& t) {
    const auto accumulated = accumulatedSeconds(t.split2);
    const auto first = strictNumber(t.split1);
    if (!accumulated || !first)
        return std::nullopt;
    SessionSplits s{t, *accumulated, 0, *first};
    // An 8-character +2nd split stands for its seconds; any other for its text.
    s.leadingAccumulated =
        t.split2.size() == 8 ? leadingValue(decimalText(*accumulated)) : leadingValue(t.split2);
    return s;
}

bool bothAbove0(const std::string& a, const std::string& b) {
    return leadingValue(a) > 0 && leadingValue(b) > 0;
}

std::string signedText(double difference) {
    std::string text = threeDecimalFormat(difference);
    return leadingValue(text) > 0 ? "+" + text : text;
}

} // namespace

bool differencesAvailable(const SplitTexts& p, const SplitTexts& q) {
    const double pSum = leadingValue(p.split1) + leadingValue(p.split2) + leadingValue(p.split3);
    const double qSum = leadingValue(q.split1) + leadingValue(q.split2) + leadingValue(q.split3);
    return pSum > 0 && qSum > 0;
}

std::optional<DifferenceDisplay>
timeDifferences(const SplitTexts& practice, const SplitTexts& qualifying, DifferenceSide side) {
    const auto p = readSession(practice);
    const auto q = readSession(qualifying);
    if (!p || !q)
        return std::nullopt;

    const bool practiceFirst = side == DifferenceSide::PracticeMinusQualifying;
    const SessionSplits& a = practiceFirst ? *p : *q;
    const SessionSplits& b = practiceFirst ? *q : *p;

    DifferenceDisplay d;
    if (bothAbove0(a.texts.split1, b.texts.split1))
        d.labels[0] = signedText(a.first - b.first);
    if (bothAbove0(a.texts.split2, b.texts.split2))
        d.labels[1] = signedText(a.accumulated - b.accumulated);
    if (bothAbove0(a.texts.split3, b.texts.split3)) {
        const auto a3 = strictNumber(a.texts.split3);
        const auto b3 = strictNumber(b.texts.split3);
        if (!a3 || !b3)
            return std::nullopt;
        d.labels[2] = signedText(*a3 - *b3);
        d.labels[3] = signedText((leadingValue(a.texts.split3) + a.leadingAccumulated) -
                                 (leadingValue(b.texts.split3) + b.leadingAccumulated));
    }

    // Best sectors; a tie takes Practice.
    const std::string& best1 = leadingValue(qualifying.split1) < leadingValue(practice.split1)
                                   ? qualifying.split1
                                   : practice.split1;
    const double best2 =
        p->secondSector() > q->secondSector() ? q->secondSector() : p->secondSector();
    const std::string& best3 = leadingValue(qualifying.split3) < leadingValue(practice.split3)
                                   ? qualifying.split3
                                   : practice.split3;
    const double ideal =
        leadingValue(best1) + leadingValue(decimalText(best2)) + leadingValue(best3);
    d.idealLap = "Ideal Lap Time: " + idealLapText(ideal);
    return d;
}

std::string idealLapText(double seconds) {
    const double whole = std::floor(seconds);
    double minutes = std::floor(whole / 60);
    const double rest = whole - 60 * minutes;
    const double rounded = leadingValue(decimalText(seconds)); // 15 significant digits
    const std::string secondsText = decimalText(rest + (rounded - whole)).substr(0, 8);
    std::string shown = secondsFormat(leadingValue(secondsText));
    if (leadingValue(shown) >= 60) {
        minutes += 1;
        shown = secondsFormat(leadingValue(secondsText) - 60);
    }
    std::string text = decimalText(minutes) + "." + shown;
    std::erase(text, ' ');
    return text;
}

} // namespace velomark
