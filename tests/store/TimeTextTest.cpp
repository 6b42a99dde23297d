// Time texts: number conversions, formats, normalisation and split completion.
#include "store/TimeText.h"

#include <QtTest>

using namespace velomark;

Q_DECLARE_METATYPE(std::string)

namespace {
std::string s(const char* t) {
    return t;
}
} // namespace

class TimeTextTest : public QObject {
    Q_OBJECT
  private slots:
    void conversions() {
        QCOMPARE(leadingValue("1.23.456"), 1.23);
        QCOMPARE(leadingValue("  28.123"), 28.123);
        QCOMPARE(leadingValue(""), 0.0);
        QCOMPARE(leadingValue("abc"), 0.0);
        QCOMPARE(leadingValue("-1.5x"), -1.5);
        QCOMPARE(leadingValue("1.02.300"), 1.02);
        QCOMPARE(leadingValue("."), 0.0);

        const std::string huge = "1" + std::string(400, '0'); // too large for a double
        QVERIFY(!leadingValue(huge + ".5x") && !leadingValue("-" + huge) && !strictNumber(huge));
        QCOMPARE(strictNumber("0." + std::string(400, '0') + "1"), std::optional(0.0)); // tiny
        QCOMPARE(strictNumber(" 28.123 "), std::optional<double>(28.123));
        QCOMPARE(strictNumber("-.5"), std::optional<double>(-0.5));
        QCOMPARE(strictNumber("7."), std::optional<double>(7.0));
        QVERIFY(!strictNumber("1.23.456"));
        QVERIFY(!strictNumber(""));
        QVERIFY(!strictNumber("  "));
        QVERIFY(!strictNumber("1:23"));
        QVERIFY(!strictNumber("1e3")); // no exponents in a time
        QVERIFY(!strictNumber("."));

        QCOMPARE(fixedPositionSeconds("1.02.300"), std::optional<double>(62.3));
        QVERIFY(!fixedPositionSeconds("1.0x.300"));
        QVERIFY(!fixedPositionSeconds("62.300"));
    }

    void decimalTextOfNumbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::string>("text");
        QTest::newRow("difference") << 90.95 - 62.3 << s("28.65");
        QTest::newRow("whole") << 100.0 << s("100");
        QTest::newRow("zero") << 0.0 << s("0");
        QTest::newRow("under one") << 0.5 << s("0.5");
        QTest::newRow("negative under one") << -0.25 << s("-0.25");
        QTest::newRow("negative") << -3.5 << s("-3.5");
        QTest::newRow("small") << 0.00001 << s("0.00001");
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << s("0.333333333333333");
        QTest::newRow("rounds at fifteen") << 2.0 / 3.0 << s("0.666666666666667");
        QTest::newRow("large") << 123456789012.5 << s("123456789012.5");
        QTest::newRow("plain 2nd split") << 62.3 - 29.1 << s("33.2");
    }
    void decimalTextOfNumbers() {
        QFETCH(double, value);
        QFETCH(std::string, text);
        QCOMPARE(decimalText(value), text);
    }

    void numberPatterns_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::string>("threeDecimals");
        QTest::addColumn<std::string>("seconds");
        QTest::newRow("0.35") << 0.35 << s("0.350") << s("00.350");
        QTest::newRow("5.125") << 5.125 << s("5.125") << s("05.125");
        QTest::newRow("-1.25") << -1.25 << s("-1.250") << s("-01.250");
        QTest::newRow("12.3456") << 12.3456 << s("12.346") << s("12.346");
        QTest::newRow("0.207") << 29.112 - 28.905 << s("0.207") << s("00.207");
        QTest::newRow("29.72") << 29.72 << s("29.720") << s("29.720");
        QTest::newRow("whole") << 2.0 << s("2.000") << s("02.000");
        QTest::newRow("half away from zero") << 1.2345 << s("1.235") << s("01.235");
        QTest::newRow("negative half") << -0.0005 << s("-0.001") << s("-00.001");
        QTest::newRow("rounds to zero") << -0.0004 << s("0.000") << s("00.000");
        QTest::newRow("carry") << 59.9996 << s("60.000") << s("60.000");
    }
    void numberPatterns() {
        QFETCH(double, value);
        QFETCH(std::string, threeDecimals);
        QFETCH(std::string, seconds);
        QCOMPARE(threeDecimalFormat(value), threeDecimals);
        QCOMPARE(secondsFormat(value), seconds);
    }

    void saveNormalisation_data() {
        QTest::addColumn<std::string>("lap");
        QTest::addColumn<std::string>("split");
        QTest::addColumn<std::string>("split2");
        QTest::addColumn<std::string>("lapAfter");
        QTest::addColumn<std::string>("splitAfter");
        QTest::addColumn<std::string>("split2After");
        QTest::newRow("one digit short") << s("1.23.45") << s("28.1") << s("45.67") << s("1.23.450")
                                         << s("28.100") << s("45.670");
        QTest::newRow("two short") << s("1.23.4") << s("28.") << s("1.02.34") << s("1.23.400")
                                   << s("28.") << s("1.02.340");
        QTest::newRow("no thousandths")
            << s("1.23") << s("28") << s("1.02") << s("1.23.000") << s("28.000") << s("1.02.000");
        QTest::newRow("left alone")
            << s("83.456") << s("8.5") << s("1.02.3") << s("83.456") << s("8.5") << s("1.02.300");
        QTest::newRow("colon and empty")
            << s("1:23.456") << s("") << s("") << s("1:23.456") << s("") << s("");
        QTest::newRow("full length") << s("1.23.456") << s("28.123") << s("1.02.300")
                                     << s("1.23.456") << s("28.123") << s("1.02.300");
    }
    void saveNormalisation() {
        QFETCH(std::string, lap);
        QFETCH(std::string, split);
        QFETCH(std::string, split2);
        QFETCH(std::string, lapAfter);
        QFETCH(std::string, splitAfter);
        QFETCH(std::string, split2After);

        // Every lap field and every split field follows the same rule.
        TimeSheet sheet{lap, {lap, split, split2, split}, {lap, split, split2, split}, lap};
        saveNormalise(sheet);
        for (const std::string* l :
             {&sheet.quickRaceLap, &sheet.practice.lap, &sheet.qualifying.lap, &sheet.raceLap})
            QCOMPARE(*l, lapAfter);
        for (const SessionTimes* t : {&sheet.practice, &sheet.qualifying}) {
            QCOMPARE(t->split1, splitAfter);
            QCOMPARE(t->split2, split2After);
            QCOMPARE(t->split3, splitAfter);
        }
    }

    void splitCompletion_data() {
        QTest::addColumn<std::string>("lap");
        QTest::addColumn<std::string>("split2");
        QTest::addColumn<int>("result");
        QTest::addColumn<std::string>("split2After");
        QTest::addColumn<std::string>("split3After");
        const int done = int(Completion::Completed);
        QTest::newRow("minutes split filled out")
            << s("1.30.950") << s("1.02.3") << done << s("1.02.300") << s("28.65");
        QTest::newRow("seconds split")
            << s("1.30.950") << s("45.1") << done << s("45.1") << s("45.85");
        QTest::newRow("lap shorter than split")
            << s("0.30.000") << s("33.5") << done << s("33.5") << s("-3.5");
        QTest::newRow("short lap read by its periods")
            << s("1.33.45") << s("1.02.3") << done << s("1.02.300") << s("31.15");
        QTest::newRow("ten-minute lap")
            << s("10.02.31") << s("5.01.3") << done << s("5.01.300") << s("301.01");
        QTest::newRow("split cut at its own periods")
            << s("10.02.31") << s("1.02.300") << done << s("1.02.300") << s("540.01");
        QTest::newRow("empty lap")
            << s("") << s("28.1") << int(Completion::LengthFailure) << s("28.1") << s("old");
        QTest::newRow("empty lap, empty split")
            << s("") << s("") << int(Completion::LengthFailure) << s("") << s("old");
        QTest::newRow("one period")
            << s("83.456") << s("45.1") << int(Completion::LengthFailure) << s("45.1") << s("old");
        QTest::newRow("empty split")
            << s("1.30.950") << s("") << int(Completion::NoSecondSplit) << s("") << s("old");
        QTest::newRow("minutes not a number")
            << s(".30.950") << s("45.1") << int(Completion::ConversionFailure) << s("45.1")
            << s("old");
        QTest::newRow("split not a number")
            << s("1.30.950") << s("1.02.3x") << int(Completion::ConversionFailure) << s("1.02.3x0")
            << s("old");
    }
    void splitCompletion() {
        QFETCH(std::string, lap);
        QFETCH(std::string, split2);
        QFETCH(int, result);
        QFETCH(std::string, split2After);
        QFETCH(std::string, split3After);
        for (Session session : {Session::Practice, Session::Qualifying}) {
            TimeSheet sheet;
            SessionTimes& t = session == Session::Practice ? sheet.practice : sheet.qualifying;
            t = {lap, "29.100", split2, "old"};
            QCOMPARE(int(completeSplits(sheet, session)), result);
            QCOMPARE(t.split2, split2After);
            QCOMPARE(t.split3, split3After);
            QCOMPARE(t.split1, s("29.100"));
        }
    }

    void completionNormalisesBothSecondSplits() {
        TimeSheet sheet;
        sheet.practice = {"1.30.950", "29.100", "1.02.3", ""};
        sheet.qualifying = {"1.29.800", "28.900", "1.01.5", "keep"};
        QCOMPARE(completeSplits(sheet, Session::Practice), Completion::Completed);
        QCOMPARE(sheet.qualifying.split2, s("1.01.500"));
        QCOMPARE(sheet.qualifying.split3, s("keep"));
    }

    void plainSecondSplit() {
        const PlainSplit p = velomark::plainSecondSplit("29.100", "1.02.300");
        QCOMPARE(p.kind, PlainSplitKind::Value);
        QCOMPARE(decimalText(p.seconds), s("33.2"));
        QCOMPARE(velomark::plainSecondSplit("29.1", "45.6").kind, PlainSplitKind::Value);
        QCOMPARE(velomark::plainSecondSplit("29.1", "").kind, PlainSplitKind::Empty);
        QCOMPARE(velomark::plainSecondSplit("", "1.02.300").kind, PlainSplitKind::Failure);
        QCOMPARE(velomark::plainSecondSplit("29.1", "1.02.3").kind, PlainSplitKind::Failure);
    }
};

QTEST_APPLESS_MAIN(TimeTextTest)
#include "TimeTextTest.moc"
