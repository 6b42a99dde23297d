// The bests board on the main window: its "Bests" button, the board it opens
// (from its module, loaded on the first press),
// a circuit asked for on the board opened as the main window's button would
// open it, and every SAVE read into the open board.
#pragma once

#include "formats/Circuits.h"

#include <QObject>
#include <QPointer>

class QPushButton;

namespace velomark {

class BoardModule;
class MainWindow;

class BoardLink : public QObject {
    Q_OBJECT
  public:
    // Puts the button on main; main emits recordsSaved after each SAVE.
    explicit BoardLink(MainWindow* main);

  private:
    void openBoard();
    void openCircuit(Trackset set, int number);

    MainWindow* m_main;
    QPushButton* cmdboard = nullptr;
    BoardModule* m_module = nullptr;
    QPointer<QWidget> m_board;
};

} // namespace velomark
