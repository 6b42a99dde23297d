// velobat, the hof.bat interpreter: the batch file the import writes, and lines
// written by hand with a native program, quoted and backslashed arguments, refusals.
#include "HotlapFixture.h"
#include "formats/HofBat.h"
#include "support/Files.h"

#include <doctest.h>

#include <tuple>

using namespace velomark;
using namespace velomark::test;

namespace {

#ifdef _WIN32
const std::string kExe = ".exe";
#else
const std::string kExe;
#endif

// Runs hof.bat holding bat in the working folder: the exit status, stderr.
std::pair<int, std::string> runBatch(const std::string& bat) {
    if (!writeBytes("hof.bat", bat))
        return {-2, "hof.bat not written"};
    const Ran velobat = runProgram(VELOBAT_PATH, {"hof.bat"});
    return {velobat.status, velobat.err};
}

// The test program under name in the working folder, as a program of that system.
bool placeProgram(const std::string& name) {
    return writeBytes(name + kExe, readBytes(ECHOARGS_PATH)) && makeRunnable(name + kExe);
}

} // namespace

// As the import runs it: a blank and an accent in the GP2 directory (hof.bat
// is Windows-1252, the disk UTF-8 or wide), saves in GPSAVES, only a DOS
// hof2lap there, and a file name that a shell would run.
TEST_CASE("hof.bat") {
    WorkDir work;
    const std::string gp2 = "GP \xc3\xa9"
                            "2/";
    REQUIRE((makeFolder(gp2) && makeFolder(gp2 + "GPSAVES")));
    REQUIRE(writeBytes(gp2 + "hof2lap" + kExe, "MZ\x90"));
    REQUIRE(makeRunnable(gp2 + "hof2lap" + kExe));
    const std::string name = "A;touch p1;$(touch p2)`touch p3`&touch p4.hl";
    REQUIRE(writeBytes(gp2 + "GPSAVES/" + name, hotlapFile({})));
    const Result<HofBat> bat = composeHofBat(std::string("GP \xe9") + '2', name);
    CHECK(runBatch(bat->bytes).first == 0);
    // The hof2lap beside velobat got the whole name as one argument and read the file.
    CHECK(readBytes("hoftemp").find(
              "\r\n Hot lap for Interlagos\r\n  Session: Unlimited practice\r\n") !=
          std::string::npos);

    // By hand, with LF line ends: what cmd.exe would split or expand is refused,
    // the rest still runs, up to exit.
    REQUIRE(placeProgram("echoargs"));
    const auto [status, errors] =
        runBatch("hof2lap A&touch p5 >out\necho %PATH% >out\n"
                 ".\\echoargs \"a b\" c\\d.hl >out\necho 2 >flag\nexit\necho 3 >flag\n");
    CHECK(status == 1);
    CHECK(errors.find("hof.bat line 1: an operator outside double quotes (&)") !=
          std::string::npos);
    CHECK(errors.find("hof.bat line 2: a percent sign") != std::string::npos);
#ifdef _WIN32
    CHECK(readBytes("out") == "[a b]\n[c\\d.hl]\n");
#else
    CHECK(readBytes("out") == "[a b]\n[c/d.hl]\n");
#endif
    CHECK(readBytes("flag") == "2 \r\n");
    CHECK(entries(work.path()) == std::vector<std::string>{"GP \xc3\xa9"
                                                           "2",
                                                           "echoargs" + kExe, "flag", "hof.bat",
                                                           "hoftemp", "out"});
}

// A redirection never writes through a link, whatever the case of its
// name; the status of what ran is passed on, the lines after it still run.
TEST_CASE("links and status") {
    WorkDir elsewhere;
    const std::string victim = elsewhere.path("victim");
    REQUIRE(writeBytes(victim, "precious"));
    WorkDir work;
    if (makeLink(victim, "hoftemp") && makeLink(victim, "FLAG")) {
        CHECK(runBatch("echo x >hoftemp\r\necho 1 >flag\r\n").first == 0);
        CHECK(readBytes(victim) == "precious");
        CHECK(readBytes("hoftemp") == "x \r\n");
        CHECK(entryAt("FLAG") == Entry::None);
    } else {
        MESSAGE("skipped the links: Wine makes no reparse point (it says it made a symbolic "
                "link, but none is there)");
    }

#ifdef _WIN32
    const int crashed = int(0xC0000005);
    const char* said = "ended with exception 0xC0000005";
#else
    const int crashed = 137;
    const char* said = "stopped by signal 9";
#endif
    REQUIRE(placeProgram("ends"));
    for (const auto& [args, status, says] :
         {std::tuple<const char*, int, const char*>{"--exit 3", 3, ""},
          {"--crash", crashed, said}}) {
        const std::string row = args; // copies, which the lazy messages can hold
        INFO(row);
        const std::pair<int, std::string> ran =
            runBatch(std::string("ends ") + args + " >out\r\necho 1 >flag\r\n");
        CHECK(ran.first == status);
        CHECK_MESSAGE(ran.second.find(says) != std::string::npos, ran.second);
        CHECK(readBytes("out") == "partial\n");
        CHECK(readBytes("flag") == "1 \r\n");
    }
}
