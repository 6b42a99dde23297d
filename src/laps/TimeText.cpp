#include "laps/TimeText.h"

#include "formats/NumberText.h"

namespace velomark {

namespace {

void appendIf(std::string& field, bool test, const char* tail) {
    if (test)
        field += tail;
}

bool periodAt(const std::string& s, size_t position) // position counts from 1
{
    return s.size() >= position && s[position - 1] == '.';
}

} // namespace

void saveNormalise(TimeSheet& sheet) {
    std::string* laps[] = {&sheet.quickRaceLap, &sheet.practice.lap, &sheet.qualifying.lap,
                           &sheet.raceLap};
    std::string* splits[] = {&sheet.practice.split1,   &sheet.practice.split2,
                             &sheet.practice.split3,   &sheet.qualifying.split1,
                             &sheet.qualifying.split2, &sheet.qualifying.split3};
    for (std::string* lap : laps)
        appendIf(*lap, lap->size() == 7 && periodAt(*lap, 5), "0");
    for (std::string* split : splits)
        appendIf(*split, split->size() == 5 && periodAt(*split, 3), "0");
    for (std::string* lap : laps)
        appendIf(*lap, lap->size() == 6 && periodAt(*lap, 5), "00");
    for (std::string* split : splits)
        appendIf(*split, split->size() == 4 && periodAt(*split, 3), "00");
    for (std::string* lap : laps)
        appendIf(*lap, lap->size() == 4 && periodAt(*lap, 2), ".000");
    for (std::string* split : splits)
        appendIf(*split, split->size() == 2, ".000");
    secondSplitNormalise(sheet.practice.split2, sheet.qualifying.split2);
}

void secondSplitNormalise(std::string& practiceSplit2, std::string& qualifyingSplit2) {
    for (std::string* s : {&practiceSplit2, &qualifyingSplit2}) {
        appendIf(*s, s->size() == 7 && periodAt(*s, 2), "0");
        appendIf(*s, s->size() == 6 && periodAt(*s, 2), "00");
        appendIf(*s, s->size() == 4 && periodAt(*s, 2), ".000");
    }
}

Completion completeSplits(TimeSheet& sheet, Session s) {
    SessionTimes& times = s == Session::Practice ? sheet.practice : sheet.qualifying;
    const MinutesForm lap = cutAtPeriods(times.lap);
    if (!lap.lengthOk)
        return Completion::LengthFailure;
    if (!lap.minutes)
        return Completion::ConversionFailure;
    if (times.split2.empty())
        return Completion::NoSecondSplit;

    secondSplitNormalise(sheet.practice.split2, sheet.qualifying.split2);

    std::optional<double> accumulated;
    if (times.split2.size() == 8) {
        const MinutesForm split = cutAtPeriods(times.split2);
        if (split.minutes && split.seconds && split.fraction)
            accumulated = 60 * *split.minutes + *split.seconds + *split.fraction;
    } else {
        accumulated = strictNumber(times.split2);
    }
    if (!accumulated || !lap.seconds || !lap.fraction)
        return Completion::ConversionFailure;

    const double lapSeconds = (60 * *lap.minutes + *lap.seconds) + *lap.fraction;
    times.split3 = decimalText(lapSeconds - *accumulated);
    return Completion::Completed;
}

std::optional<double> accumulatedSeconds(std::string_view split2) {
    return split2.size() == 8 ? fixedPositionSeconds(split2) : strictNumber(split2);
}

PlainSplit plainSecondSplit(std::string_view split1, std::string_view split2) {
    if (split2.empty())
        return {PlainSplitKind::Empty};
    const auto accumulated = accumulatedSeconds(split2);
    const auto first = strictNumber(split1);
    if (!accumulated || !first)
        return {PlainSplitKind::Failure};
    return {PlainSplitKind::Value, *accumulated - *first};
}

} // namespace velomark
