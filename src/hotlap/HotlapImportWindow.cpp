#include "hotlap/HotlapImportWindow.h"

#include "catalogue/DataFiles.h"
#include "platform/Messages.h"
#include "platform/TextCodec.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velomark {

HotlapImportWindow::HotlapImportWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmhof"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Import Hotlap from GP2"));

    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(
        QStringLiteral("Importing hot laps from GP2 is not part of this version of Velomark yet.\n"
                       "Type the times into the lap-time editor instead."),
        this);
    layout->addWidget(note);
    m_gp2p = new QLineEdit(this);
    m_gp2p->setObjectName(QStringLiteral("gp2p"));
    m_gp2p->hide();
    m_session = new QLineEdit(this);
    m_session->setObjectName(QStringLiteral("session"));
    m_session->setReadOnly(true);
    m_session->hide();
    auto* close = new QPushButton(QStringLiteral("CLOSE"), this);
    close->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

bool HotlapImportWindow::load() {
    m_session->clear();
    const Result<std::string> dir = readGp2Path();
    if (!dir) {
        showMessage(this, {QStringLiteral("Cannot access GP2 directory."),
                           QStringLiteral("You need to set your GP2 directory. Do this by pressing "
                                          "`INITIALISE` on the main screen. (Remember that HOF2LAP "
                                          "must also be in the GP2 path.)"),
                           MessageButtons::Ok, MessageIcon::Stop});
        return false;
    }
    m_gp2p->setText(fromFileText(*dir));
    return true;
}

QString HotlapImportWindow::session() const {
    return m_session->text();
}
QString HotlapImportWindow::gp2p() const {
    return m_gp2p->text();
}

} // namespace velomark
