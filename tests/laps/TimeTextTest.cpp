// The editor's sheet of time texts: normalisation and split completion.
#include "laps/TimeText.h"

#include <doctest.h>

using namespace velomark;

TEST_CASE("save normalisation") {
    const struct {
        const char* name;
        std::string lap, split, split2, lapAfter, splitAfter, split2After;
    } rows[] = {{"one short", "1.23.45", "28.1", "45.67", "1.23.450", "28.100", "45.670"},
                {"two short", "1.23.4", "28.", "1.02.34", "1.23.400", "28.", "1.02.340"},
                {"no thousandths", "1.23", "28", "1.02", "1.23.000", "28.000", "1.02.000"},
                {"left alone", "83.456", "8.5", "1.02.3", "83.456", "8.5", "1.02.300"},
                {"colon, empty", "1:23.456", "", "", "1:23.456", "", ""}};
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        // Every lap field and every split field follows the same rule.
        const SessionTimes t{row.lap, row.split, row.split2, row.split};
        TimeSheet sheet{t.lap, t, t, t.lap};
        saveNormalise(sheet);
        for (const std::string* l :
             {&sheet.quickRaceLap, &sheet.practice.lap, &sheet.qualifying.lap, &sheet.raceLap})
            CHECK(*l == row.lapAfter);
        for (const SessionTimes* s : {&sheet.practice, &sheet.qualifying}) {
            CHECK(s->split1 == row.splitAfter);
            CHECK(s->split2 == row.split2After);
            CHECK(s->split3 == row.splitAfter);
        }
    }
}

TEST_CASE("split completion") {
    using enum Completion;
    const struct {
        const char* name;
        std::string lap, split2;
        Completion result;
        std::string split2After, split3After; // "old": left as it was
    } rows[] = {
        {"minutes split filled out", "1.30.950", "1.02.3", Completed, "1.02.300", "28.65"},
        {"seconds split", "1.30.950", "45.1", Completed, "45.1", "45.85"},
        {"lap shorter than split", "0.30.000", "33.5", Completed, "33.5", "-3.5"},
        {"split cut at its own periods", "10.02.31", "1.02.300", Completed, "1.02.300", "540.01"},
        {"empty lap, empty split", "", "", LengthFailure, "", "old"},
        {"one period", "83.456", "45.1", LengthFailure, "45.1", "old"},
        {"empty split", "1.30.950", "", NoSecondSplit, "", "old"},
        {"minutes not a number", ".30.950", "45.1", ConversionFailure, "45.1", "old"},
        {"split not a number", "1.30.950", "1.02.3x", ConversionFailure, "1.02.3x0", "old"}};
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        for (Session session : {Session::Practice, Session::Qualifying}) {
            TimeSheet sheet;
            SessionTimes& t = session == Session::Practice ? sheet.practice : sheet.qualifying;
            t = {row.lap, "29.100", row.split2, "old"};
            CHECK(completeSplits(sheet, session) == row.result);
            CHECK(t.split2 == row.split2After);
            CHECK(t.split3 == row.split3After);
            CHECK(t.split1 == "29.100");
        }
    }
}

TEST_CASE("completion normalises both second splits") {
    TimeSheet sheet{"", {"1.30.950", "29.100", "1.02.3", ""}, {"", "", "1.01.5", "keep"}, ""};
    CHECK(completeSplits(sheet, Session::Practice) == Completion::Completed);
    CHECK((sheet.qualifying.split2 == "1.01.500" && sheet.qualifying.split3 == "keep"));
}
