// hof.bat as the import writes it (plain, quoted, refused) and the states
// that the flag file's first item announces.
#include "formats/HofBat.h"
#include "support/Files.h"

#include <doctest.h>

#include <array>

using namespace velomark;

TEST_CASE("compose") {
    const std::array<std::string, 3> cases[] = {
        // the GP2 directory, the file, the first line
        {"C:\\GP2", "AHOT.HL", "C:\\GP2\\hof2lap C:\\GP2\\gpsaves\\AHOT.HL >hoftemp"},
        {"C:\\GP2", "A&B;C$(D)`E`.HL",
         "C:\\GP2\\hof2lap \"C:\\GP2\\gpsaves\\A&B;C$(D)`E`.HL\" >hoftemp"},
        {"D:\\My GP2", "AHOT.HL",
         "\"D:\\My GP2\\hof2lap\" \"D:\\My GP2\\gpsaves\\AHOT.HL\" >hoftemp"}};
    for (const auto& [gp2p, file, line] : cases) {
        const Result<HofBat> bat = composeHofBat(gp2p, file);
        CHECK(bat->bytes == line + "\r\necho 1 >flag\r\nexit\r\n");
        CHECK((bat->cline == line && line.ends_with(' ' + bat->fil)));
    }
    for (const char* name : {"A\"B.HL", "%X%.HL", "A\r\nB.HL", "..\\X.HL", "A/B.HL", ""})
        CHECK(composeHofBat("C:\\GP2", name).error().kind == ErrorKind::Unstorable);
    CHECK(composeHofBat("C:\\GP2", "A\"B.HL").error().message ==
          "The hot-lap file A\"B.HL cannot be passed to hof2lap: its name holds a double quote.");
    CHECK(composeHofBat("C:\\%GP2%", "AHOT.HL").error().message ==
          "The GP2 directory C:\\%GP2% cannot be passed to hof2lap: it holds a percent sign, "
          "which the command interpreter would expand.");
}

TEST_CASE("flag") {
    const std::pair<std::string, FlagState> states[] = {
        {std::string(kFlagRunning), FlagState::Running},
        {"1 \r\n", FlagState::Finished},
        {"", FlagState::Running}, // emptied by "echo 1 >flag", not yet written
        {"ECHO is off.\r\n", FlagState::NotANumber},
        {"1x\r\n", FlagState::NotANumber}};
    for (const auto& [bytes, state] : states)
        CHECK(flagState(bytes) == state);
    test::WorkDir work;
    CHECK(readFlag() == FlagState::Unreadable);
}
