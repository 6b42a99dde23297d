// The custom-circuit window: the reminder before every save, a failed save,
// refused text, the file it writes and the main window showing the new captions.
#include "ui/catalogue/CustomWindow.h"
#include "app/MainWindow.h"

#include "support/Windows.h"

#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

QWidget* openFrom(MainWindow& main) {
    clickButton(&main, "cmdcustom");
    return window("frmcustom");
}

} // namespace

class CustomWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void failedSaveThenSave() {
        Desk desk;
        FakeMessages& msgs = desk.msgs;
        QVERIFY(QDir().mkdir(QStringLiteral("custom"))); // a folder stands where the file goes
        QWidget* w = openFrom(desk.main);
        QVERIFY(w);
        QTest::keyClicks(child<QLineEdit>(w, "cn16"), QStringLiteral("Last"));
        // What the file cannot hold is refused as it is typed or pasted; the
        // euro sign is Windows-1252's, not Latin-1's.
        retype(w, {{"co1", "Républic \"hi\" ✓€"}});
        QCOMPARE(texts(w, {"co1"}), strings({"Républic hi €"}));
        child<QLineEdit>(w, "cn1")->insert(QStringLiteral("Two\nlines"));
        QVERIFY(child<QLineEdit>(w, "cn1")->text().isEmpty() && !text(w, "status").isEmpty());
        for (int attempt = 0; attempt < 2; ++attempt) {
            msgs.expect(MessageAnswer::Ok);
            msgs.expect(MessageAnswer::Ok);
            clickButton(w, "cmdok");
        }
        const QString reminder =
            QStringLiteral("If you have changed a circuit for a new one, dont forget that you "
                           "will need to `Clear` out the old lap times.");
        QCOMPARE(msgs.shown.size(), 4); // the reminder comes first every time
        QVERIFY(msgs.shown[0].title == QLatin1String("Reminder !") &&
                msgs.shown[0].text == reminder && msgs.shown[0].icon == MessageIcon::None &&
                msgs.shown[2].text == reminder);
        QVERIFY(msgs.shown[1].text.contains(QStringLiteral("custom")) &&
                msgs.shown[1].icon == MessageIcon::Stop);
        QVERIFY(window("frmcustom") == w && texts(w, {"cn16"}) == strings({"Last"}));
        QCOMPARE(desk.main.selectedTrackset(), Trackset::Standard);
        QCOMPARE(msgs.beeps, 0);

        // Once the folder is gone the same OK saves, and Custom shows the new captions.
        QVERIFY(QDir().rmdir(QStringLiteral("custom")));
        msgs.expect(MessageAnswer::Ok);
        clickButton(w, "cmdok");
        const std::string lf = "\"\n\",", six = lf + lf + lf + lf + lf + lf;
        QCOMPARE(readBytes(QStringLiteral("custom")),
                 "\"\nR\xE9public hi \x80\"," + six + "\"\n\"\r\n" + six + lf + "\"Last\n\"\r\n");
        QVERIFY(!window("frmcustom"));
        QCOMPARE(desk.main.selectedTrackset(), Trackset::Custom);
        QCOMPARE(child<QPushButton>(&desk.main, "t1")->text(), QStringLiteral("\nRépublic hi €"));
        w = openFrom(desk.main); // and the window opens on what was saved
        QVERIFY(w && texts(w, {"co1"}) == strings({"Républic hi €"}));
        w->close();
    }
};

QTEST_MAIN(CustomWindowTest)
#include "CustomWindowTest.moc"
