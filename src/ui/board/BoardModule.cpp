#include "ui/board/BoardModule.h"

#include "platform/Messages.h"
#include "platform/Modules.h"

namespace velomark {

BoardModule* boardModule(QWidget* messageParent) {
    const LoadedModule module =
        loadModule(QStringLiteral("velomark-board"), QStringLiteral("The bests board"));
    if (auto* board = qobject_cast<BoardModule*>(module.instance))
        return board;
    showMessage(messageParent, {QStringLiteral("No bests board"), module.why, MessageButtons::Ok,
                                MessageIcon::Stop});
    return nullptr;
}

} // namespace velomark
