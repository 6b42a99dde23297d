// The bests board as the program sees it: the module that holds the board
// and its table, loaded on the first press of "Bests".
#pragma once

#include "formats/Circuits.h"
#include "laps/BestsTable.h"

#include <QObject>

#include <functional>

class QWidget;

namespace velomark {

class BoardModule {
  public:
    virtual ~BoardModule() = default;
    // The board frmboard, read; it deletes itself on closing. circuitRequested
    // runs on Enter or a double-click on a row.
    virtual QWidget* bestsBoard(IdealLap ideal,
                                std::function<void(Trackset, int)> circuitRequested) = 0;
    // Reads a board made above again (see BestsBoard::reload).
    virtual void reload(QWidget* board) = 0;
};

// The module, or nullptr when it is missing, after a message to the player
// that says so.
BoardModule* boardModule(QWidget* messageParent);

} // namespace velomark

#define VELOMARK_BOARD_MODULE_IID "org.example.velomark.BoardModule/1"
Q_DECLARE_INTERFACE(velomark::BoardModule, VELOMARK_BOARD_MODULE_IID)
