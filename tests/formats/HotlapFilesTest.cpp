// The hot-lap list: the pattern of each circuit, DOS wildcards without regard
// to case, and the saves folder's matching files in list order.
#include "formats/HotlapFiles.h"
#include "support/Files.h"

#include <doctest.h>

#include <sstream>

using namespace velomark;

TEST_CASE("patterns") {
    const std::pair<std::string, const char*> cases[] = {
        // matching | not matching
        {"A*.hl", "A.HL | AHOT.HLP A.HL.BAK"},
        {"*.hl?", "X.HLP X.HL x.hl.hlp | X.HLPP XHL X.H"},
        {"A?.hl", "AB.HL A.HL | ABC.HL"}};
    for (const auto& [pattern, names] : cases) {
        bool matches = true;
        std::istringstream words(names);
        for (std::string name; words >> name;) {
            if (name == "|")
                matches = false;
            else
                CHECK_MESSAGE(matchesDosPattern(pattern, name) == matches, name);
        }
    }
}

TEST_CASE("listing") {
    test::WorkDir dir;
    const std::string saves = dir.path("GP2/GPSAVES");
    REQUIRE((test::makeFolder(dir.path("GP2")) && test::makeFolder(saves) &&
             test::makeFolder(saves + "/ADIR.HL")));
    for (const char* name : {"ahot2.hl", "AHOT.HL", "Abc.hl", "BHOT.HL", "A.HLP"})
        REQUIRE(test::writeBytes(saves + "/" + name, "x"));
    // As the import builds it: a backslash and "gpsaves" in lower case.
    const std::string gp2p = dir.path("GP2");
    const auto names = listHotlapFiles(savesDirectory(gp2p), "A*.hl");
    REQUIRE(names);
    CHECK(*names == std::vector<std::string>{"Abc.hl", "AHOT.HL", "ahot2.hl"});
    CHECK(listHotlapFiles(gp2p + "\\saves", "*").error().message ==
          "The folder " + nativePath(gp2p + "\\saves") + " does not exist.");
}
