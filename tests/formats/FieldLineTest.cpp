// The field reader shared by every data file, and what typing may put into a
// field; what the line writer writes is checked byte for byte by the golden
// files of the lap record and custom files.
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

TEST_CASE("what typing may put into a field") {
    using R = TypingRefusal;
    CHECK(typingRefusal(U"Mon\u00E9\u20ACa", {}, 0) == R::None); // é and € are in the set
    CHECK(typingRefusal(U"Q\u03A9Q", {}, 0) == R::Character);
    CHECK(typingRefusal(U"a\"b", {}, 0) == R::DoubleQuote);
    // Quotes a file put there may stay, and be deleted, but not be added to;
    // a quote typed with a character outside the set is named as the quote.
    CHECK(typingRefusal(U"\"x\"", {3, 2}, 0) == R::None);
    CHECK(typingRefusal(U"\"x\"\"", {3, 2}, 0) == R::DoubleQuote);
    CHECK(typingRefusal(U"\u03A9\"", {}, 0) == R::DoubleQuote);
    // The limit holds for typing only: a longer stored text may shrink.
    CHECK(typingRefusal(U"1.23.4567", {}, 8) == R::TooLong);
    CHECK(typingRefusal(U"123456789", {10, 0}, 8) == R::None);
    CHECK(typingRefusal(U"12345678901", {10, 0}, 8) == R::TooLong);
}
