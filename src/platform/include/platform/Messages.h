// Every message box and the system beep go through here, so that tests can
// answer them without a modal dialog ever appearing.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QMessageBox;
class QWidget;

namespace velomark {

enum class MessageButtons { Ok, YesNo, OkCancel, Choices };
enum class MessageIcon { None, Stop };
// Choice1 to Choice4 answer MessageButtons::Choices, in the order of their captions.
enum class MessageAnswer { Ok, Yes, No, Cancel, Choice1, Choice2, Choice3, Choice4 };

struct Message {
    QString title; // empty: the application title "Velomark"
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    bool systemModal = false;
    // A list that goes with the text (the laps a take stores, the fields that
    // changed), shown under it in a scrolling box of its own, so that however
    // long it is, the message and its buttons fit the screen.
    QString details = {};
    // The captions of MessageButtons::Choices (two to four), answered by
    // Choice1 onwards; Escape or closing the box answers the last, so the
    // last must be the choice that changes nothing.
    QStringList choices = {};
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

// The answer of m's last choice: what Escape gives.
MessageAnswer lastChoice(const Message& m);

// The box the real sink shows for a message, not yet shown: its text plain,
// never read as markup.
std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const Message& m);

} // namespace velomark
