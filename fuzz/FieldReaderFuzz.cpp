// Arbitrary bytes into the field reader and the lap record parser.
//
// Beyond "no crash, no out-of-bounds read" (the sanitizers' part), it checks
// what the save path relies on: any record set read from a file can be written
// back, and reads again as the same fields, so a save never refuses or
// silently changes a field it did not mean to touch; a save that replaces one
// circuit changes that circuit's fields and no other.

#include "formats/FieldLine.h"
#include "formats/LapRecordFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace velomark;

namespace {

[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "fuzz_fieldreader: %s\n", what);
    std::abort();
}

void readAllFields(std::string_view data) {
    // Every field but a trailing empty one consumes at least one byte, so more
    // fields than bytes plus one means the reader has stopped advancing.
    const size_t cap = data.size() + 2;
    FieldReader reader(data);
    size_t count = 0;
    while (std::optional<Field> f = reader.next()) {
        if (++count > cap)
            fault("the field reader keeps returning fields without reaching the end");
        if (*f && (*f)->size() > data.size())
            fault("a field is longer than the data it was read from");
    }
    if (!reader.atEnd())
        fault("the field reader stopped before the end of the data");
    if (reader.next())
        fault("the field reader returned a field after saying the data had ended");
}

void roundTrip(std::string_view data) {
    Result<LapRecordSet> first = parseLapRecords(data, "fuzz.dat");
    if (!first)
        return;
    Result<std::string> composed = composeLapRecordFile(*first);
    if (!composed)
        fault("a record set read from a file cannot be written back");
    Result<LapRecordSet> second = parseLapRecords(*composed, "fuzz.dat");
    if (!second)
        fault("a composed lap record file does not read back");
    if (*second != *first)
        fault("a composed lap record file reads back with different fields");
    Result<std::string> again = composeLapRecordFile(*second);
    if (!again || *again != *composed)
        fault("composing the read-back records gives different bytes");
}

// A save of one circuit, with the record of another circuit of the same file
// (so it holds whatever odd fields the file holds), and a save that replaces
// nothing.
void rewrite(std::string_view data) {
    Result<LapRecordSet> old = parseLapRecords(data, "fuzz.dat");
    if (!old)
        return;
    const size_t circuit = data.size() % kCircuitsPerSet;
    const CircuitRecord& record = (*old)[(circuit + 5) % kCircuitsPerSet];
    for (const std::string& number : {std::to_string(circuit + 1), std::string("0")}) {
        Result<std::string> saved = rewriteLapRecordFile(data, "fuzz.dat", number, record);
        if (!saved)
            fault("a save of records read from a file is refused");
        Result<LapRecordSet> back = parseLapRecords(*saved, "fuzz.dat");
        if (!back)
            fault("a saved lap record file does not read back");
        LapRecordSet expected = *old;
        if (number != "0")
            expected[circuit] = record;
        if (*back != expected)
            fault("a save changes fields it was not asked to change");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    readAllFields(data);
    roundTrip(data);
    rewrite(data);
    return 0;
}
