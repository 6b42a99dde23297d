#include "hotlap/HotlapImportWindow.h"

#include "catalogue/DataFiles.h"
#include "platform/Messages.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velomark {

HotlapImportWindow::HotlapImportWindow(CircuitChoice circuit, QWidget* parent)
    : QWidget(parent, Qt::Window), m_circuit(std::move(circuit)) {
    setObjectName(QStringLiteral("frmhof"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Import Hotlap from GP2"));

    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(
        QStringLiteral("Importing hot laps from GP2 is not part of this version of Velomark yet.\n"
                       "Type the times into the lap-time editor instead."),
        this);
    layout->addWidget(note);
    auto* close = new QPushButton(QStringLiteral("CLOSE"), this);
    close->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

bool HotlapImportWindow::load() {
    const Result<std::string> dir = readGp2Path();
    if (!dir) {
        showMessage(this, {QStringLiteral("Cannot access GP2 directory."),
                           QStringLiteral("You need to set your GP2 directory. Do this by pressing "
                                          "`INITIALISE` on the main screen. (Remember that HOF2LAP "
                                          "must also be in the GP2 path.)"),
                           MessageButtons::Ok, MessageIcon::Stop});
        return false;
    }
    m_gp2p = *dir;
    return true;
}

} // namespace velomark
