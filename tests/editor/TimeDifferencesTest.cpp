// Practice against Qualifying and the ideal lap.
#include "editor/TimeDifferences.h"

#include "support/TestFiles.h"

#include <QtTest>

using namespace velomark;
using velomark::test::strings;

Q_DECLARE_METATYPE(std::string)

namespace {
const SessionTimes kQualifying{"", "28.905", "1.01.523", "28.301"};

QStringList labels(const DifferenceDisplay& d) {
    QStringList out;
    for (const std::string& l : d.labels)
        out << QString::fromStdString(l);
    return out;
}
} // namespace

class TimeDifferencesTest : public QObject {
    Q_OBJECT
  private slots:
    void bothSidesAndTheIdealLap() {
        const SessionTimes practice{"", "29.112", "1.02.347", "28.654"};
        const auto left =
            timeDifferences(practice, kQualifying, DifferenceSide::PracticeMinusQualifying);
        QVERIFY(left);
        QCOMPARE(labels(*left), strings({"+0.207", "+0.824", "+0.353", "+1.177"}));
        QCOMPARE(left->idealLap, std::string("Ideal Lap Time: 1.29.824"));

        const auto right =
            timeDifferences(practice, kQualifying, DifferenceSide::QualifyingMinusPractice);
        QVERIFY(right);
        QCOMPARE(labels(*right), strings({"-0.207", "-0.824", "-0.353", "-1.177"}));
        QCOMPARE(right->idealLap, left->idealLap);
    }

    void idealLapMixesTheBestSectors() {
        // Practice's 1st split, Qualifying's second sector and 3rd split.
        const SessionTimes practice{"", "28.801", "1.01.950", "28.654"};
        const auto d =
            timeDifferences(practice, kQualifying, DifferenceSide::PracticeMinusQualifying);
        QVERIFY(d);
        QCOMPARE(d->idealLap, std::string("Ideal Lap Time: 1.29.720"));
        QCOMPARE(d->labels[0], std::string("-0.104"));
    }

    void missingThirdSplitAndEqualTimes() {
        const SessionTimes practice{"", "28.905", "1.01.523", "28.654"};
        const SessionTimes noThird{"", "28.905", "1.01.523", ""};
        const auto d = timeDifferences(practice, noThird, DifferenceSide::PracticeMinusQualifying);
        QVERIFY(d);
        QCOMPARE(d->labels[0], std::string("0.000")); // a tie gets no sign
        QCOMPARE(d->labels[2], std::string());
        QCOMPARE(d->labels[3], std::string());
        // The empty 3rd split counts 0 and so is the best one.
        QCOMPARE(d->idealLap, std::string("Ideal Lap Time: 1.01.523"));
    }

    void splitsThatAreNotNumbers() {
        const SessionTimes onlyFirst{"", "29.1", "", ""};
        QVERIFY(differencesAvailable(onlyFirst, kQualifying));
        QVERIFY(!timeDifferences(onlyFirst, kQualifying, DifferenceSide::PracticeMinusQualifying));
        const SessionTimes badThird{"", "29.1", "1.02.347", "28.6x"};
        QVERIFY(!timeDifferences(badThird, kQualifying, DifferenceSide::QualifyingMinusPractice));
        // A 3rd split too large for a double: pressable, but no display.
        const SessionTimes hugeThird{"", "29.1", "1.02.347", "1" + std::string(400, '0') + "x"};
        QVERIFY(differencesAvailable({"", "", "", hugeThird.split3}, kQualifying));
        QVERIFY(!timeDifferences(hugeThird, kQualifying, DifferenceSide::PracticeMinusQualifying));
    }

    void availability() {
        QVERIFY(differencesAvailable({"", "", "1.02.300", ""}, {"", "", "", "28.3"}));
        QVERIFY(!differencesAvailable({"", "", "", ""}, kQualifying));
        QVERIFY(!differencesAvailable(kQualifying, {"", "0", "abc", "-1"}));
    }

    void idealLapText_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<std::string>("text");
        QTest::newRow("under a minute") << 45.512 << std::string("0.45.512");
        QTest::newRow("seconds under ten") << 65.125 << std::string("1.05.125");
        QTest::newRow("sum of sectors") << 28.801 + 32.618 + 28.301 << std::string("1.29.720");
        QTest::newRow("rounds up to a minute") << 59.9996 << std::string("1.00.000");
        QTest::newRow("rounds up to two minutes") << 119.99951 << std::string("2.00.000");
    }
    void idealLapText() {
        QFETCH(double, seconds);
        QFETCH(std::string, text);
        QCOMPARE(velomark::idealLapText(seconds), text);
    }
};

QTEST_APPLESS_MAIN(TimeDifferencesTest)
#include "TimeDifferencesTest.moc"
