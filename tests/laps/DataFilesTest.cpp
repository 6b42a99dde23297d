// Initialising the data files in order.
#include "laps/DataFiles.h"

#include "support/Files.h"

#include <doctest.h>

using namespace velomark;
using namespace velomark::test;

namespace {
// Records the order in which files are replaced; fails on a chosen file.
class RecordingOps : public FileOps {
  public:
    std::vector<std::string> replaced;
    std::string failOn;
    Status replace(const std::string& from, const std::string& to) override {
        if (to == failOn)
            return Error{ErrorKind::RenameFailed, "The file " + to + " cannot be replaced."};
        replaced.push_back(to);
        return FileOps::replace(from, to);
    }
};
} // namespace

// The order: set1.dat, set2.dat, custom, set3.dat; which are written and
// their bytes are InitWindowTest's.
TEST_CASE("initialisation stops at the first failure") {
    WorkDir dir;
    REQUIRE(writeBytes("set3.dat", "old times"));
    RecordingOps ops;
    ops.failOn = "custom";
    const Status s = initialiseDatafiles({true, true, true}, ops);
    REQUIRE(!s.ok());
    CHECK(s.error().message.find("custom") != std::string::npos);
    CHECK(ops.replaced == std::vector<std::string>{"set1.dat", "set2.dat"});
    CHECK(readBytes("set3.dat") == "old times");
}
