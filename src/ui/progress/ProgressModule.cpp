#include "ui/progress/ProgressModule.h"

#include "platform/Messages.h"
#include "platform/Modules.h"

#include <QCoreApplication>

namespace velomark {

QWidget* openProgressWindow(const ProgressInput& input, const std::string& historyPath,
                            QWidget* messageParent) {
    //: The start of a sentence: "... needs the module ..., which is missing".
    const QString feature =
        QCoreApplication::translate("velomark::ProgressModule", "The progress chart");
    const LoadedModule module = loadModule(QStringLiteral("velomark-progress"), feature);
    if (auto* progress = qobject_cast<ProgressModule*>(module.instance))
        return progress->progressWindow(input, historyPath);
    showMessage(messageParent,
                {QCoreApplication::translate("velomark::ProgressModule", "No progress chart"),
                 module.why, MessageButtons::Ok, MessageIcon::Stop});
    return nullptr;
}

} // namespace velomark
