#include "ui/board/BoardModule.h"

#include "platform/Messages.h"
#include "platform/Modules.h"

#include <QCoreApplication>

namespace velomark {

BoardModule* boardModule(QWidget* messageParent) {
    //: The start of a sentence: "... needs the module ..., which is missing".
    const QString feature = QCoreApplication::translate("velomark::BoardModule", "The bests board");
    const LoadedModule module = loadModule(QStringLiteral("velomark-board"), feature);
    if (auto* board = qobject_cast<BoardModule*>(module.instance))
        return board;
    showMessage(messageParent,
                {QCoreApplication::translate("velomark::BoardModule", "No bests board"), module.why,
                 MessageButtons::Ok, MessageIcon::Stop});
    return nullptr;
}

} // namespace velomark
