// The field reader shared by every data file; what the line writer writes is
// checked byte for byte by the golden files of the lap record and custom files.
#include "store/FieldLine.h"

#include <QtTest>

using namespace velomark;

Q_DECLARE_METATYPE(std::string)

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

void row(const char* name, std::string data, std::string fields) {
    QTest::newRow(name) << data << fields;
}
} // namespace

class FieldLineTest : public QObject {
    Q_OBJECT
  private slots:
    void reader_data() {
        QTest::addColumn<std::string>("data");
        QTest::addColumn<std::string>("fields");
        row("nothing between commas", "\"a\",,,,\"b\"\r\n", "<a>|-|-|-|<b>");
        row("commas inside quotes", "\"wet, slow\",\"x\"\r\n", "<wet, slow>|<x>");
        row("line feed inside quotes", "\"Monza\nItaly\",\"\n\"\r\n", "<Monza\nItaly>|<\n>");
        row("fields run across lines", "\"a\"\r\n\"b\",\"c\"\r\n", "<a>|<b>|<c>");
        row("blanks before a field skipped", "  \"a\",   b  ,\r\n", "<a>|<b>|-");
        row("bare field keeps inner blanks", "1.23 456 ,x", "<1.23 456>|<x>");
        row("after closing quote skipped", "\"a\"junk,\"b\"", "<a>|<b>");
        row("trailing comma promises a field", "\"a\",", "<a>|-");
        row("unclosed quote takes the rest", "\"a,b\r\nc", "<a,b\r\nc>");
        row("empty data", "", "");
    }
    void reader() {
        QFETCH(std::string, data);
        QFETCH(std::string, fields);
        QCOMPARE(readAll(data), fields);
    }
};

QTEST_APPLESS_MAIN(FieldLineTest)
#include "FieldLineTest.moc"
