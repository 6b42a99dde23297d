// Every file dialog goes through here, as every message box goes through
// Messages.h, so that tests answer them without a modal dialog appearing.
#pragma once

#include <QString>

class QWidget;

namespace velomark {

struct FileQuestion {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString proposed; // the folder to start in, or the file name to offer
    QString filter;   // as QFileDialog takes it: "CSV files (*.csv)"
};

class FileDialogSink {
  public:
    virtual ~FileDialogSink() = default;
    // The path chosen, or "" when the player cancelled.
    virtual QString ask(QWidget* parent, const FileQuestion& question) = 0;
};

// The sink in use: real dialogs unless a test installed its own.
FileDialogSink& fileDialogs();
// Installs sink (not owned); nullptr puts the real dialogs back.
void setFileDialogSink(FileDialogSink* sink);

inline QString askForFile(QWidget* parent, const FileQuestion& question) {
    return fileDialogs().ask(parent, question);
}

} // namespace velomark
