// The data folder the bests board's tests read, in the working folder.
#pragma once

#include "formats/HistoryFile.h"
#include "support/Files.h"

#include <string>

namespace velomark::test {

inline const std::string kBoardInterlagos = // the editor's own example: ideal lap 1.29.824
    R"("1.31.200","","","","r.set","1.30.950","29.112","1.02.347","28.654","p.set",)"
    R"("1.29.800","28.905","1.01.523","28.301","q.set","1.32.400","","","","r.set")";
inline const std::string kBoardCustom = ",\"Brno\nCzechia\"" + std::string(14, ',') + "\r\n";

inline std::string qualifyingOnly(const char* lap) {
    return ",,,,,,,,,," + std::string("\"") + lap + "\",,,,,,,,,";
}

inline std::string interlagosRow(const char* when, RecordSession s, const char* lap) {
    return historyLine(
        {when, Trackset::Standard, 1, "Interlagos - Brazil", s, lap, "", "", "", ""});
}

// Yours: Interlagos (its Qualifying best set on 2026-01-05 and again on
// 2026-03-07, then matched by a Practice lap, which dates nothing), Monza
// (Qualifying 1.21.000, no history) and the Custom Brno (58.100); no
// set2.dat. The rival anna: Interlagos 1.30.000 in Practice and 1.30.212 in
// Qualifying, Brno as their circuit 5 in 58.000.
inline bool writeBoardData() {
    const auto q = RecordSession::Qualifying;
    return writeBytes("set1.dat",
                      lapRecords({{1, kBoardInterlagos}, {12, qualifyingOnly("1.21.000")}})) &&
           writeBytes("set3.dat", lapRecords({{2, qualifyingOnly("58.100")}})) &&
           writeBytes("custom", kBoardCustom) &&
           writeBytes("history.csv", std::string(kHistoryHeader) + "\r\n" +
                                         interlagosRow("2026-01-05T20:00:00+01:00", q, "1.29.800") +
                                         interlagosRow("2026-03-07T20:00:00+01:00", q, "1.29.800") +
                                         interlagosRow("2026-04-01T20:00:00+01:00", q, "1.30.100") +
                                         interlagosRow("2026-05-02T20:00:00+01:00",
                                                       RecordSession::Practice, "1.29.800")) &&
           makeFolder("anna") &&
           writeBytes("anna/set1.dat",
                      lapRecords({{1, ",,,,,\"1.30.000\",,,,,\"1.30.212\",,,,,,,,,"}})) &&
           writeBytes("anna/set3.dat", lapRecords({{5, qualifyingOnly("58.000")}})) &&
           writeBytes("anna/custom", ",,," + kBoardCustom);
}

} // namespace velomark::test
