// Dump scanning: the keys at their fixed offsets, the session mapping, line
// ends and the 19-line limit, and the time conversion tchange.
#include "formats/DumpScanner.h"
#include "support/Files.h"

#include <doctest.h>

using namespace velomark;
using namespace std::string_literals;

namespace {
std::string many(int n, const std::string& s) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}
} // namespace

TEST_CASE("scanning") {
    const struct {
        const char* name;
        std::string fields; // session|lap|split1|split2|circuit, converted
        std::string dump;
    } rows[] = {
        // clang-format off
        {"example", "Practice|1.23.456|41.123|1.02.345|Interlagos",
         " Hot lap for Interlagos\r\n  Session: Unlimited practice\r\n"
         "  Lap time 1:23.456\r\n  split 1 0:41.123\r\n  split 2 1:02.345\r\n"},
        {"warm-up, case-sensitive keys, 8 and 20 characters",
         "Warm-up|10.02.31|||Monza??lap time 0:00", "xSession: Warm-up\r\n"
         "Lap time 10:02.314\r\nHot lap for Monza??lap time 0:00.001\r\n"},
        {"0: off splits, first in line, last line wins", "|0.59.123|00.500||",
         "Lap time 0:59.123\r\nsplit 1 0:00.500 split 1 0:50.000 split 2 1:02.345\r\n"
         "split 2 0:\r\n"},
        {"past the end, cut", "|1.2|||", "Hot lap for\r\nLap time 1:2\r\n"},
        {"line 19", "|1.23.456|||", many(18, "x\r\n") + "Lap time 1:23.456"},
        {"line 20", "||||", many(19, "x\r\n") + "Lap time 1:23.456\r\n"},
        {"CR CR LF", "||||", many(10, "x\r\r\n") + "Lap time 1:23.456\r\n"},
        {"LF only", "|1.23.456|||", many(30, "x\n") + "Lap time 1:23.456\n"},
        // clang-format on
    };
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        DumpFields f = scanDump(row.dump);
        tchange(f);
        CHECK(f.session + '|' + f.lap + '|' + f.split1 + '|' + f.split2 + '|' + f.circuit ==
              row.fields);
    }
}

TEST_CASE("the dump file is read bounded") {
    test::WorkDir work;
    REQUIRE(test::writeBytes("hoftemp", std::string(kDumpByteLimit + 5000, 'x')));
    CHECK(readDumpFile("hoftemp")->size() == kDumpByteLimit);
    REQUIRE(test::makeFolder("flag"));
    CHECK((!readDumpFile("missing") && !readDumpFile("flag")));
}
