// The Hot laps module's entry point: the window, its table and its reader
// are loaded with it, on the first press of "Hot laps", not at every start.
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Modules.h"
#include "ui/hotlap/HotlapsModule.h"
#include "ui/hotlap/HotlapsWindow.h"

namespace velomark {

namespace {

class HotlapsPlugin final : public QObject, public HotlapsModule, public AskingModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELOMARK_HOTLAPS_MODULE_IID)
    Q_INTERFACES(velomark::HotlapsModule velomark::AskingModule)

  public:
    QWidget* hotlapsWindow(Trackset set, std::function<void()> saved) override {
        auto* window = new HotlapsWindow(set);
        if (saved)
            connect(window, &HotlapsWindow::saved, window, std::move(saved));
        return window;
    }
    void reload(QWidget* window) override { static_cast<HotlapsWindow*>(window)->reload(); }
    void putReading(QWidget* window, const std::string& folder,
                    const HotlapReading& reading) override {
        static_cast<HotlapsWindow*>(window)->putReading(folder, reading);
    }
    void lookAgain(QWidget* window) override { static_cast<HotlapsWindow*>(window)->lookAgain(); }
    void askThrough(MessageSink& messages, FileDialogSink& dialogs) override {
        setMessageSink(&messages);
        setFileDialogSink(&dialogs);
    }
};

} // namespace

} // namespace velomark

#include "HotlapsPlugin.moc"
