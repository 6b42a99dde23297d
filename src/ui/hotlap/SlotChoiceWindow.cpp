// The slot-choice window: two buttons, each naming its slot.
#include "ui/hotlap/SlotChoiceWindow.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace velomark {

SlotChoiceWindow::SlotChoiceWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmqr"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Insert into which slot ?"));
    auto* layout = new QHBoxLayout(this);
    const std::pair<const char*, RecordSession> buttons[] = {{"cmdr", RecordSession::Race},
                                                             {"cmdqr", RecordSession::QuickRace}};
    for (const auto& [name, slot] : buttons) {
        //: The session the race lap is stored as.
        const QString race = tr("Race");
        //: The session the race lap is stored as.
        const QString quickRace = tr("Quickrace");
        auto* b = new QPushButton(slot == RecordSession::Race ? race : quickRace, this);
        b->setObjectName(QString::fromLatin1(name));
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, s = slot] { emit slotChosen(s); });
    }
}

} // namespace velomark
