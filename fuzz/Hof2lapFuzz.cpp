// Arbitrary bytes into the hot-lap reader and its decompressor.
//
// Beyond "no crash, no out-of-bounds read" (the sanitizers' part), it checks
// what the import relies on in every dump hof2lap prints: lines each ended by
// CR LF with no other CR or LF in it, the opening and closing lines that tell
// the import the dump is whole, the circuit on the line after the opening one,
// and each of the import's keys only on its own line among the 19 the import
// reads, one blank after the key, never among the details after them; and
// that the decompressor never writes past its limit.

#include "formats/DumpScanner.h"
#include "formats/HotlapFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace velomark;
using namespace velomark::hotlap;

namespace {

[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "fuzz_hof2lap: %s\n", what);
    std::abort();
}

constexpr std::string_view kKeys[] = {"Session:", "Lap time", "split 1", "split 2", "Hot lap for"};
// The most a dump holds: the opening, the circuit, four times, the lap, the
// linked file and the checksum's warning, twelve details, the closing line.
constexpr int kMostLines = 22;

void checkDump(const std::string& dump) {
    size_t start = 0;
    int count = 0;
    while (start < dump.size()) {
        const size_t end = dump.find("\r\n", start);
        if (end == std::string::npos)
            fault("a dump line does not end in CR LF");
        const std::string_view line = std::string_view(dump).substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string_view::npos)
            fault("a dump line holds a CR or LF of its own");
        if (++count > kMostLines)
            fault("the dump has more lines than hof2lap ever prints");
        int keys = 0;
        for (std::string_view key : kKeys) {
            const size_t at = line.find(key);
            if (at == std::string_view::npos)
                continue;
            ++keys;
            if (count > kDumpLineLimit)
                fault("a key stands beyond the lines the import reads");
            if (at > 2 || line.size() <= at + key.size() || line[at + key.size()] != ' ')
                fault("a key stands where the import does not expect it");
            if ((key == "Hot lap for") != (count == 2))
                fault("the circuit is not on the line after the opening one, or only there");
        }
        if (keys > 1)
            fault("a dump line holds more than one key");
        start = end + 2;
    }
    if (count < 3 || !dump.starts_with(std::string(kDumpOpening) + "\r\n") || !dumpComplete(dump))
        fault("a dump without its opening, circuit and closing lines");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    constexpr size_t limit = 64 * 1024;
    const Result<std::string> plain = decompress(data, limit);
    if (plain && plain->size() > limit)
        fault("the decompressor wrote past its limit");
    const Result<HotlapLap> lap = readHotlap(data, "fuzz.hl");
    if (lap)
        checkDump(dumpText(*lap));
    return 0;
}
