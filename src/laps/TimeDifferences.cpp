#include "laps/TimeDifferences.h"

#include "formats/NumberText.h"
#include "laps/TimeText.h"

#include <cmath>

namespace velomark {

namespace {

// Leading values for one display: each that fails (a number too large for a
// double) counts 0 here and marks the whole display as failed.
class Leading {
  public:
    double operator()(std::string_view text) {
        const std::optional<double> v = leadingValue(text);
        m_failed = m_failed || !v;
        return v.value_or(0);
    }
    bool failed() const { return m_failed; }

  private:
    bool m_failed = false;
};

struct SessionSplits {
    const SessionTimes& texts;
    double accumulated = 0; // the +2nd split as seconds
    double leadingAccumulated = 0;
    double first = 0; // strict number of the 1st split
    double secondSector() const { return accumulated - first; }
};

std::optional<SessionSplits> readSession(const SessionTimes& t, Leading& lead) {
    const auto accumulated = accumulatedSeconds(t.split2);
    const auto first = strictNumber(t.split1);
    if (!accumulated || !first)
        return std::nullopt;
    SessionSplits s{t, *accumulated, 0, *first};
    // An 8-character +2nd split stands for its seconds; any other for its text.
    s.leadingAccumulated = t.split2.size() == 8 ? lead(decimalText(*accumulated)) : lead(t.split2);
    return s;
}

bool bothAbove0(const std::string& a, const std::string& b, Leading& lead) {
    return lead(a) > 0 && lead(b) > 0;
}

std::string signedText(double difference, Leading& lead) {
    std::string text = threeDecimalFormat(difference);
    return lead(text) > 0 ? "+" + text : text;
}

// Whether a session's splits add up to more than 0; a split too large to read
// still counts as typed.
bool somethingTyped(const SessionTimes& t) {
    double sum = 0;
    for (const std::string* split : {&t.split1, &t.split2, &t.split3}) {
        const std::optional<double> v = leadingValue(*split);
        if (!v)
            return true;
        sum += *v;
    }
    return sum > 0;
}

} // namespace

bool differencesAvailable(const SessionTimes& p, const SessionTimes& q) {
    return somethingTyped(p) && somethingTyped(q);
}

std::optional<DifferenceDisplay>
timeDifferences(const SessionTimes& practice, const SessionTimes& qualifying, DifferenceSide side) {
    Leading lead;
    const auto p = readSession(practice, lead);
    const auto q = readSession(qualifying, lead);
    if (!p || !q)
        return std::nullopt;

    const bool practiceFirst = side == DifferenceSide::PracticeMinusQualifying;
    const SessionSplits& a = practiceFirst ? *p : *q;
    const SessionSplits& b = practiceFirst ? *q : *p;

    DifferenceDisplay d;
    if (bothAbove0(a.texts.split1, b.texts.split1, lead))
        d.labels[0] = signedText(a.first - b.first, lead);
    if (bothAbove0(a.texts.split2, b.texts.split2, lead))
        d.labels[1] = signedText(a.accumulated - b.accumulated, lead);
    if (bothAbove0(a.texts.split3, b.texts.split3, lead)) {
        const auto a3 = strictNumber(a.texts.split3);
        const auto b3 = strictNumber(b.texts.split3);
        if (!a3 || !b3)
            return std::nullopt;
        d.labels[2] = signedText(*a3 - *b3, lead);
        d.labels[3] = signedText((lead(a.texts.split3) + a.leadingAccumulated) -
                                     (lead(b.texts.split3) + b.leadingAccumulated),
                                 lead);
    }

    // Best sectors; a tie takes Practice.
    const std::string& best1 =
        lead(qualifying.split1) < lead(practice.split1) ? qualifying.split1 : practice.split1;
    const double best2 =
        p->secondSector() > q->secondSector() ? q->secondSector() : p->secondSector();
    const std::string& best3 =
        lead(qualifying.split3) < lead(practice.split3) ? qualifying.split3 : practice.split3;
    const double ideal = lead(best1) + lead(decimalText(best2)) + lead(best3);
    if (lead.failed())
        return std::nullopt;
    d.idealLap = "Ideal Lap Time: " + lapTimeText(ideal);
    d.idealSeconds = ideal;
    return d;
}

std::optional<double> idealLapSeconds(const SessionTimes& practice,
                                      const SessionTimes& qualifying) {
    if (!differencesAvailable(practice, qualifying))
        return std::nullopt;
    const auto shown =
        timeDifferences(practice, qualifying, DifferenceSide::PracticeMinusQualifying);
    return shown ? std::optional(shown->idealSeconds) : std::nullopt;
}

} // namespace velomark
