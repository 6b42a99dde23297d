#include "platform/Modules.h"

#include "platform/FileDialogs.h"
#include "platform/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace velomark {

namespace {

// The sinks in use here when the module asks, whichever they are by then.
class ProgramMessages final : public MessageSink {
  public:
    MessageAnswer show(QWidget* parent, const Message& message) override {
        return messages().show(parent, message);
    }
    void beep() override { messages().beep(); }
};

class ProgramDialogs final : public FileDialogSink {
  public:
    QString ask(QWidget* parent, const FileQuestion& question) override {
        return fileDialogs().ask(parent, question);
    }
};

QObject* shared(QObject* instance) {
    static ProgramMessages programMessages;
    static ProgramDialogs programDialogs;
    if (auto* asking = qobject_cast<AskingModule*>(instance))
        asking->askThrough(programMessages, programDialogs);
    return instance;
}

} // namespace

LoadedModule loadModule(const QString& name, const QString& feature) {
    QStringList folders{QCoreApplication::applicationDirPath()};
    folders << QCoreApplication::libraryPaths();
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        QPluginLoader loader(path);
        if (loader.fileName().isEmpty()) // no such file there
            continue;
        if (QObject* instance = loader.instance())
            return {shared(instance), {}};
        //: %1 is what needs the module ("The progress chart"), %2 the module's file,
        //: %3 the system's reason, in the system's words.
        return {
            nullptr,
            QCoreApplication::translate("velomark::LoadedModule",
                                        "%1 needs the module %2, which could not be loaded: %3.")
                .arg(feature, QDir::toNativeSeparators(loader.fileName()), loader.errorString())};
    }
    //: %1 is what needs the module ("The progress chart"), %2 the module's name,
    //: %3 the program's folder.
    return {nullptr, QCoreApplication::translate("velomark::LoadedModule",
                                                 "%1 needs the module %2, which is missing from "
                                                 "the folder %3; installing Velomark again "
                                                 "brings it back.")
                         .arg(feature, name, program)};
}

} // namespace velomark
