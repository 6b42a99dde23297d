// Time texts: number conversions, formats, normalisation and split completion.
#include "store/TimeText.h"

#include "support/TestFiles.h"

#include <QtTest>

using namespace velomark;
using velomark::test::addRow;

namespace {
QString q(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

class TimeTextTest : public QObject {
    Q_OBJECT
  private slots:
    void conversions() {
        QCOMPARE(leadingValue("1.02.300"), 1.02); // above 0, though not a strict number
        QCOMPARE(leadingValue("  28.123"), 28.123);
        QCOMPARE(leadingValue("-1.5x"), -1.5);
        for (const char* noDigit : {"", "abc", "."})
            QCOMPARE(leadingValue(noDigit), 0.0);

        const std::string huge = "1" + std::string(400, '0'); // too large for a double
        QVERIFY(!leadingValue(huge + ".5x") && !leadingValue("-" + huge) && !strictNumber(huge));
        QCOMPARE(strictNumber("0." + std::string(400, '0') + "1"), std::optional(0.0)); // tiny
        QCOMPARE(strictNumber(" 28.123 "), std::optional<double>(28.123));
        QVERIFY(strictNumber("-.5") == -0.5 && strictNumber("7.") == 7.0);
        for (const char* bad : {"1.02.300", "", "  ", "1:23", "1e3" /* no exponents */, "."})
            QVERIFY2(!strictNumber(bad), bad);

        QCOMPARE(fixedPositionSeconds("1.02.300"), std::optional<double>(62.3));
        QVERIFY(!fixedPositionSeconds("1.0x.300") && !fixedPositionSeconds("62.300"));
    }

    // Decimal text, and the three-decimal and seconds formats of the differences.
    void numberTexts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("threeDecimals");
        QTest::addColumn<QString>("seconds");
        addRow("difference", 90.95 - 62.3, "28.65", "28.650", "28.650");
        addRow("0.35", 0.35, "0.35", "0.350", "00.350");
        addRow("-1.25", -1.25, "-1.25", "-1.250", "-01.250");
        addRow("12.3456", 12.3456, "12.3456", "12.346", "12.346");
        addRow("0.207", 29.112 - 28.905, "0.206999999999997", "0.207", "00.207");
        addRow("whole", 100.0, "100", "100.000", "100.000");
        addRow("zero", 0.0, "0", "0.000", "00.000");
        addRow("half away from zero", 1.2345, "1.2345", "1.235", "01.235");
        addRow("negative half", -0.0005, "-0.0005", "-0.001", "-00.001");
        addRow("rounds to zero", -0.0004, "-0.0004", "0.000", "00.000");
        addRow("carry", 59.9996, "59.9996", "60.000", "60.000");
        addRow("rounds at fifteen", 2.0 / 3.0, "0.666666666666667", "0.667", "00.667");
        addRow("large", 123456789012.5, "123456789012.5", "123456789012.500", "123456789012.500");
    }
    void numberTexts() {
        QFETCH(double, value);
        QFETCH(QString, decimal);
        QFETCH(QString, threeDecimals);
        QFETCH(QString, seconds);
        QCOMPARE(q(decimalText(value)), decimal);
        QCOMPARE(q(threeDecimalFormat(value)), threeDecimals);
        QCOMPARE(q(secondsFormat(value)), seconds);
    }

    void saveNormalisation_data() {
        QTest::addColumn<QString>("lap");
        QTest::addColumn<QString>("split");
        QTest::addColumn<QString>("split2");
        QTest::addColumn<QString>("lapAfter");
        QTest::addColumn<QString>("splitAfter");
        QTest::addColumn<QString>("split2After");
        addRow("one short", "1.23.45", "28.1", "45.67", "1.23.450", "28.100", "45.670");
        addRow("two short", "1.23.4", "28.", "1.02.34", "1.23.400", "28.", "1.02.340");
        addRow("no thousandths", "1.23", "28", "1.02", "1.23.000", "28.000", "1.02.000");
        addRow("left alone", "83.456", "8.5", "1.02.3", "83.456", "8.5", "1.02.300");
        addRow("colon, empty", "1:23.456", "", "", "1:23.456", "", "");
    }
    void saveNormalisation() {
        QFETCH(QString, lap);
        QFETCH(QString, split);
        QFETCH(QString, split2);
        QFETCH(QString, lapAfter);
        QFETCH(QString, splitAfter);
        QFETCH(QString, split2After);
        // Every lap field and every split field follows the same rule.
        const SessionTimes t{lap.toStdString(), split.toStdString(), split2.toStdString(),
                             split.toStdString()};
        TimeSheet sheet{t.lap, t, t, t.lap};
        saveNormalise(sheet);
        for (const std::string* l :
             {&sheet.quickRaceLap, &sheet.practice.lap, &sheet.qualifying.lap, &sheet.raceLap})
            QCOMPARE(q(*l), lapAfter);
        for (const SessionTimes* s : {&sheet.practice, &sheet.qualifying}) {
            QCOMPARE(q(s->split1), splitAfter);
            QCOMPARE(q(s->split2), split2After);
            QCOMPARE(q(s->split3), splitAfter);
        }
    }

    void splitCompletion_data() {
        QTest::addColumn<QString>("lap");
        QTest::addColumn<QString>("split2");
        QTest::addColumn<Completion>("result");
        QTest::addColumn<QString>("split2After");
        QTest::addColumn<QString>("split3After"); // "old": left as it was
        using enum Completion;
        addRow("minutes split filled out", "1.30.950", "1.02.3", Completed, "1.02.300", "28.65");
        addRow("seconds split", "1.30.950", "45.1", Completed, "45.1", "45.85");
        addRow("lap shorter than split", "0.30.000", "33.5", Completed, "33.5", "-3.5");
        addRow("split cut at its own periods", "10.02.31", "1.02.300", Completed, "1.02.300",
               "540.01");
        addRow("empty lap, empty split", "", "", LengthFailure, "", "old");
        addRow("one period", "83.456", "45.1", LengthFailure, "45.1", "old");
        addRow("empty split", "1.30.950", "", NoSecondSplit, "", "old");
        addRow("minutes not a number", ".30.950", "45.1", ConversionFailure, "45.1", "old");
        addRow("split not a number", "1.30.950", "1.02.3x", ConversionFailure, "1.02.3x0", "old");
    }
    void splitCompletion() {
        QFETCH(QString, lap);
        QFETCH(QString, split2);
        QFETCH(Completion, result);
        QFETCH(QString, split2After);
        QFETCH(QString, split3After);
        for (Session session : {Session::Practice, Session::Qualifying}) {
            TimeSheet sheet;
            SessionTimes& t = session == Session::Practice ? sheet.practice : sheet.qualifying;
            t = {lap.toStdString(), "29.100", split2.toStdString(), "old"};
            QCOMPARE(completeSplits(sheet, session), result);
            QCOMPARE(q(t.split2), split2After);
            QCOMPARE(q(t.split3), split3After);
            QCOMPARE(q(t.split1), QStringLiteral("29.100"));
        }
    }

    void completionNormalisesBothSecondSplits() {
        TimeSheet sheet{"", {"1.30.950", "29.100", "1.02.3", ""}, {"", "", "1.01.5", "keep"}, ""};
        QCOMPARE(completeSplits(sheet, Session::Practice), Completion::Completed);
        QVERIFY(sheet.qualifying.split2 == "1.01.500" && sheet.qualifying.split3 == "keep");
    }

    // The value from a time and the failure for an empty 1st split are the editor test's.
    void plainSecondSplit() {
        const PlainSplit p = velomark::plainSecondSplit("29.1", "45.6");
        QVERIFY(p.kind == PlainSplitKind::Value && decimalText(p.seconds) == "16.5");
        QCOMPARE(velomark::plainSecondSplit("29.1", "").kind, PlainSplitKind::Empty);
        QCOMPARE(velomark::plainSecondSplit("29.1", "1.02.3").kind, PlainSplitKind::Failure);
    }
};

QTEST_APPLESS_MAIN(TimeTextTest)
#include "TimeTextTest.moc"
