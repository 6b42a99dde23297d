// The editor's SAVE as the history sees it, and the progress chart, from its
// module, read back from where it draws its points.
#include "laps/History.h"
#include "laps/SaveTimes.h"
#include "ui/progress/ProgressModule.h"

#include "support/Windows.h"

#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace velomark;
using namespace velomark::test;

namespace {

const CircuitChoice kMonza{Trackset::Standard, 12, "Monza\nItaly"};

// Line 12 of set1.dat as a record.
CircuitRecord storedMonza() {
    return parseLapRecords(readBytes(QStringLiteral("set1.dat")), "set1.dat").value()[11];
}

} // namespace

class ProgressTest : public QObject {
    Q_OBJECT
  private slots:
    void saveAddsTheChangedSessionsToTheHistory() {
        Desk desk;
        QVERIFY(desk.ready());
        LapTimeEditor* editor = desk.open(12);
        QVERIFY(editor);
        retype(editor, {{"plap", "1.30.288"}, {"ps1", "29.1"}, {"ps2", "1.02.3"}});
        retype(editor, {{"prset", "caf\u00e9, dry.set"}, {"rlap", "1.40"}});
        clickButton(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 1);
        auto read = readHistory();
        QVERIFY(read.ok() && read->rows.size() == 2);
        // Each row holds what the save wrote, in UTF-8; the rows' fields are HistoryTest's.
        const HistoryRow& practice = read->rows[0];
        QVERIFY(practice.circuit == 12 && practice.lap == textOf(storedMonza()[5]));
        QCOMPARE(practice.setup, std::string("caf\xc3\xa9, dry.set"));
        QCOMPARE(read->rows[1].lap, std::string("1.40.000"));
        QCOMPARE(text(editor, "status"),
                 QStringLiteral("Practice: 1.30.288, the first time stored for this session\n"
                                "Race: 1.40.000, the first time stored for this session"));

        // Only the changed session is added; the splits are warned of, and stored as typed.
        retype(editor, {{"plap", "1.29.876"}, {"ps1", "1.03.0"}, {"ps2", "1.02.3"}});
        clickButton(editor, "cmdsave");
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(text(editor, "status"),
                 QStringLiteral("Practice: 1.29.876, 0.412 s faster than 1.30.288 of %1\n"
                                "Check the Practice times: its 1st split is not below its +2nd "
                                "split.")
                     .arg(today));
        QCOMPARE(textOf(storedMonza()[6]), std::string("1.03.0"));
        clickButton(editor, "cmdsave"); // nothing new
        QCOMPARE(readHistory()->rows.size(), size_t(3));

        // A history that cannot be written never keeps the times from being saved.
        QVERIFY(QFile::remove(QStringLiteral("history.csv")) &&
                QDir().mkdir(QStringLiteral("history.csv")));
        retype(editor, {{"qrlap", "1.20.5"}});
        clickButton(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 4);
        QCOMPARE(textOf(storedMonza()[0]), std::string("1.20.500"));
        QVERIFY(text(editor, "status")
                    .startsWith(QStringLiteral(
                        "QuickRace: 1.20.500, the first time stored for this session\nYour "
                        "times are saved, but the history was not updated: The file "
                        "history.csv is a directory")));
        editor->close();
    }

    // As many points as rows of that circuit and session, oldest first, at
    // the stored times; the stored best marked, the ideal lap across.
    void chartHoldsTheHistory() {
        ScopedWorkDir dir;
        FakeMessages msgs; // this test's own folder has no module: the player is told so
        msgs.expect(MessageAnswer::Ok);
        QVERIFY(!openProgressWindow({kMonza, {}, std::nullopt}, "history.csv", nullptr) &&
                msgs.shown.value(0).text.startsWith(QStringLiteral(
                    "The progress chart needs the module velomark-progress, which is missing")));
        QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR));

        auto line = [](const char* when, int circuit, const char* session, const char* lap) {
            return QStringLiteral("\"%1\",\"Standard\",\"%2\",\"x\",\"%3\",\"%4\",\"\",\"\",\"\","
                                  "\"s.set\"\r\n")
                .arg(QLatin1String(when))
                .arg(circuit)
                .arg(QLatin1String(session), QLatin1String(lap))
                .toStdString();
        };
        const std::string history = std::string(kHistoryHeader) + "\r\n" +
                                    line("2026-03-01T10:00:00+01:00", 12, "Practice", "1.31.000") +
                                    line("2026-01-01T10:00:00+01:00", 12, "Practice", "1.32.500") +
                                    line("2026-02-01T10:00:00Z", 12, "Qualifying", "1.30.000") +
                                    line("2026-02-01T10:00:00Z", 11, "Practice", "1.50.000") +
                                    line("2026-04-01T10:00:00+02:00", 12, "Practice", "1.30.250");
        QVERIFY(writeBytes(QStringLiteral("history.csv"), history));

        ProgressInput input{kMonza, {"", "1.31.000", "1.30.000", ""}, 89.5};
        const std::unique_ptr<QWidget> w(openProgressWindow(input, "history.csv", nullptr));
        QVERIFY(w && w->objectName() == QLatin1String("frmprogress"));
        w->show();
        QWidget* chart = child<QWidget>(w.get(), "chart");
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QVariantMap drawn = chart->property("drawnPoints").toMap();
        QCOMPARE(drawn.keys(),
                 strings({"Ideal lap 1.29.500", "Practice", "Qualifying", "Stored best"}));
        auto points = [&drawn](const char* name) {
            return drawn[QLatin1String(name)].value<QList<QPointF>>();
        };
        // Oldest first; a faster lap lower, by its gain: 1.5 s, then 0.75 s.
        const QList<QPointF> practice = points("Practice"), qualifying = points("Qualifying");
        QVERIFY(practice.size() == 3 && qualifying.size() == 1 &&
                practice[0].x() < qualifying[0].x() && qualifying[0].x() < practice[1].x() &&
                practice[1].x() < practice[2].x());
        QCOMPARE(practice[1].y() - practice[0].y(), 2 * (practice[2].y() - practice[1].y()));
        QVERIFY(practice[0].y() < practice[1].y() &&
                points("Ideal lap 1.29.500")[0].y() > qualifying[0].y());
        QCOMPARE(points("Stored best"), (QList<QPointF>{practice[1], qualifying[0]}));

        // The pointer on the best Qualifying lap's mark, and the keys, say what it is.
        QTest::mouseMove(chart, qualifying[0].toPoint() + QPoint(3, -2));
        QVERIFY(QToolTip::text().contains(QStringLiteral("Qualifying 1.30.000")) &&
                QToolTip::text().contains(QStringLiteral("Setup: s.set")));
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_Right);
        QTest::keyClick(chart, Qt::Key_Right);
        QVERIFY(chart->accessibleDescription().startsWith(QStringLiteral("Qualifying 1.30.000\n")));

        // No row of this circuit: one sentence instead of an empty frame.
        const std::unique_ptr<QWidget> other(
            openProgressWindow(ProgressInput{{Trackset::Custom, 12, "Mine"}, {}, std::nullopt},
                               "history.csv", nullptr));
        QVERIFY(child<QWidget>(other.get(), "chart")->isHidden());
        QVERIFY(child<QLabel>(other.get(), "sentence")
                    ->text()
                    .startsWith(QStringLiteral("No lap time")));
    }
};

QTEST_MAIN(ProgressTest)
#include "ProgressTest.moc"
