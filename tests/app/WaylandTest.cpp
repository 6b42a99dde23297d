// Velomark as a native Wayland client of a headless Weston (run-under-weston.sh):
// it starts, opens a circuit, saves and closes, and any warning Qt prints, from
// the first connection to the compositor to the last, fails the test.
#include "support/Windows.h"

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
        QVERIFY(desk.ready());

        // Wayland lets no client activate its own windows: the editor is waited for as shown.
        clickButton(&desk.main, "t3");
        auto* editor = window<LapTimeEditor>("frmtimes");
        QVERIFY(editor && QTest::qWaitForWindowExposed(editor) && !desk.main.isVisible());
        retype(editor, {{"qrlap", "1.19.842"}, {"qrset", "dry.set"}});
        clickButton(editor, "cmdsave");
        QVERIFY(desk.msgs.beeps == 1 &&
                readBytes(QStringLiteral("set1.dat")).find("\"1.19.842\"") != std::string::npos);

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
    for (const QString& said : g_said)
        fprintf(stderr, "Qt warned outside the test: %s\n", qPrintable(said));
    return g_said.isEmpty() ? failed : 1;
}

#include "WaylandTest.moc"
