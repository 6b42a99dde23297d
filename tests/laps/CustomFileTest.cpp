// The custom circuit file as its setup window loads and saves it.
#include "laps/CustomFile.h"

#include "support/Files.h"

#include <doctest.h>

using namespace velomark;
using namespace velomark::test;

TEST_CASE("saves two lines of eight or nothing") {
    WorkDir dir;
    CustomRows rows;
    rows[0] = {"Interlagos", "Brazil"};
    rows[1] = {"A1 Ring", "Austria"};
    rows[15] = {"Last", "One"};
    REQUIRE(writeCustomFile(rows).ok());
    CHECK(readBytes("custom") == fixture("custom_two_lines"));
    CHECK(loadCustomRows() == rows);

    // Text that would not read back as typed is refused by row; the file stays.
    CHECK((customTextProblem("Mon\nza", true) && !customTextProblem("Mon\nza", false)));
    rows[8].country = "\"Italy\"";
    const Status saved = writeCustomFile(rows);
    CHECK((!saved.ok() && saved.error().message.find(" 9 ") != std::string::npos));
    CHECK(readBytes("custom") == fixture("custom_two_lines"));
}

TEST_CASE("load rule") {
    WorkDir dir;
    const CustomRows empty;
    CHECK(loadCustomRows() == empty); // no file
    REQUIRE(writeBytes("custom", "\"Solo\",\"a\nb\nc\"\r\n"));
    CHECK(loadCustomRows() == empty); // fewer than 16 captions
    REQUIRE(writeBytes("custom", "\"Solo\",\"a\nb\nc\"" + std::string(14, ',') + "\r\n"));
    const CustomRows rows = loadCustomRows();
    CHECK((rows[0] == CustomRow{"Solo", ""} && rows[1] == CustomRow{"a", "b\nc"}));
    CHECK(rows[2] == CustomRow{}); // a field holding nothing

    // Every line break, in the captions too, as another editor saves it.
    for (const char* end : {"\r", "\n", "\r\n"}) {
        REQUIRE(writeBytes("custom", withLineBreaks(fixture("custom_two_lines"), end)));
        const CustomRows edited = loadCustomRows();
        CHECK((edited[1] == CustomRow{"A1 Ring", "Austria"} &&
               edited[15] == CustomRow{"Last", "One"}));
    }
}
