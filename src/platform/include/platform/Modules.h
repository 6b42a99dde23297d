// Features that few starts need (the progress chart, printing) live in
// modules beside the program and are loaded when first used, so that a start
// costs no more than a bare window.
#pragma once

#include <QObject>
#include <QString>

namespace velomark {

class FileDialogSink;
class MessageSink;

struct LoadedModule {
    QObject* instance = nullptr; // the module's root object, kept for the program's life
    QString why;                 // one sentence for the player where there is no instance
};

// The module file called name (without its ending) from the program's folder,
// or else from one of Qt's library paths; feature names what needs it, as
// the start of a sentence ("The progress chart").
LoadedModule loadModule(const QString& name, const QString& feature);

// A module whose windows ask the player things. It holds a copy of this layer
// of its own, so on loading it is handed the program's message boxes and file
// dialogs, and its windows ask through whatever the program's ask through at
// the time (a test's answers too).
class AskingModule {
  public:
    virtual ~AskingModule() = default;
    virtual void askThrough(MessageSink& messages, FileDialogSink& dialogs) = 0;
};

} // namespace velomark

#define VELOMARK_ASKING_MODULE_IID "org.example.velomark.AskingModule/1"
Q_DECLARE_INTERFACE(velomark::AskingModule, VELOMARK_ASKING_MODULE_IID)
