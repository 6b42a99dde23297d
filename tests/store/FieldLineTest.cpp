// The field reader and line writer shared by every data file.
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
        std::optional<Field> f = r.next();
        if (!f)
            return out;
        if (!out.empty())
            out += '|';
        out += *f ? "<" + **f + ">" : std::string("-");
    }
    return out + "|<runaway>";
}
} // namespace

class FieldLineTest : public QObject {
    Q_OBJECT
  private slots:
    void reader_data() {
        QTest::addColumn<std::string>("data");
        QTest::addColumn<std::string>("fields");
        QTest::newRow("quoted and empty") << std::string("\"a\",\"\"\r\n") << std::string("<a>|<>");
        QTest::newRow("nothing between commas") << std::string("\"1.31.200\",,,,\"race.set\"\r\n")
                                                << std::string("<1.31.200>|-|-|-|<race.set>");
        QTest::newRow("commas inside quotes")
            << std::string("\"wet, slow\",\"x\"\r\n") << std::string("<wet, slow>|<x>");
        QTest::newRow("line feed inside quotes")
            << std::string("\"Monza\nItaly\",\"\n\"\r\n") << std::string("<Monza\nItaly>|<\n>");
        QTest::newRow("fields run across lines")
            << std::string("\"a\"\r\n\"b\",\"c\"\r\n") << std::string("<a>|<b>|<c>");
        QTest::newRow("blanks before a field skipped")
            << std::string("  \"a\",   b  ,\r\n") << std::string("<a>|<b>|-");
        QTest::newRow("bare field keeps inner blanks")
            << std::string("1.23 456 ,x") << std::string("<1.23 456>|<x>");
        QTest::newRow("after closing quote skipped")
            << std::string("\"a\"junk,\"b\"") << std::string("<a>|<b>");
        QTest::newRow("lone line feed ends a line")
            << std::string("\"a\"\n\"b\"\n") << std::string("<a>|<b>");
        QTest::newRow("trailing comma promises a field")
            << std::string("\"a\",") << std::string("<a>|-");
        QTest::newRow("unclosed quote takes the rest")
            << std::string("\"a,b\r\nc") << std::string("<a,b\r\nc>");
        QTest::newRow("empty data") << std::string() << std::string();
        QTest::newRow("custom as initialised") << std::string(",,\r\n") << std::string("-|-|-");
    }
    void reader() {
        QFETCH(std::string, data);
        QFETCH(std::string, fields);
        QCOMPARE(readAll(data), fields);
    }

    void writer() {
        std::string out;
        appendLine(out,
                   {std::string("1.31.200"), Field{}, Field{}, Field{}, std::string("race.set")});
        appendLine(out, {std::string(), std::string("a, b"), std::string("x\ny")});
        QCOMPARE(out, std::string("\"1.31.200\",,,,\"race.set\"\r\n\"\",\"a, b\",\"x\ny\"\r\n"));

        // The written line reads back as the same fields, each in its own form.
        FieldReader r(out);
        QCOMPARE(r.next(), std::optional<Field>(std::string("1.31.200")));
        QCOMPARE(r.next(), std::optional<Field>(Field{}));

        QVERIFY(!unwritableReason({std::string("fine"), Field{}}));
        const auto why = unwritableReason({std::string("ok"), std::string("say \"hi\"")});
        QVERIFY(why);
        QVERIFY(why->find("double quote") != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(FieldLineTest)
#include "FieldLineTest.moc"
