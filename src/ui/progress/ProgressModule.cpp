#include "ui/progress/ProgressModule.h"

#include "platform/Messages.h"
#include "platform/Modules.h"

namespace velomark {

QWidget* openProgressWindow(const ProgressInput& input, const std::string& historyPath,
                            QWidget* messageParent) {
    const LoadedModule module =
        loadModule(QStringLiteral("velomark-progress"), QStringLiteral("The progress chart"));
    if (auto* progress = qobject_cast<ProgressModule*>(module.instance))
        return progress->progressWindow(input, historyPath);
    showMessage(messageParent, {QStringLiteral("No progress chart"), module.why, MessageButtons::Ok,
                                MessageIcon::Stop});
    return nullptr;
}

} // namespace velomark
