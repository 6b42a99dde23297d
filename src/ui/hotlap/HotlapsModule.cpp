#include "ui/hotlap/HotlapsModule.h"

#include "platform/Messages.h"
#include "platform/Modules.h"

namespace velomark {

HotlapsModule* hotlapsModule(QWidget* messageParent) {
    const LoadedModule module =
        loadModule(QStringLiteral("velomark-hotlaps"), QStringLiteral("The Hot laps window"));
    if (auto* hotlaps = qobject_cast<HotlapsModule*>(module.instance))
        return hotlaps;
    showMessage(messageParent, {QStringLiteral("No Hot laps window"), module.why,
                                MessageButtons::Ok, MessageIcon::Stop});
    return nullptr;
}

} // namespace velomark
