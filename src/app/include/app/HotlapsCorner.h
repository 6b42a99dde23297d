// The main window's share in the hot laps of GP2: the "Hot laps" button
// beside Export and the window it opens (from its module, loaded on the first
// press), the watch on gpsaves, and the line
// under the window that announces a new best until it is clicked or replaced.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

#include <string>

class QLabel;
class QPushButton;

namespace velomark {

class HotlapWatch;
class HotlapsModule;
class MainWindow;
struct HotlapReading;

class HotlapsCorner : public QObject {
    Q_OBJECT
  public:
    // Goes with main, whose size is fixed by now.
    explicit HotlapsCorner(MainWindow* main);

    void openHotlaps();
    // The line, with the window grown to show it; "" takes it away.
    void announce(const QString& line);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watchGp2Directory();
    void onLapRead(const HotlapReading& lap);

    MainWindow* m_main;
    const QSize m_base; // the main window's size without the line
    QPushButton* m_button = nullptr;
    QLabel* m_notice = nullptr;
    HotlapWatch* m_watch = nullptr;
    HotlapsModule* m_module = nullptr; // loaded with the first window
    QPointer<QWidget> m_window;
};

} // namespace velomark
