// The wait window: an empty title and one line of text.
#include "ui/hotlap/WaitWindow.h"

#include "platform/WidgetLook.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velomark {

WaitWindow::WaitWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmwait"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The import window keeps the keyboard while the player waits.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QString());
    auto* text = plainLabel(tr("Extracting....."), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(text);
}

} // namespace velomark
