// The board module's entry point: the board and its table are loaded with
// it, on the first press of "Bests", not at every start.
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Modules.h"
#include "ui/board/BestsBoard.h"
#include "ui/board/BoardModule.h"

namespace velomark {

namespace {

class BoardPlugin final : public QObject, public BoardModule, public AskingModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELOMARK_BOARD_MODULE_IID)
    Q_INTERFACES(velomark::BoardModule velomark::AskingModule)

  public:
    QWidget* bestsBoard(IdealLap ideal,
                        std::function<void(Trackset, int)> circuitRequested) override {
        auto* board = new BestsBoard(ideal);
        if (circuitRequested)
            connect(board, &BestsBoard::circuitRequested, board, std::move(circuitRequested));
        return board;
    }
    void reload(QWidget* board) override { static_cast<BestsBoard*>(board)->reload(); }
    void askThrough(MessageSink& messages, FileDialogSink& dialogs) override {
        setMessageSink(&messages);
        setFileDialogSink(&dialogs);
    }
};

} // namespace

} // namespace velomark

#include "BoardPlugin.moc"
