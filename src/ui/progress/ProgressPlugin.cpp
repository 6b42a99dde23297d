// The progress module's entry point: the chart's window and its drawing are
// loaded with it, on the first PROGRESS, not at every start.
#include "ui/progress/ProgressWindow.h"

namespace velomark {

namespace {

class ProgressPlugin final : public QObject, public ProgressModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELOMARK_PROGRESS_MODULE_IID)
    Q_INTERFACES(velomark::ProgressModule)

  public:
    QWidget* progressWindow(const ProgressInput& input, const std::string& historyPath) override {
        auto* window = new ProgressWindow(input);
        window->load(historyPath);
        return window;
    }
};

} // namespace

} // namespace velomark

#include "ProgressPlugin.moc"
