#include "laps/HotlapFolder.h"

#include "files/FileOps.h"
#include "formats/HotlapFiles.h"

#include <chrono>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace velomark {

Result<SavesFolder> listSavesFolder(std::string_view dosDirectory) {
    Result<std::vector<std::string>> names = listHotlapFiles(dosDirectory, kEveryHotlapPattern);
    if (!names)
        return names.error();
    SavesFolder folder{std::move(names).value(), 0};
    // What the list leaves out, to be counted: anything else of such a name.
    std::error_code ec;
    for (fs::directory_iterator it(nativePath(dosDirectory), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError) &&
            matchesDosPattern(kEveryHotlapPattern, it->path().filename().string()))
            ++folder.notFiles;
    }
    return folder;
}

std::string pathIn(const std::string& nativeDir, const std::string& name) {
    return (fs::path(nativeDir) / name).string();
}

FileStamp fileStamp(const std::string& path) {
    std::error_code ec;
    const fs::file_time_type written = fs::last_write_time(path, ec);
    if (ec)
        return {};
    const std::uintmax_t size = fs::file_size(path, ec);
    const auto since1970 = std::chrono::file_clock::to_sys(written).time_since_epoch();
    return {std::chrono::duration_cast<std::chrono::seconds>(since1970).count(),
            ec ? 0 : static_cast<std::uint64_t>(size)};
}

namespace {

// A message about the file at path as a cell says it, the row already naming
// the file: "The file is cut short...", the reader's sentence without its name.
Sentence aboutTheFile(const Error& error, const std::string& path) {
    const std::vector<SentenceValue>& values = error.text.values();
    if (error.text.source() == nullptr || values.empty() || values.front().text != path ||
        !std::string_view(error.text.source()).starts_with("The file %1 "))
        return error.text;
    std::vector<SentenceValue> without = values;
    without.front() = omittedPlace();
    return Sentence({error.text.context(), error.text.source()}, std::move(without));
}

// What the Session cell says of a file from which no time is taken.
Sentence withoutTimes(hotlap::Extension extension) {
    switch (extension) {
    case hotlap::Extension::Damaged:
        return VM_TEXT("HotLaps", "times damaged in this file");
    case hotlap::Extension::TooOld:
        return VM_TEXT("HotLaps", "times not readable (saved before GP2Lap 1.14)");
    default:
        return VM_TEXT("HotLaps", "times not in this file");
    }
}

void takeSession(HotlapReading& r) {
    switch (hotlapSession(r.fields.session)) {
    case HotlapSession::Practice:
        r.slot = RecordSession::Practice;
        break;
    case HotlapSession::Qualifying:
        r.slot = RecordSession::Qualifying;
        break;
    case HotlapSession::RaceOrQuickRace:
        r.slot = RecordSession::Race;
        break;
    case HotlapSession::None:
        r.state = HotlapState::NotKept;
        r.session = Sentence(VM_TEXT("HotLaps", "%1 (never taken)"), {r.fields.session});
        return;
    }
    r.state = r.fields.lap.empty() ? HotlapState::NoTimes : HotlapState::Timed;
    r.session = r.fields.lap.empty() ? Sentence(VM_TEXT("HotLaps", "%1: no lap time in this file"),
                                                {Sentence(sessionWord(r.slot))})
                                     : Sentence(sessionWord(r.slot));
}

} // namespace

HotlapReading readHotlapAt(const std::string& nativeDir, const std::string& name) {
    HotlapReading r;
    r.name = name;
    const std::string path = pathIn(nativeDir, name);
    r.stamp = fileStamp(path);
    Result<std::string> bytes = hotlap::readHotlapFile(path);
    Result<hotlap::HotlapLap> lap =
        bytes ? hotlap::readHotlap(*bytes, name) : Result<hotlap::HotlapLap>(bytes.error());
    if (!lap) {
        r.session = aboutTheFile(lap.error(), bytes ? name : path);
        return r;
    }
    if (lap->trackNumber > 15) {
        r.session =
            Sentence(VM_TEXT("HotLaps", "The file names track number %1, which is no circuit."),
                     {lap->trackNumber});
        return r;
    }
    r.circuit = lap->trackNumber + 1;
    r.record = *lap;
    r.customTrack = lap->extension == hotlap::Extension::Readable && lap->customTrack;
    r.trackName = r.customTrack ? lap->trackName : std::string();
    // The import's own reading: the dump as hof2lap prints it, scanned, mapped, converted.
    r.fields = scanDump(hotlap::dumpText(*lap));
    tchange(r.fields);
    if (lap->extension != hotlap::Extension::Readable) {
        r.state = HotlapState::NoTimes;
        r.session = withoutTimes(lap->extension);
        return r;
    }
    takeSession(r);
    return r;
}

} // namespace velomark
