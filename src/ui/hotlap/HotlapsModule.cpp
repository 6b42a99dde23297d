#include "ui/hotlap/HotlapsModule.h"

#include "platform/Messages.h"
#include "platform/Modules.h"

#include <QCoreApplication>

namespace velomark {

HotlapsModule* hotlapsModule(QWidget* messageParent) {
    //: The start of a sentence: "... needs the module ..., which is missing".
    const QString feature =
        QCoreApplication::translate("velomark::HotlapsModule", "The Hot laps window");
    const LoadedModule module = loadModule(QStringLiteral("velomark-hotlaps"), feature);
    if (auto* hotlaps = qobject_cast<HotlapsModule*>(module.instance))
        return hotlaps;
    showMessage(messageParent,
                {QCoreApplication::translate("velomark::HotlapsModule", "No Hot laps window"),
                 module.why, MessageButtons::Ok, MessageIcon::Stop});
    return nullptr;
}

} // namespace velomark
