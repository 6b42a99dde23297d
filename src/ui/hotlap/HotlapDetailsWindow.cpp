#include "ui/hotlap/HotlapDetailsWindow.h"

#include "laps/LapDetails.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"
#include "platform/WidgetLook.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velomark {

namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    return b;
}

} // namespace

HotlapDetailsWindow::HotlapDetailsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmhotlapdetails"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Hot lap details"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("details"));
    m_text->setAccessibleName(tr("Hot lap details"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setTabChangesFocus(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPushButton* copy = button(tr("Copy"), "cmdcopy", this);
    QPushButton* close = button(tr("Close"), "cmdclose", this);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(text()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_text, 1);
    outer->addLayout(buttons);
    resizeWithin(this, QSize(px(7500), px(5400)));
}

void HotlapDetailsWindow::showLap(const HotlapReading& lap) {
    //: %1 is the name of the hot lap's file.
    QStringList lines{tr("Hot lap %1").arg(fromDiskName(lap.name))};
    for (const Sentence& line : lapDetails(lap))
        lines << shown(line);
    m_text->setPlainText(lines.join(QLatin1Char('\n')));
}

QString HotlapDetailsWindow::text() const {
    return m_text->toPlainText();
}

void showHotlapDetails(QWidget* owner, const HotlapReading& lap) {
    auto* window = owner->findChild<HotlapDetailsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HotlapDetailsWindow(owner);
    window->showLap(lap);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace velomark
