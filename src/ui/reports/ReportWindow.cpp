// The shared layout and messages of the export windows.
#include "ui/reports/ReportWindow.h"

#include "platform/Messages.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"
#include "platform/WidgetLook.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velomark {

ReportWindow::ReportWindow(const char* name, const QString& caption, const QString& prompt,
                           const QString& action)
    : QWidget(nullptr, Qt::Window) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    auto* Label1 = plainLabel(prompt, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(Label1);
    int i = 0;
    for (Trackset set : kTracksetsInOrder) {
        auto* chk = new QCheckBox(shown(tracksetName(set)), this);
        chk->setObjectName(QStringLiteral("chk%1").arg(++i));
        outer->addWidget(chk);
    }
    chk1 = findChild<QCheckBox*>(QStringLiteral("chk1"));
    chk2 = findChild<QCheckBox*>(QStringLiteral("chk2"));
    chk3 = findChild<QCheckBox*>(QStringLiteral("chk3"));
    chk1->setChecked(true);

    m_fields = new QFormLayout;
    outer->addLayout(m_fields);

    Command1 = new QPushButton(action, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(tr("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, [this] { run(); });
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

TracksetChoice ReportWindow::ticked() const {
    return {chk1->isChecked(), chk2->isChecked(), chk3->isChecked()};
}

QLineEdit* ReportWindow::addField(const char* name, const QString& label, const QString& text) {
    auto* field = new QLineEdit(text, this);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(label);
    field->setMinimumWidth(200);
    m_fields->addRow(label, field);
    // The buttons come after the fields when tabbing, as they stand below them.
    setTabOrder(field, Command1);
    setTabOrder(Command1, Command2);
    return field;
}

QLabel* ReportWindow::addStatusLine() {
    auto* status = plainLabel(QString(), this);
    status->setObjectName(QStringLiteral("status"));
    status->setWordWrap(true);
    setTextColour(status, QColor(160, 0, 0));
    m_fields->addRow(status);
    return status;
}

void ReportWindow::showStop(const ReportStop& stop) {
    showMessage(this, {shown(kNotSetUpTitle), shown(stop.sentence()), MessageButtons::Ok,
                       MessageIcon::Stop});
}

void ReportWindow::showWriteError(const Error& error) {
    showMessage(this, {tr("Lap times not exported"), messageText(error), MessageButtons::Ok,
                       MessageIcon::Stop});
}

void ReportWindow::finishFileExport(const ExportResult& result) {
    if (result.stop)
        showStop(*result.stop);
    if (result.writeError) {
        showWriteError(*result.writeError);
        return;
    }
    // A stopped export is no success: the message said so, and no beep follows it.
    if (!result.stop)
        beep();
    close();
}

} // namespace velomark
