// Velomark as a native Wayland client of a compositor of its own (run by
// run-under-weston.sh): it starts as the program does, opens a circuit, saves
// and closes, and Qt says nothing about it. Any warning, from the first
// connection to the compositor to the last, fails the test.
#include "app/InstanceLock.h"

#include "support/Windows.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

// What Qt said outside the test functions, where Qt Test does not listen.
QStringList g_said;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_said << QStringLiteral("%1: %2").arg(QLatin1String(context.category), text);
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void openSaveAndClose() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        Desk desk;
        InstanceLock lock;
        QVERIFY(CheckPrevInstance(lock));
        QVERIFY(desk.ready());

        // Wayland lets no client activate its own windows: the editor is
        // waited for as shown, not as active.
        clickButton(&desk.main, "t3");
        auto* editor = window<LapTimeEditor>("frmtimes");
        QVERIFY(editor && QTest::qWaitForWindowExposed(editor) && !desk.main.isVisible());
        retype(editor, {{"qrlap", "1.19.842"}, {"qrset", "dry.set"}});
        clickButton(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 1);
        QCOMPARE(
            textOf(
                parseLapRecords(readBytes(QStringLiteral("set1.dat")), "set1.dat").value()[2][0]),
            std::string("1.19.842"));

        clickButton(editor, "cmdclose");
        QVERIFY(!window("frmtimes") && QTest::qWaitForWindowExposed(&desk.main));
        desk.main.close();
    }
};

int main(int argc, char* argv[]) {
    qInstallMessageHandler(recordMessage);
    int failed = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Velomark"));
        QApplication::setDesktopFileName(QStringLiteral("org.example.velomark"));
        WaylandTest test;
        failed = QTest::qExec(&test, argc, argv);
    }
    if (!g_said.isEmpty()) {
        fprintf(stderr, "Qt warned outside the test:\n%s\n", qPrintable(g_said.join(u'\n')));
        return 1;
    }
    return failed;
}

#include "WaylandTest.moc"
