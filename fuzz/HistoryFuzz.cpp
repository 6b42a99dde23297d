// Arbitrary bytes as history.csv, and as fields written by the CSV writer.
//
// The reader must take any file without a crash and give only rows it can
// stand behind (a known trackset and session, a circuit 1 to 16, a date).
// Read from its end back in chunks, however small, it gives the rows that one
// read of it from the end back gives.
// The writer and reader must agree: whatever the fields hold (quotes, line
// breaks, formula starts, apostrophes), one CSV line read back gives them
// exactly, and a history row written and read back is the same row.

#include "formats/Csv.h"
#include "formats/HistoryFile.h"
#include "laps/SaveTimes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace velomark;

namespace {

[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "fuzz_history: %s\n", what);
    std::abort();
}

// The input cut into fields at each zero byte.
std::vector<std::string> fieldsOf(std::string_view data) {
    std::vector<std::string> fields(1);
    for (char c : data) {
        if (c == '\0')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

void readAsHistory(std::string_view data) {
    const CircuitChoice circuit{Trackset::Custom, 3, "A\nB"};
    for (bool cut : {false, true}) {
        for (const HistoryRow& r : parseHistory(data, cut)) {
            if (r.circuit < 1 || r.circuit > 16 || !parseIsoTimestamp(r.when))
                fault("a row that is no row was read");
        }
        for (const HistoryRow& r : parseHistory(data, cut, HistoryFilter{circuit.trackset, 3}))
            if (r.set != Trackset::Custom || r.circuit != 3)
                fault("the filter let another circuit's row through");
    }
    (void)previousDate(data, circuit, {RecordSession::Race, "1.2", "1.1"});
}

// The input as the file read back: in chunks, from memory.
class MemoryFile : public FileOps {
  public:
    explicit MemoryFile(std::string_view data) : m_data(data) {}
    Result<std::string> readBefore(const std::string&, std::uint64_t end, std::size_t limit,
                                   std::uint64_t& from) override {
        end = std::min<std::uint64_t>(end, m_data.size());
        from = end > limit ? end - limit : 0;
        return std::string(m_data.substr(from, end - from));
    }

  private:
    std::string_view m_data;
};

std::vector<std::string> readBack(std::string_view data, std::size_t chunk) {
    MemoryFile file(data);
    std::vector<std::string> rows;
    const auto take = [&rows](const HistoryRow& r) {
        rows.push_back(historyLine(r));
        return true;
    };
    if (!readHistoryBackwards("memory", {Trackset::Custom, 3}, take, file, chunk))
        fault("a history in memory could not be read back");
    return rows;
}

void readInChunks(std::string_view data) {
    const std::vector<std::string> whole = readBack(data, data.size() + 1);
    for (std::size_t chunk : {1, 2, 3, 5, 16, 64})
        if (readBack(data, chunk) != whole)
            fault("a history read back in chunks gave other rows than read back at once");
}

void roundTrip(std::string_view data) {
    const std::vector<std::string> fields = fieldsOf(data);
    std::string line = csvLine(fields);
    line.resize(line.size() - 2); // its CR LF
    if (parseCsvLine(line) != fields)
        fault("a CSV line read back differs from the fields written");

    HistoryRow row;
    row.when = "2026-12-07T10:00:00+01:00";
    row.set = Trackset::TrackPack;
    row.circuit = 9;
    std::string* texts[] = {&row.circuitName, &row.lap,    &row.split1,
                            &row.split2,      &row.split3, &row.setup};
    for (size_t i = 0; i < fields.size() && i < std::size(texts); ++i)
        *texts[i] = fields[i];
    const std::vector<HistoryRow> back = parseHistory(historyLine(row));
    if (back.size() != 1 || back[0].setup != row.setup || back[0].lap != row.lap ||
        back[0].circuitName != row.circuitName)
        fault("a history row read back differs from the row written");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    readAsHistory(data);
    readInChunks(data);
    roundTrip(data);
    return 0;
}
