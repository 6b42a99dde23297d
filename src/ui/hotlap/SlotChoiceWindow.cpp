// The slot-choice window: two buttons, each naming its slot.
#include "ui/hotlap/SlotChoiceWindow.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace velomark {

SlotChoiceWindow::SlotChoiceWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmqr"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Insert into which slot ?"));
    auto* layout = new QHBoxLayout(this);
    const std::pair<const char*, RecordSession> buttons[] = {{"cmdr", RecordSession::Race},
                                                             {"cmdqr", RecordSession::QuickRace}};
    for (const auto& [name, slot] : buttons) {
        auto* b = new QPushButton(slot == RecordSession::Race ? QStringLiteral("Race")
                                                              : QStringLiteral("Quickrace"),
                                  this);
        b->setObjectName(QString::fromLatin1(name));
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, s = slot] { emit slotChosen(s); });
    }
}

} // namespace velomark
