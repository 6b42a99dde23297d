// Velomark: personal-best lap times for GP2, kept in the working directory.
#include "app/InstanceLock.h"
#include "app/MainWindow.h"
#include "laps/SaveTimes.h"
#include "platform/Language.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velomark"));
    // Ties the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.velomark"));

    // Every window is made after this, in the language chosen.
    const QString wanted = velomark::chosenLanguage(QApplication::arguments());
    const QString spoken = velomark::speak(wanted);
    if (!wanted.isEmpty() && velomark::languageOf(wanted) != spoken)
        std::fprintf(stderr, "velomark: there is no translation for %s; Velomark speaks English.\n",
                     qPrintable(wanted));

    velomark::InstanceLock lock;
    if (!velomark::CheckPrevInstance(lock))
        return 0;

    velomark::MainWindow window;
    window.show();
    // Once the window is up: what a crash in the middle of a save left behind.
    QMetaObject::invokeMethod(
        &window, [] { velomark::tidyAfterStoppedSave(); }, Qt::QueuedConnection);
    return QApplication::exec();
}
