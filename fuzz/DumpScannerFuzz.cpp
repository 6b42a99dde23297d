// Arbitrary bytes as a hof2lap dump: the line reader, the scanner and tchange.
//
// Beyond "no crash, no out-of-bounds read", it checks the limits the import
// window relies on: at most 19 lines, none holding a carriage return, each a
// piece of the input; values no longer than their fixed widths; a mapped
// session that maps to itself again; and tchange never making a field longer.

#include "formats/DumpScanner.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace velomark;

namespace {

[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "fuzz_dumpscanner: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    DumpLines lines(data);
    DumpFields fields;
    size_t taken = 0;
    while (const std::optional<std::string_view> line = lines.next()) {
        if (line->find('\r') != std::string_view::npos)
            fault("a line holds a carriage return");
        if (line->data() < data.data() || line->data() + line->size() > data.data() + data.size())
            fault("a line is not a piece of the dump");
        taken += line->size();
        scanDumpLine(*line, fields);
    }
    if (lines.count() > kDumpLineLimit || taken > data.size())
        fault("more lines or bytes than the dump holds or the import reads");
    if (fields.session.size() > 20 || fields.circuit.size() > 20 || fields.lap.size() > 8 ||
        fields.split1.size() > 8 || fields.split2.size() > 8)
        fault("a value is longer than its fixed width");
    std::string session = fields.session;
    mapSession(session);
    if (session != fields.session)
        fault("a mapped session maps to something else again");
    if (scanDump(data) != fields)
        fault("scanning the whole dump differs from scanning it line by line");
    DumpFields converted = fields;
    tchange(converted);
    if (converted.lap.size() != fields.lap.size() ||
        converted.split1.size() > fields.split1.size() ||
        converted.split2.size() > fields.split2.size() ||
        converted.lap.find(':') != std::string::npos)
        fault("tchange lengthened a field or left a colon in the lap");
    return 0;
}
