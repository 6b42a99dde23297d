#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace velomark {

namespace {

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

class RealMessages final : public MessageSink {
  public:
    MessageAnswer show(QWidget* parent, const Message& m) override {
        const std::unique_ptr<QMessageBox> box = messageBox(parent, m);
        switch (box->exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Ok;
        }
    }
    void beep() override { QApplication::beep(); }
};

RealMessages g_real;
MessageSink* g_sink = &g_real;

} // namespace

std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const Message& m) {
    auto box = std::make_unique<QMessageBox>(
        m.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
        m.title.isEmpty() ? applicationTitle() : m.title, QString(), buttonsOf(m.buttons), parent);
    // Messages name files and texts the player chose; none of them is markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(m.text);
    if (m.systemModal)
        box->setWindowModality(Qt::ApplicationModal);
    return box;
}

MessageSink& messages() {
    return *g_sink;
}

void setMessageSink(MessageSink* sink) {
    g_sink = sink ? sink : &g_real;
}

QString applicationTitle() {
    return QStringLiteral("Velomark");
}

} // namespace velomark
