#include "ui/catalogue/InitWindow.h"

#include "laps/DataFiles.h"
#include "platform/Messages.h"
#include "platform/StorableText.h"
#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velomark {

namespace {

// A check box at its place in the window. The window was drawn for a small
// system font; a larger one is made to fit.
QCheckBox* checkBox(QWidget* parent, const QString& text, const char* name, int top) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(px(240), px(top), px(2300), px(300));
    shrinkToFit(box);
    return box;
}

} // namespace

InitWindow::InitWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frminit"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Initialise Datafiles"));
    setFixedSize(px(4200), px(2760));

    Check1 = checkBox(this, tr("Standard GP2 Circuits"), "Check1", 240);
    Check2 = checkBox(this, tr("IA Track Pack Circuits"), "Check2", 600);
    setTextColour(Check2, QColor(255, 0, 0));
    Check3 = checkBox(this, tr("Custom Circuits"), "Check3", 960);
    setTextColour(Check3, QColor(0, 0, 192));

    Command1 = new QPushButton(tr("Do it !"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(px(2640), px(600), px(1335), px(375));
    setFaceColour(Command1, QColor(255, 128, 128));
    connect(Command1, &QPushButton::clicked, this, &InitWindow::doIt);

    auto* Label1 = plainLabel(
        tr("This will erase all your lap records for selected Tracksets. Use with care."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(px(120), px(1320), px(3960), px(520));
    Label1->setWordWrap(true);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    shrinkToFit(Label1);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(0, px(1920), px(4200), 3);

    gp2p = new QLineEdit(this);
    gp2p->setObjectName(QStringLiteral("gp2p"));
    gp2p->setAccessibleName(tr("GP2 directory"));
    gp2p->setGeometry(px(240), px(2160), px(2040), px(315));
    auto* status = plainLabel(QString(), this);
    status->setObjectName(QStringLiteral("status"));
    status->setGeometry(px(240), px(2460), px(3900), px(285));
    setTextColour(status, QColor(160, 0, 0));
    new StorableTextValidator(gp2p, 0, [status](const QString& why) { status->setText(why); });

    //: The Hot laps window tells the player to press this button by its caption.
    Command2 = new QPushButton(tr("Set GP2 path"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(px(2400), px(2160), px(1575), px(315));
    setFaceColour(Command2, QColor(0, 192, 0));
    connect(Command2, &QPushButton::clicked, this, &InitWindow::setGp2Path);

    // Load: the stored directory, or an empty field when there is none yet.
    if (const Result<std::string> dir = readGp2Path())
        setFieldText(gp2p, fromFileText(*dir));
}

void InitWindow::doIt() {
    const MessageAnswer answer =
        showMessage(this, {tr("Datafile Initialisation"),
                           tr("Are you sure you want to initialise your lap times ?"),
                           MessageButtons::YesNo, MessageIcon::None});
    if (answer == MessageAnswer::Yes) {
        const Status done =
            initialiseDatafiles({Check1->isChecked(), Check2->isChecked(), Check3->isChecked()});
        if (done) {
            showMessage(this, {tr("Datafile Initialised"), tr("Its all gone."), MessageButtons::Ok,
                               MessageIcon::None});
            beep();
        } else {
            showMessage(this, {tr("Datafile Initialisation"), messageText(done.error()),
                               MessageButtons::Ok, MessageIcon::Stop});
        }
    }
    close();
}

void InitWindow::setGp2Path() {
    // The validator keeps such characters out; text set another way is still checked.
    const QString why = unstorableReason(gp2p->text());
    const std::string dir =
        withoutTrailingBackslash(toFileText(gp2p->text()).value_or(std::string()));
    const Status saved =
        why.isEmpty() ? writeGp2Path(dir) : Status(Error{ErrorKind::Unstorable, why.toStdString()});
    if (!saved) {
        // The window stays open with the typed directory, so nothing is lost.
        showMessage(this, {tr("GP2 directory not saved"), messageText(saved.error()),
                           MessageButtons::Ok, MessageIcon::Stop});
        return;
    }
    setFieldText(gp2p, fromFileText(dir));
    beep();
    close();
}

} // namespace velomark
