#include "app/BoardLink.h"

#include "app/MainWindow.h"
#include "laps/TimeDifferences.h"
#include "platform/WidgetLook.h"
#include "ui/board/BoardModule.h"

#include <QPushButton>

namespace velomark {

BoardLink::BoardLink(MainWindow* main) : QObject(main), m_main(main) {
    // Between the About picture (down to 1050) and the trackset frame (from
    // 1320), in the column of INITIALISE !: the one free place on the window
    // that takes a button without moving a control.
    //: The button that opens the bests board.
    cmdboard = new QPushButton(tr("Bests"), main);
    cmdboard->setObjectName(QStringLiteral("cmdboard"));
    cmdboard->setAccessibleName(tr("Bests"));
    cmdboard->setToolTip(tr("Every best on one board, and a rival's beside them"));
    cmdboard->setGeometry(twipRect(240, 1065, 1215, 240));
    connect(cmdboard, &QPushButton::clicked, this, &BoardLink::openBoard);
    connect(main, &MainWindow::recordsSaved, this, [this] {
        if (m_board)
            m_module->reload(m_board);
    });
}

void BoardLink::openBoard() {
    if (!m_board) {
        m_module = boardModule(m_main);
        if (!m_module)
            return;
        m_board = m_module->bestsBoard(idealLapSeconds,
                                       [link = QPointer(this)](Trackset set, int number) {
                                           if (link)
                                               link->openCircuit(set, number);
                                       });
    }
    m_board->show();
    m_board->raise();
    m_board->activateWindow();
}

// The trackset chosen on the main window first, as the player would; a Custom
// trackset whose custom file has gone meanwhile leaves it on Standard, and the
// player has been told.
void BoardLink::openCircuit(Trackset set, int number) {
    m_main->selectTrackset(set);
    if (m_main->selectedTrackset() == set)
        m_main->openCircuit(number);
}

} // namespace velomark
