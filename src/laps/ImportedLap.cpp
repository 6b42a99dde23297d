#include "laps/ImportedLap.h"

namespace velomark {

std::optional<Session> sessionToComplete(RecordSession slot) {
    if (slot == RecordSession::Practice)
        return Session::Practice;
    if (slot == RecordSession::Qualifying)
        return Session::Qualifying;
    return std::nullopt;
}

void insertImportedLap(TimeSheet& sheet, const ImportedLap& lap) {
    if (lap.slot == RecordSession::QuickRace) {
        sheet.quickRaceLap = lap.lap;
        return;
    }
    if (lap.slot == RecordSession::Race) {
        sheet.raceLap = lap.lap;
        return;
    }
    SessionTimes& times = lap.slot == RecordSession::Practice ? sheet.practice : sheet.qualifying;
    if (times.lap != lap.lap)
        times = SessionTimes{lap.lap, {}, {}, {}};
    times.split1 = lap.split1;
    times.split2 = lap.split2;
}

bool completeThirdSplit(TimeSheet& sheet, Session session) {
    TimeSheet completed = sheet;
    if (completeSplits(completed, session) == Completion::LengthFailure)
        return false;
    sheet = completed;
    return true;
}

} // namespace velomark
