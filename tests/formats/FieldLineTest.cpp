// The field reader shared by every data file; what the line writer writes is
// checked byte for byte by the golden files of the lap record and custom files.
#include "formats/FieldLine.h"

#include <doctest.h>

using namespace velomark;

namespace {
// Fields shown as text in <>, nothing as "-", joined by "|".
std::string readAll(std::string_view data) {
    FieldReader r(data);
    std::string out;
    for (int guard = 0; guard < 100; ++guard) {
        const std::optional<Field> f = r.next();
        if (!f)
            return out;
        out += (out.empty() ? "" : "|") + (*f ? "<" + **f + ">" : std::string("-"));
    }
    return out + "|<runaway>";
}
} // namespace

TEST_CASE("reader") {
    const struct {
        const char* name;
        std::string data, fields;
    } rows[] = {{"nothing between commas", "\"a\",,,,\"b\"\r\n", "<a>|-|-|-|<b>"},
                {"commas inside quotes", "\"wet, slow\",\"x\"\r\n", "<wet, slow>|<x>"},
                {"line feed inside quotes", "\"Monza\nItaly\",\"\n\"\r\n", "<Monza\nItaly>|<\n>"},
                {"fields run across lines", "\"a\"\r\n\"b\",\"c\"\r\n", "<a>|<b>|<c>"},
                {"blanks before a field skipped", "  \"a\",   b  ,\r\n", "<a>|<b>|-"},
                {"bare field keeps inner blanks", "1.23 456 ,x", "<1.23 456>|<x>"},
                {"after closing quote skipped", "\"a\"junk,\"b\"", "<a>|<b>"},
                {"trailing comma promises a field", "\"a\",", "<a>|-"},
                {"unclosed quote takes the rest", "\"a,b\r\nc", "<a,b\r\nc>"},
                {"empty data", "", ""}};
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        CHECK(readAll(row.data) == row.fields);
    }
}
