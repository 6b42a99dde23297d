// Velomark: personal-best lap times for GP2, kept in the working directory.
#include "app/InstanceLock.h"
#include "app/MainWindow.h"
#include "laps/SaveTimes.h"
#include "platform/Language.h"

#include <QApplication>
#include <QPixmapCache>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Fusion keeps every button face it draws, 15 KB each, in Qt's pixmap
    // cache (10 MB by default): Velomark's small windows draw them again
    // in no time, for about 200 KB less at start-up.
    QPixmapCache::setCacheLimit(64);
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
