#include "platform/Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace velomark {

namespace {

// Which of MessageButtons::Choices a button stands for.
const char* const kChoiceProperty = "velomarkChoice";
constexpr qsizetype kMaxChoices = 4;

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::Choices:
        return QMessageBox::NoButton;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// The choices' buttons in their order, the last one also taking Escape.
void addChoices(QMessageBox& box, const QStringList& choices) {
    QPushButton* last = nullptr;
    for (qsizetype i = 0; i < choices.size() && i < kMaxChoices; ++i) {
        last =
            box.addButton(choices[i], i == 0 ? QMessageBox::AcceptRole
                                             : (i + 1 == choices.size() ? QMessageBox::RejectRole
                                                                        : QMessageBox::ActionRole));
        last->setProperty(kChoiceProperty, static_cast<int>(i));
        last->setAccessibleName(choices[i]);
        if (i == 0)
            box.setDefaultButton(last);
    }
    box.setEscapeButton(last);
}

// The details shown from the start, in Qt's own scrolling box under the text.
void showDetails(QMessageBox& box, const QString& details) {
    box.setDetailedText(details);
    for (QAbstractButton* b : box.buttons())
        if (box.buttonRole(b) == QMessageBox::ActionRole && !b->property(kChoiceProperty).isValid())
            b->click(); // "Show Details..."
}

} // namespace

MessageAnswer lastChoice(const Message& m) {
    const auto i = std::clamp<qsizetype>(m.choices.size() - 1, 0, kMaxChoices - 1);
    return static_cast<MessageAnswer>(static_cast<int>(MessageAnswer::Choice1) + i);
}

namespace {

// The box closed without a click takes the last choice, as Escape does.
MessageAnswer choiceAnswer(const QAbstractButton* clicked, const Message& m) {
    if (!clicked || !clicked->property(kChoiceProperty).isValid())
        return lastChoice(m);
    return static_cast<MessageAnswer>(static_cast<int>(MessageAnswer::Choice1) +
                                      clicked->property(kChoiceProperty).toInt());
}

class RealMessages final : public MessageSink {
  public:
    MessageAnswer show(QWidget* parent, const Message& m) override {
        const std::unique_ptr<QMessageBox> box = messageBox(parent, m);
        const int answer = box->exec();
        if (m.buttons == MessageButtons::Choices)
            return choiceAnswer(box->clickedButton(), m);
        switch (answer) {
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
    if (m.buttons == MessageButtons::Choices)
        addChoices(*box, m.choices);
    if (!m.details.isEmpty())
        showDetails(*box, m.details);
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
    // not translated: the program's name
    return QStringLiteral("Velomark");
}

} // namespace velomark
