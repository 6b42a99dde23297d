// The import window: the file list, one extraction at a time, the fields it
// gives, INSERT and the slot choice.
#include "ui/hotlap/HotlapImportWindow.h"

#include "formats/HotlapFiles.h"
#include "laps/DataFiles.h"
#include "laps/HotlapFolder.h"
#include "platform/Messages.h"
#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"
#include "ui/hotlap/HotlapDetailsWindow.h"
#include "ui/hotlap/HotlapExtraction.h"
#include "ui/hotlap/SlotChoiceWindow.h"
#include "ui/hotlap/WaitWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace velomark {

namespace {

// The file list. Keys that move to another file (arrows, Home, End, a name's
// first letter) choose it as a click does, and so do Space and Enter on the
// file already highlighted.
class FileList : public QListWidget {
  public:
    using QListWidget::QListWidget;
    std::function<void()> chosenByKey;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int before = currentRow();
        QListWidget::keyPressEvent(event);
        const int key = event->key();
        const bool confirm = key == Qt::Key_Space || key == Qt::Key_Return ||
                             key == Qt::Key_Enter || key == Qt::Key_Select;
        if (currentRow() >= 0 && (currentRow() != before || confirm) && chosenByKey)
            chosenByKey();
    }
};

// The saves folder of the GP2 directory as stored, named with the system's
// own separators: one typed with '/' on Windows is still shown and listed
// with backslashes there.
std::string savesFolder(const std::string& gp2p) {
    return savesDirectory(diskName(QDir::toNativeSeparators(fromFileText(gp2p))));
}

} // namespace

HotlapImportWindow::HotlapImportWindow(CircuitChoice choice, QWidget* parent)
    : QWidget(parent, Qt::Window), m_circuit(std::move(choice)) {
    setObjectName(QStringLiteral("frmhof"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Import Hotlap from GP2"));

    auto* columns = new QHBoxLayout;
    columns->addLayout(buildList(), 1);
    columns->addLayout(buildFields(), 1);
    m_status = plainLabel(QString(), this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    setTextColour(m_status, QColor(160, 0, 0));
    m_trackFile = plainLabel(QString(), this);
    m_trackFile->setObjectName(QStringLiteral("trackfile"));
    //: The line naming the track-editor track a hot lap was driven on.
    m_trackFile->setAccessibleName(tr("Track file"));
    m_trackFile->setWordWrap(true);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addWidget(m_trackFile);
    outer->addWidget(m_status);
    setMinimumSize(px(7200), px(3600));

    // The list and the two buttons first, so that Tab from a chosen file
    // reaches INSERT; the fields after them, readable but not typed into;
    // Details last.
    QWidget::setTabOrder(File1, cmdins);
    QWidget::setTabOrder(cmdins, Command1);
    QWidget::setTabOrder(Command1, session);
    for (auto [from, to] : {std::pair{session, lap}, std::pair{lap, split1},
                            std::pair{split1, split2}, std::pair{split2, circuit}})
        QWidget::setTabOrder(from, to);
    QWidget::setTabOrder(circuit, m_details);
    File1->setFocus(Qt::OtherFocusReason);

    m_extraction = new HotlapExtraction(this);
    connect(m_extraction, &HotlapExtraction::waiting, this, &HotlapImportWindow::showWaiting);
    connect(m_extraction, &HotlapExtraction::lineRead, this, [this](const DumpFields& fields) {
        m_fields = fields;
        showFields();
    });
    connect(m_extraction, &HotlapExtraction::finished, this, &HotlapImportWindow::onExtracted);
}

QLayout* HotlapImportWindow::buildList() {
    auto* list = new FileList(this);
    list->chosenByKey = [this] { chosenInList(); };
    File1 = list;
    File1->setObjectName(QStringLiteral("File1"));
    //: The list of GP2's hot-lap files for the circuit.
    const QString listName = tr("HotLaps");
    File1->setAccessibleName(listName);
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(File1, &QListWidget::itemClicked, this, &HotlapImportWindow::chosenInList);
    auto* listLabel = plainLabel(listName, this);
    listLabel->setBuddy(File1);
    // What GP2Lap recorded about the highlighted file's lap, read here, not through hof2lap.
    //: The button that shows what GP2Lap recorded about the highlighted hot lap.
    m_details = new QPushButton(tr("Details"), this);
    m_details->setObjectName(QStringLiteral("cmddetails"));
    m_details->setAccessibleName(m_details->text());
    m_details->setEnabled(false);
    connect(File1, &QListWidget::currentItemChanged, m_details,
            [this](const QListWidgetItem* item) { m_details->setEnabled(item != nullptr); });
    connect(m_details, &QPushButton::clicked, this, [this] {
        if (const QListWidgetItem* item = File1->currentItem())
            showHotlapDetails(
                this, readHotlapAt(nativePath(savesFolder(m_gp2p)), diskName(item->text())));
    });
    auto* under = new QHBoxLayout;
    under->addWidget(m_details);
    under->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(File1);
    left->addLayout(under);
    return left;
}

// The five fields the dump fills, read-only, and INSERT and CLOSE under them.
QLayout* HotlapImportWindow::buildFields() {
    auto* fields = new QFormLayout;
    auto field = [this, fields](const QString& label, const char* name) {
        auto* f = new QLineEdit(this);
        f->setObjectName(QString::fromLatin1(name));
        f->setAccessibleName(label);
        f->setReadOnly(true);
        fields->addRow(label, f);
        return f;
    };
    //: The session the hot lap was driven in (Practice, Qualifying, Race...).
    session = field(tr("Session"), "session");
    lap = field(tr("Laptime"), "lap");
    split1 = field(tr("1st Split"), "split1");
    //: The hot lap's 2nd split, as GP2Lap recorded it.
    split2 = field(tr("2nd Split"), "split2");
    circuit = field(tr("Circuit"), "circuit");

    //: The button that puts the hot lap's times into the lap-time editor.
    cmdins = new QPushButton(tr("INSERT"), this);
    cmdins->setObjectName(QStringLiteral("cmdins"));
    cmdins->setVisible(false); // until the end of the first extraction
    connect(cmdins, &QPushButton::clicked, this, &HotlapImportWindow::insert);
    Command1 = new QPushButton(tr("CLOSE"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdins);
    buttons->addWidget(Command1);
    right->addLayout(buttons);
    return right;
}

HotlapImportWindow::~HotlapImportWindow() {
    abortExtraction();
}

bool HotlapImportWindow::load() {
    m_fields = {};
    showFields();
    const Result<std::string> dir = readGp2Path();
    if (!dir) {
        //: INITIALISE is the caption of the main window's button (shown there as INITIALISE !);
        //: HOF2LAP is the program that reads hot laps.
        const QString text = tr("You need to set your GP2 directory. Do this by pressing "
                                "`INITIALISE` on the main screen. (Remember that HOF2LAP must "
                                "also be in the GP2 path.)");
        showMessage(this, {tr("Cannot access GP2 directory."), text, MessageButtons::Ok,
                           MessageIcon::Stop});
        return false;
    }
    m_gp2p = *dir;
    return true;
}

void HotlapImportWindow::fillFileList() {
    const QString current = File1->currentItem() ? File1->currentItem()->text() : QString();
    const Result<std::vector<std::string>> names =
        listHotlapFiles(savesFolder(m_gp2p), hotlapPattern(m_circuit.trackset, m_circuit.number));
    File1->clear();
    if (!names) {
        m_status->setText(messageText(names.error()));
        return;
    }
    m_status->clear();
    for (const std::string& name : *names)
        File1->addItem(fromDiskName(name));
    // Filling again on each activation keeps the file the fields came from highlighted.
    const QList<QListWidgetItem*> same = File1->findItems(current, Qt::MatchExactly);
    if (!current.isEmpty() && !same.isEmpty())
        File1->setCurrentItem(same.first());
}

void HotlapImportWindow::chosenInList() {
    QListWidgetItem* item = File1->currentItem();
    if (!item)
        return;
    if (extracting()) {
        // One extraction at a time: the highlight goes back to the file being read.
        const QList<QListWidgetItem*> same =
            File1->findItems(m_extraction->fileName(), Qt::MatchExactly);
        if (!same.isEmpty())
            File1->setCurrentItem(same.first());
        return;
    }
    extract(item->text());
}

bool HotlapImportWindow::extracting() const {
    return m_extraction->running();
}

void HotlapImportWindow::extract(const QString& fileName) {
    if (extracting())
        return;
    m_fields = {};
    showFields();
    m_trackFile->clear();
    // The slot question was about the lap shown before.
    if (m_slotChoice)
        m_slotChoice->close();
    m_extraction->start(m_gp2p, fileName);
}

void HotlapImportWindow::showWaiting() {
    if (!m_wait)
        m_wait = new WaitWindow(this);
    m_wait->show();
    m_wait->raise();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_busyCursor = true;
}

void HotlapImportWindow::onExtracted(const DumpFields& fields, const QString& failure) {
    m_fields = fields;
    showFields();
    if (failure.isEmpty())
        showTrackFile();
    cmdins->setVisible(true);
    if (m_wait)
        m_wait->hide();
    if (m_busyCursor) {
        QApplication::restoreOverrideCursor();
        m_busyCursor = false;
    }
    const QPointer<HotlapImportWindow> self(this);
    if (!failure.isEmpty())
        showMessage(this, {tr("Hot lap not read"), failure, MessageButtons::Ok, MessageIcon::Stop});
    if (self)
        emit extracted();
}

// Closing the window in the middle of an extraction stops it.
void HotlapImportWindow::abortExtraction() {
    m_extraction->abort();
    if (m_busyCursor) {
        QApplication::restoreOverrideCursor();
        m_busyCursor = false;
    }
}

void HotlapImportWindow::showFields() {
    for (const auto& [field, text] :
         {std::pair{session, &m_fields.session}, std::pair{lap, &m_fields.lap},
          std::pair{split1, &m_fields.split1}, std::pair{split2, &m_fields.split2},
          std::pair{circuit, &m_fields.circuit}})
        field->setText(fromFileText(*text));
}

// The dump's circuit field has room for a track's name only: a lap driven on
// a track file of the track editor is named under the fields with its slot,
// read from the hot lap itself.
void HotlapImportWindow::showTrackFile() {
    const HotlapReading r =
        readHotlapAt(nativePath(savesFolder(m_gp2p)), diskName(m_extraction->fileName()));
    if (!r.customTrack)
        return;
    // not translated: the track's own name, as the hot lap holds it
    const QString name = r.trackName.empty()
                             //: In place of the name of a track-editor track that names none.
                             ? tr("(unnamed)")
                             : fromFileText(r.trackName);
    //: %1 is the name of a track made with GP2's track editor, %2 the circuit slot (1 to 16) it
    //: was loaded into.
    m_trackFile->setText(tr("Driven on the track-editor track %1, loaded into slot %2.")
                             .arg(name, QString::number(r.circuit)));
}

void HotlapImportWindow::insert() {
    if (extracting())
        return;
    const HotlapSession s = hotlapSession(m_fields.session);
    if (s == HotlapSession::Practice || s == HotlapSession::Qualifying) {
        emit lapChosen(
            {s == HotlapSession::Practice ? RecordSession::Practice : RecordSession::Qualifying,
             m_fields.lap, m_fields.split1, m_fields.split2});
        hide(); // the editor completes the 3rd split and then closes this window
    } else if (s == HotlapSession::RaceOrQuickRace) {
        if (!m_slotChoice) {
            m_slotChoice = new SlotChoiceWindow(this);
            connect(m_slotChoice, &SlotChoiceWindow::slotChosen, this,
                    &HotlapImportWindow::chooseSlot);
        }
        m_slotChoice->show();
        m_slotChoice->raise();
        m_slotChoice->activateWindow();
    }
    // Any other session (a warm-up lap, a plain hot lap without times): nothing to insert.
}

void HotlapImportWindow::chooseSlot(RecordSession slot) {
    if (extracting() || hotlapSession(m_fields.session) != HotlapSession::RaceOrQuickRace)
        return;
    emit lapChosen({slot, m_fields.lap, {}, {}});
    hide(); // stays loaded: the next IMPORT shows it as it is
    if (m_slotChoice)
        m_slotChoice->close();
}

void HotlapImportWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fillFileList();
}

// Also on showing, for window systems that do not activate a window shown
// while another application has the focus.
void HotlapImportWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fillFileList();
}

void HotlapImportWindow::closeEvent(QCloseEvent* event) {
    abortExtraction();
    if (m_slotChoice)
        m_slotChoice->close();
    if (m_wait)
        m_wait->close();
    QWidget::closeEvent(event);
}

} // namespace velomark
