// Every message box and the system beep go through here, so that tests can
// answer them without a modal dialog ever appearing.
#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace velomark {

enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageIcon { None, Stop };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct Message {
    QString title; // empty: the application title "Velomark"
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    bool systemModal = false;
};

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer show(QWidget* parent, const Message& message) = 0;
    virtual void beep() = 0;
};

// The sink in use: real message boxes unless a test installed its own.
MessageSink& messages();
// Installs sink (not owned); nullptr puts the real message boxes back.
void setMessageSink(MessageSink* sink);

inline MessageAnswer showMessage(QWidget* parent, const Message& m) {
    return messages().show(parent, m);
}
inline void beep() {
    messages().beep();
}

QString applicationTitle(); // "Velomark"

// The box the real sink shows for a message, not yet shown: its text plain,
// never read as markup.
std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const Message& m);

} // namespace velomark
