// Velomark: personal-best lap times for GP2, kept in the working directory.
#include "app/InstanceLock.h"
#include "app/MainWindow.h"
#include "laps/SaveTimes.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velomark"));
    // Ties the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.velomark"));

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
