// The main window: tracksets, captions, the Custom selection, the hand-over
// to the editor and the windows its activation closes; the About box; the
// tab order of the windows whose order the player relies on.
#include "app/MainWindow.h"
#include "app/AboutBox.h"
#include "ui/catalogue/CustomWindow.h"
#include "ui/editor/LapTimeEditor.h"
#include "ui/reports/ExportChooser.h"

#include "support/Windows.h"

#include <QAccessible>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

// The heading, the captions of buttons 1, 2 and 16, and the options drawn in blue.
QStringList shown(MainWindow& w) {
    QStringList out{w.findChild<QLabel*>(QStringLiteral("labset"))->text()};
    for (int k : {1, 2, 16})
        out << w.findChild<QPushButton*>(QStringLiteral("t%1").arg(k))->text();
    for (QRadioButton* option : w.findChildren<QRadioButton*>())
        if (option->palette().color(QPalette::WindowText) == QColor(0, 0, 255))
            out << option->objectName();
    return out;
}

void choose(MainWindow& w, int i) {
    QTest::mouseClick(w.findChild<QRadioButton*>(QStringLiteral("set%1").arg(i)), Qt::LeftButton);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Reading any picture file makes Qt load every image plugin it has, so the
    // main window draws all it shows: the first test, before anything else
    // could have loaded them.
    void theMainWindowReadsNoPicture() {
#ifdef Q_OS_LINUX
        Desk desk;
        QVERIFY(desk.ready(std::nullopt));
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.grab();
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(!maps.readAll().contains("/imageformats/"), "an image plugin was loaded");
#else
        QSKIP("reads the process's mappings from /proc");
#endif
    }

    void tracksetsAndTheCustomFile() {
        Desk desk; // no data file at all, and none is written
        QVERIFY(desk.ready(std::nullopt));
        MainWindow& w = desk.main;
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("GP2 Velomark V1.5      by ")));
        const QStringList standard =
            strings({"Standard GP2 Circuits", "Interlagos\nBrazil", "TI Circuit Aida\nPacific",
                     "Adelaide\nAustralia", "set1"});
        QCOMPARE(shown(w), standard);
        choose(w, 2);
        QCOMPARE(shown(w), strings({"IA Track Pack Circuits", "Brands Hatch\nIreland",
                                    "Buenos Aires\nArgentina", "Melbourne\nAustralia", "set2"}));
        QVERIFY(QDir(desk.dir.path(QString())).isEmpty());

        // Without a custom file Custom says what to do, once, and falls back to Standard.
        desk.msgs.expect(MessageAnswer::Ok);
        choose(w, 3);
        QCOMPARE(desk.msgs.shown.size(), 1);
        QCOMPARE(desk.msgs.shown[0].title, QStringLiteral("Ooops!"));
        QCOMPARE(desk.msgs.shown[0].text,
                 QStringLiteral(
                     "You need to set up some circuits first. Press the `?` button to do this"));
        QCOMPARE(desk.msgs.shown[0].icon, MessageIcon::Stop);
        QCOMPARE(w.selectedTrackset(), Trackset::Standard);
        QCOMPARE(shown(w), standard);

        // A custom file far larger than any real one is refused by name, at once.
        QVERIFY(writeBytes(QStringLiteral("custom"), std::string(2 << 20, ',')));
        desk.msgs.expect(MessageAnswer::Ok);
        choose(w, 3);
        QCOMPARE(desk.msgs.shown.size(), 2);
        QVERIFY(desk.msgs.shown[1].text.contains(QStringLiteral("custom")));
        QCOMPARE(w.selectedTrackset(), Trackset::Standard);

        QVERIFY(writeBytes(QStringLiteral("custom"), fixture("custom_two_lines")));
        choose(w, 3);
        QCOMPARE(shown(w), strings({"User-defined Custom Circuits", "Interlagos\nBrazil",
                                    "A1 Ring\nAustria", "Last\nOne", "set3"}));
        // Selecting Custom again reads the file again.
        QVERIFY(writeBytes(QStringLiteral("custom"), fixture("custom_initialised")));
        w.selectTrackset(Trackset::Custom);
        QCOMPARE(shown(w).mid(1, 3), strings({"", "", ""}));
    }

    // Names from the custom file show as they stand: an '&' is no shortcut
    // key, markup is text, on the buttons, the editor's label and in messages.
    void namesShownAsTheyStand() {
        Desk desk;
        std::string custom = "\"A & B\nItaly\",\"Rock&Roll\nUSA\",\"<b>Bold</b>\nX\"";
        for (int k = 4; k <= 16; ++k)
            custom += ",\"\n\"";
        QVERIFY(writeBytes(QStringLiteral("custom"), custom + "\r\n") &&
                writeBytes(QStringLiteral("set3.dat"), blankLapRecordFile()));
        QVERIFY(desk.ready(std::nullopt));
        desk.main.selectTrackset(Trackset::Custom);
        const char* captions[] = {"A & B\nItaly", "Rock&Roll\nUSA", "<b>Bold</b>\nX"};
        for (int k = 1; k <= 3; ++k) {
            auto* b = child<QPushButton>(&desk.main, qPrintable(QStringLiteral("t%1").arg(k)));
            QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name),
                     QString::fromUtf8(captions[k - 1]));
            QVERIFY(QKeySequence::mnemonic(b->text()).isEmpty());
        }
        LapTimeEditor* editor = desk.open(3);
        QVERIFY(editor);
        QCOMPARE(child<QLabel>(editor, "track")->textFormat(), Qt::PlainText);
        QCOMPARE(child<QLabel>(editor, "track")->text(), QStringLiteral("<b>Bold</b>\nX"));
        editor->close();

        const std::unique_ptr<QMessageBox> box = messageBox(
            nullptr, {QString(), QStringLiteral("A<b>BOLD <u>under"), MessageButtons::Ok});
        auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(text && text->textFormat() == Qt::PlainText &&
                text->text() == QStringLiteral("A<b>BOLD <u>under"));
    }

    void handOverToTheEditorAndActivationClosesWindows() {
        Desk desk;
        MainWindow& w = desk.main;
        QVERIFY(writeBytes(QStringLiteral("set2.dat"), blankLapRecordFile()));
        QVERIFY(desk.ready(std::nullopt) && activate(&w));
        clickButton(&w, "cmdinit");
        QPointer<QWidget> init = window("frminit");
        QVERIFY(activate(init));
        QApplication::setActiveWindow(&w); // the player clicks on the main window
        QTRY_VERIFY(!init);

        choose(w, 2);
        QTest::mouseMove(child<QPushButton>(&w, "t12"));
        // The pointer rests on t12, but t7 is pressed from the keyboard.
        child<QPushButton>(&w, "t7")->setFocus();
        QTest::keyClick(child<QPushButton>(&w, "t7"), Qt::Key_Space);
        QPointer<QWidget> editor = window("frmtimes");
        QVERIFY(editor && !w.isVisible());
        QCOMPARE(child<QLabel>(editor, "track")->text(), QStringLiteral("Paul Ricard\nFrance"));
        QTest::keyClicks(child<QLineEdit>(editor, "rlap"), QStringLiteral("1.30.000"));
        clickButton(editor, "cmdsave");
        // Line 7, field 16: after six blank lines of 61 bytes and 15 empty fields.
        QCOMPARE(readBytes(QStringLiteral("set2.dat")).find("\"1.30.000\""),
                 size_t(6 * 61 + 15 * 3));

        w.show(); // the main window comes back while the editor is still open
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(!editor);
    }

    void aboutBoxOpensOnceAndClosesByKey() {
        Desk desk;
        MainWindow& main = desk.main;
        QVERIFY(desk.ready(std::nullopt) && activate(&main));
        auto* picture = main.findChild<QLabel*>(QStringLiteral("Image2"));
        const QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(picture);
        QVERIFY(seen->role() == QAccessible::Graphic &&
                seen->text(QAccessible::Name) == QLatin1String("About Velomark"));
        for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
            if (key == Qt::Key_Return)
                QTest::mouseClick(picture, Qt::LeftButton);
            else // F1 opens it without a mouse
                QTest::keyClick(&main, Qt::Key_F1);
            QPointer<QWidget> about = window("frmAbout");
            QTest::mouseClick(picture, Qt::LeftButton); // the open box comes to the front
            QVERIFY(about && window("frmAbout") == about && !about->isModal());
            QTest::keyClick(about, Qt::Key(key));
            QVERIFY(!window("frmAbout"));
        }
        // The home page link leads somewhere for a build-tree copy as for an installed one.
        const QUrl home = AboutBox::homePage();
        QVERIFY2(QFileInfo(home.toLocalFile()).isFile(), qPrintable(home.toString()));
    }

    // The whole tab chain from where the focus starts as the window opens
    // round to it again, so the first stop and the wrap are checked as well.
    void tabOrders() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QStringList custom{QStringLiteral("cmdok")};
        for (int k = 1; k <= 16; ++k)
            custom << QStringLiteral("cn%1").arg(k) << QStringLiteral("co%1").arg(k);
        const std::pair<std::function<QWidget*()>, QStringList> windows[] = {
            {[] { return new CustomWindow; }, custom},
            {[] {
                 return new LapTimeEditor({Trackset::Standard, 1, "Interlagos\nBrazil"});
             },
             strings({"qrlap", "qrset", "plap", "ps1", "ps2", "prset", "qlap", "qs1", "qs2", "qset",
                      "rlap", "raset", "cmdsave", "cmdclose", "ps3", "qs3", "cmdclear", "cmdimport",
                      "cmdprogress"})},
            {[] { return new ExportChooser; },
             strings({"optscrn", "optprt", "opttxt", "optweb", "optclip", "cmdexport", "Command1",
                      "optcsv"})},
        };
        for (const auto& [open, expected] : windows) {
            const std::unique_ptr<QWidget> w(open());
            w->show();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            QWidget* start = QApplication::focusWidget();
            QVERIFY(start);
            QStringList chain{start->objectName()};
            for (QWidget* f = start->nextInFocusChain(); f != start; f = f->nextInFocusChain())
                if (f->focusPolicy() != Qt::NoFocus)
                    chain << f->objectName();
            QCOMPARE(chain, expected);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
