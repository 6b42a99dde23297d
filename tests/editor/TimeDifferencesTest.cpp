// Practice against Qualifying and the ideal lap.
#include "editor/TimeDifferences.h"

#include <QtTest>

using namespace velomark;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(velomark::SessionTimes)

namespace {
const SessionTimes kQualifying{"", "28.905", "1.01.523", "28.301"};
using S = std::string;
} // namespace

class TimeDifferencesTest : public QObject {
    Q_OBJECT
  private slots:
    void differences_data() {
        QTest::addColumn<SessionTimes>("practice"); // against kQualifying
        QTest::addColumn<bool>("left");             // practice minus qualifying
        QTest::addColumn<S>("shown"); // the four labels and the ideal lap; empty for no display
        // Practice minus Qualifying of these is the editor test's.
        const SessionTimes p{"", "29.112", "1.02.347", "28.654"};
        QTest::newRow("qualifying side") << p << false << S("-0.207|-0.824|-0.353|-1.177|1.29.824");
        // Practice's 1st split, Qualifying's second sector and 3rd split.
        QTest::newRow("best sectors mixed") << SessionTimes{"", "28.801", "1.01.950", "28.654"}
                                            << true << S("-0.104|+0.427|+0.353|+0.780|1.29.720");
        // A tie gets no sign; the empty 3rd split counts 0 and so is the best one.
        QTest::newRow("tie, no 3rd split")
            << SessionTimes{"", "28.905", "1.01.523", ""} << true << S("0.000|0.000|||1.01.523");
        QTest::newRow("1st split only") << SessionTimes{"", "29.1", "", ""} << true << S();
        QTest::newRow("3rd split not a number")
            << SessionTimes{"", "29.1", "1.02.347", "28.6x"} << false << S();
        QTest::newRow("3rd split too large for a double")
            << SessionTimes{"", "29.1", "1.02.347", "1" + S(400, '0') + "x"} << true << S();
    }
    void differences() {
        QFETCH(SessionTimes, practice);
        QFETCH(bool, left);
        QFETCH(S, shown);
        QVERIFY(differencesAvailable(practice, kQualifying)); // pressable even when nothing shows
        using enum DifferenceSide;
        const auto d = timeDifferences(practice, kQualifying,
                                       left ? PracticeMinusQualifying : QualifyingMinusPractice);
        S got;
        for (const S& label : d ? d->labels : std::array<S, 4>())
            got += label + "|";
        if (!shown.empty())
            shown.insert(shown.rfind('|') + 1, "Ideal Lap Time: ");
        QCOMPARE(d ? got + d->idealLap : S(), shown);
    }

    void availability() {
        QVERIFY(differencesAvailable({"", "", "1.02.300", ""}, {"", "", "", "28.3"}));
        QVERIFY(differencesAvailable({"", "", "", "1" + S(400, '0') + "x"}, kQualifying));
        QVERIFY(!differencesAvailable(kQualifying, {"", "0", "abc", "-1"}));
    }

    void lapTimeText_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<S>("text");
        QTest::newRow("under a minute") << 45.512 << S("0.45.512");
        QTest::newRow("rounds up to a minute") << 59.9996 << S("1.00.000");
        QTest::newRow("rounds up to two minutes") << 119.99951 << S("2.00.000");
    }
    void lapTimeText() {
        QFETCH(double, seconds);
        QFETCH(S, text);
        QCOMPARE(velomark::lapTimeText(seconds), text);
    }
};

QTEST_APPLESS_MAIN(TimeDifferencesTest)
#include "TimeDifferencesTest.moc"
