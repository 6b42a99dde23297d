// Arbitrary bytes into the field reader and the lap record parser.
//
// Beyond "no crash, no out-of-bounds read" (the sanitizers' part), it checks
// what the save path relies on: a record set read from any file and written
// back reads again as the same fields, so a save never silently changes a
// field it did not mean to touch.

#include "store/FieldLine.h"
#include "store/LapRecordFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace velomark;

namespace {

[[noreturn]] void fault(const char* what)
{
    std::fprintf(stderr, "fuzz_fieldreader: %s\n", what);
    std::abort();
}

void readAllFields(std::string_view data)
{
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

void roundTrip(std::string_view data)
{
    Result<LapRecordSet> first = parseLapRecords(data, "fuzz.dat");
    if (!first)
        return;
    Result<std::string> composed = composeLapRecordFile(*first);
    if (!composed)
        return; // a field holds a double quote: the save refuses it, nothing is written
    Result<LapRecordSet> second = parseLapRecords(*composed, "fuzz.dat");
    if (!second)
        fault("a composed lap record file does not read back");
    if (*second != *first)
        fault("a composed lap record file reads back with different fields");
    Result<std::string> again = composeLapRecordFile(*second);
    if (!again || *again != *composed)
        fault("composing the read-back records gives different bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    readAllFields(data);
    roundTrip(data);
    return 0;
}
