#include "ui/hotlap/HotlapsWindow.h"

#include "files/DiskPath.h"
#include "formats/HotlapFiles.h"
#include "laps/DataFiles.h"
#include "laps/LapDetails.h"
#include "platform/Messages.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"
#include "platform/UserSettings.h"
#include "platform/WidgetLook.h"
#include "ui/hotlap/HotlapDetailsWindow.h"
#include "ui/hotlap/HotlapReader.h"
#include "ui/hotlap/HotlapTable.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace velomark {

namespace {

// Above this many files the window shows how far the reading has come.
constexpr size_t kProgressFrom = 200;
// A take that has gone on this long shows its progress.
constexpr qint64 kTakeProgressAfterMs = 200;
// How often a saves folder that cannot be listed is looked at again.
constexpr int kLookAgainMs = 2000;

// Whether "Take all faster" takes clean laps only, kept in the player's own
// settings, never the data folder.
constexpr QLatin1StringView kOnlyCleanKey("HotLaps/OnlyCleanLaps");

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    return b;
}

QLabel* lineLabel(const char* name, const QString& accessibleName, QWidget* parent) {
    QLabel* label = plainLabel(QString(), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A label that may grow long (what a take of 48 laps did) in a box that
// scrolls beyond `lines` lines, so that the window stays within its screen.
QScrollArea* scrolling(QLabel* label, int lines) {
    auto* area = new QScrollArea(label->parentWidget());
    area->setWidget(label);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setMaximumHeight(label->fontMetrics().lineSpacing() * lines + 4);
    area->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return area;
}

bool opens(const std::string& dir) {
    std::error_code ec;
    const fs::directory_iterator it(diskPath(dir), ec);
    return !ec;
}

// One sentence on a saves folder that cannot be listed: which folder (its
// absolute path), what is wrong with it, and that it is looked for again.
QString folderProblem(const std::string& nativeDir) {
    const QString dir = QDir::toNativeSeparators(fromDiskName(nativeDir));
    std::error_code ec;
    const fs::file_status status = fs::status(diskPath(nativeDir), ec);
    if (status.type() == fs::file_type::not_found)
        return QCoreApplication::translate(
                   "velomark::HotlapsWindow",
                   "The saves folder %1 is missing; Velomark looks for it again "
                   "every few seconds.")
            .arg(dir);
    if (!ec && !fs::is_directory(status))
        return QCoreApplication::translate(
                   "velomark::HotlapsWindow",
                   "The saves folder %1 is not a folder; Velomark looks for it again "
                   "every few seconds.")
            .arg(dir);
    if (!ec)
        (void)fs::directory_iterator(diskPath(nativeDir), ec);
    if (!ec)
        return QCoreApplication::translate(
                   "velomark::HotlapsWindow",
                   "The saves folder %1 cannot be read; Velomark tries it again "
                   "every few seconds.")
            .arg(dir);
    //: %2 is the system's reason, in the system's words.
    return QCoreApplication::translate(
               "velomark::HotlapsWindow",
               "The saves folder %1 cannot be read (%2); Velomark tries it again "
               "every few seconds.")
        .arg(dir, QString::fromStdString(ec.message()));
}

} // namespace

HotlapsWindow::HotlapsWindow(Trackset set, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmhotlaps"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Hot laps in GP2"));

    m_folder = lineLabel("folder", tr("Saves folder"), this);
    m_table = new HotlapTable(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_table);
    m_sorted->setSortRole(HotlapTable::kSortRole);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("hotlaps"));
    m_view->setAccessibleName(tr("Hot lap files"));
    m_view->setModel(m_sorted);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setTabKeyNavigation(false); // Tab goes on to the buttons
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(HotlapTable::File, Qt::AscendingOrder);
    m_view->setWordWrap(false); // a long reason shows whole in its tool tip
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    addDetailsAction();
    addSortMenu();
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAccessibleName(tr("Hot laps read"));
    m_progress->hide();
    m_counts = lineLabel("counts", tr("Hot laps counted"), this);
    m_status = lineLabel("status", tr("Hot laps taken"), this);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_folder);
    outer->addLayout(buildChoice(set));
    outer->addWidget(m_view, 1);
    outer->addWidget(m_progress);
    outer->addWidget(m_counts);
    outer->addWidget(scrolling(m_status, 6));
    outer->addLayout(buildButtons());
    resizeWithin(this, QSize(px(15000), px(7500)));

    m_reader = new HotlapReader(this);
    connect(m_reader, &HotlapReader::progress, m_progress, [this](int done, int total) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    });
    connect(m_reader, &HotlapReader::finished, this, &HotlapsWindow::onRead);
    m_lookAgain = new QTimer(this);
    m_lookAgain->setInterval(kLookAgainMs);
    connect(m_lookAgain, &QTimer::timeout, this, &HotlapsWindow::lookAgain);
    connect(this, &HotlapsWindow::readingDone, this, [this] {
        for (const HotlapReading& lap : std::exchange(m_arrived, {}))
            putReading(m_nativeDir, lap);
    });
}

// Enter, a double-click or the context menu on a row shows what GP2Lap
// recorded about its lap.
void HotlapsWindow::addDetailsAction() {
    auto* details = new QAction(tr("Show details"), m_view);
    details->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    details->setShortcutContext(Qt::WidgetShortcut);
    connect(details, &QAction::triggered, this,
            [this] { showDetails(m_view->selectionModel()->currentIndex()); });
    connect(m_view, &QAbstractItemView::doubleClicked, this, &HotlapsWindow::showDetails);
    m_view->addAction(details);
}

void HotlapsWindow::showDetails(const QModelIndex& index) {
    if (index.isValid())
        showHotlapDetails(
            this, m_table->readings().at(static_cast<size_t>(m_sorted->mapToSource(index).row())));
}

// The table's context menu sorts by any column as a click on its heading
// does, and so do Ctrl+1 to Ctrl+9 and Ctrl+0 (the tenth) from the keyboard.
void HotlapsWindow::addSortMenu() {
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (int c = 0; c < HotlapTable::kColumnCount; ++c) {
        const QString heading = m_table->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        //: %1 is a column's heading.
        auto* sortBy = new QAction(tr("Sort by %1").arg(heading), m_view);
        const auto key = static_cast<Qt::Key>(c < 9 ? Qt::Key_1 + c : Qt::Key_0);
        sortBy->setShortcut(QKeySequence(Qt::CTRL | key));
        sortBy->setShortcutContext(Qt::WidgetShortcut);
        connect(sortBy, &QAction::triggered, this, [this, c] {
            const QHeaderView* header = m_view->horizontalHeader();
            const auto first = static_cast<Qt::SortOrder>(
                m_table->headerData(c, Qt::Horizontal, Qt::InitialSortOrderRole).toInt());
            const bool again = header->sortIndicatorSection() == c;
            const Qt::SortOrder other = header->sortIndicatorOrder() == Qt::AscendingOrder
                                            ? Qt::DescendingOrder
                                            : Qt::AscendingOrder;
            m_view->sortByColumn(c, again ? other : first);
        });
        m_view->addAction(sortBy);
    }
}

QLayout* HotlapsWindow::buildChoice(Trackset set) {
    //: Followed by the three tracksets to choose from.
    auto* frame = new QGroupBox(tr("Compare with the bests of"), this);
    auto* row = new QHBoxLayout(frame);
    auto* group = new QButtonGroup(this);
    for (Trackset each : kTracksetsInOrder) {
        const QString caption = shown(optionCaption(each));
        auto* option = new QRadioButton(caption, frame);
        const auto i = static_cast<size_t>(each);
        option->setObjectName(QStringLiteral("set%1").arg(i + 1));
        option->setAccessibleName(caption);
        option->setChecked(each == set);
        group->addButton(option);
        row->addWidget(option);
        m_options[i] = option;
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                compareAgain();
        });
    }
    row->addStretch();
    auto* line = new QHBoxLayout;
    line->addWidget(frame);
    return line;
}

QLayout* HotlapsWindow::buildButtons() {
    m_takeSelected = button(tr("Take selected"), "cmdselected", this);
    m_takeFaster = button(tr("Take all faster"), "cmdfaster", this);
    m_onlyClean = new QCheckBox(tr("Only clean laps"), this);
    m_onlyClean->setObjectName(QStringLiteral("chkclean"));
    m_onlyClean->setAccessibleName(m_onlyClean->text());
    m_onlyClean->setChecked(userSettings().value(kOnlyCleanKey, false).toBool());
    connect(m_onlyClean, &QCheckBox::toggled, this,
            [](bool on) { userSettings().setValue(kOnlyCleanKey, on); });
    QPushButton* close = button(tr("Close"), "cmdclose", this);
    connect(m_takeSelected, &QPushButton::clicked, this, &HotlapsWindow::takeSelected);
    connect(m_takeFaster, &QPushButton::clicked, this, &HotlapsWindow::takeAllFaster);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_takeSelected);
    row->addWidget(m_takeFaster);
    row->addWidget(m_onlyClean);
    row->addWidget(close);
    return row;
}

Trackset HotlapsWindow::chosenTrackset() const {
    for (Trackset set : kTracksetsInOrder)
        if (m_options[static_cast<size_t>(set)]->isChecked())
            return set;
    return Trackset::Standard;
}

bool HotlapsWindow::reading() const {
    return m_reader->running();
}

void HotlapsWindow::reload() {
    m_status->clear();
    m_table->setReadings({}, m_bests);
    m_takeSelected->setEnabled(false);
    m_takeFaster->setEnabled(false);
    m_dos.clear();
    m_nativeDir.clear();
    m_listed = false;
    m_lookAgain->stop();
    m_arrived.clear();
    const Result<std::string> gp2p = readGp2Path();
    if (!gp2p) {
        //: INITIALISE ! and Set GP2 path are the captions of the buttons to press.
        m_folder->setText(tr("Set your GP2 directory first: press INITIALISE ! on the main window, "
                             "type the folder GP2 is installed in into its lower field and press "
                             "Set GP2 path."));
        m_counts->clear();
        emit readingDone();
        return;
    }
    // Never the working folder's: a relative GP2 directory is made absolute.
    m_dos = absoluteSavesDirectory(diskName(fromFileText(*gp2p)));
    m_nativeDir = nativePath(m_dos);
    const Result<SavesFolder> folder = listSavesFolder(m_dos);
    if (!folder) {
        m_folder->setText(folderProblem(m_nativeDir));
        m_counts->clear();
        m_lookAgain->start();
        emit readingDone();
        return;
    }
    m_listed = true;
    m_listedId = fileIdentity(m_nativeDir);
    m_notFiles = folder->notFiles;
    m_folder->setText(
        tr("The hot laps in %1").arg(QDir::toNativeSeparators(fromDiskName(m_nativeDir))));
    m_counts->setText(tr("Reading %1 hot laps...").arg(folder->names.size()));
    m_progress->setVisible(folder->names.size() > kProgressFrom);
    m_progress->setRange(0, static_cast<int>(folder->names.size()));
    m_progress->setValue(0);
    m_reader->start(m_nativeDir, folder->names);
}

// A read still running stops with the window, not later when it is deleted,
// and so does the look for a missing folder, which would start another:
// nothing is read for a closed window.
void HotlapsWindow::closeEvent(QCloseEvent* event) {
    m_reader->cancel();
    m_lookAgain->stop();
    QWidget::closeEvent(event);
}

void HotlapsWindow::onRead(const std::vector<HotlapReading>& readings) {
    m_bests = readTracksetBests(chosenTrackset());
    m_table->setReadings(readings, m_bests);
    m_view->resizeColumnsToContents();
    m_progress->hide();
    m_takeSelected->setEnabled(true);
    m_takeFaster->setEnabled(true);
    showCounts();
    emit readingDone();
}

void HotlapsWindow::putReading(const std::string& folder, const HotlapReading& lap) {
    if (!m_listed || folder != m_nativeDir)
        return; // a folder not shown
    if (reading()) {
        m_arrived.push_back(lap); // put in once the folder's reading is in the table
        return;
    }
    m_table->putReading(lap, m_bests);
    showCounts();
}

void HotlapsWindow::lookAgain() {
    if (m_dos.empty())
        return; // no GP2 directory: the window says how to set one
    const std::string dir = nativePath(m_dos);
    const std::optional<FileIdentity> id = fileIdentity(dir);
    const bool there = id && opens(dir);
    if (m_listed ? dir != m_nativeDir || id != m_listedId || !there : there)
        reload();
}

void HotlapsWindow::compareAgain() {
    m_bests = readTracksetBests(chosenTrackset());
    m_table->compareWith(m_bests);
    showCounts();
}

// One line: how many hot laps, how many beat a best, how many could not be read.
void HotlapsWindow::showCounts() {
    qsizetype faster = 0, unreadable = 0;
    for (const HotlapReading& r : m_table->readings()) {
        faster += compareHotlap(r, m_bests).beats() ? 1 : 0;
        unreadable += r.state == HotlapState::Unreadable ? 1 : 0;
    }
    const auto all = static_cast<qsizetype>(m_table->readings().size());
    // The line is its first part and the parts that follow it, each with
    // the punctuation that joins it on, and a full stop.
    QString line = all == 1 ? tr("%1 hot lap, %2 faster than your best")
                            : tr("%1 hot laps, %2 faster than your best");
    line = line.arg(all).arg(faster);
    //: Follows "N hot laps, N faster than your best".
    if (unreadable > 0)
        line += tr("; %n cannot be read (the Session column says why)", nullptr,
                   static_cast<int>(unreadable));
    //: Follows "N hot laps, N faster than your best".
    const QString notFiles = m_notFiles == 1
                                 ? tr("; %1 more name matching *.hl? is no file and is left out")
                                 : tr("; %1 more names matching *.hl? are no files and are left "
                                      "out");
    if (m_notFiles > 0)
        line += notFiles.arg(m_notFiles);
    line += QLatin1Char('.');
    if (m_bests.problem)
        line += QLatin1Char(' ') + messageText(*m_bests.problem);
    m_counts->setText(line);
}

void HotlapsWindow::takeSelected() {
    std::set<size_t> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        rows.insert(static_cast<size_t>(m_sorted->mapToSource(index).row()));
    if (rows.empty())
        m_status->setText(tr("Select the rows of the hot laps to take first."));
    else
        take({rows.begin(), rows.end()}, false);
}

void HotlapsWindow::takeAllFaster() {
    std::vector<size_t> all(m_table->readings().size());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    take(all, true);
}

void HotlapsWindow::take(const std::vector<size_t>& indices, bool onlyBeating) {
    if (reading())
        return;
    m_bests = readTracksetBests(chosenTrackset()); // what stands in the files now
    m_table->compareWith(m_bests);
    // "Take all faster" leaves out the laps that are not clean when asked to.
    std::vector<size_t> taken = indices;
    QStringList leftOut;
    if (onlyBeating && m_onlyClean->isChecked()) {
        for (const LeftOutLap& lap : leaveOutUnclean(m_table->readings(), taken, m_bests))
            leftOut << fromDiskName(lap.file) + QStringLiteral(", ") + shown(lap.what);
    }
    const std::vector<PlannedTake> plan =
        planTakes(m_table->readings(), taken, m_bests, onlyBeating);
    if (plan.empty())
        m_status->setText(nothingToTake(indices, onlyBeating, leftOut));
    else if (confirmed(plan, leftOut))
        store(plan);
}

// Why a take found no lap to store.
QString HotlapsWindow::nothingToTake(const std::vector<size_t>& indices, bool onlyBeating,
                                     const QStringList& leftOut) const {
    if (m_bests.problem)
        return messageText(*m_bests.problem);
    //: %1 is a list of hot laps, one a line, each with why it is not clean.
    if (!leftOut.isEmpty())
        return tr("No clean hot lap is faster than your best. Left out as not clean:\n%1")
            .arg(leftOut.join(QLatin1Char('\n')));
    if (onlyBeating)
        return tr("No hot lap is faster than your best.");
    const bool editorTracks = std::ranges::any_of(indices, [this](size_t i) {
        return compareHotlap(m_table->readings()[i], m_bests).editorTrackOnStandard;
    });
    return editorTracks ? tr("A hot lap driven on a track-editor track is never stored as a "
                             "Standard circuit's: choose TrackPack or Custom above.")
                        : tr("None of the selected hot laps holds the lap time of a session "
                             "Velomark keeps.");
}

// One question for every lap the take writes, the laps listed under it in a
// scrolling box, so that a take of 48 laps fits the screen with its buttons;
// a slower lap is marked as such, a lap that is not clean with why, and the
// faster laps left out as not clean end the list.
bool HotlapsWindow::confirmed(const std::vector<PlannedTake>& plan, const QStringList& leftOut) {
    QStringList lines;
    bool slower = false, unclean = false;
    for (const PlannedTake& take : plan) {
        for (const Sentence& line : takeLines(take))
            lines << shown(line);
        slower = slower || !take.comparison.beats();
        const auto why = notCleanBecause(take.lap.record);
        unclean = unclean || (why && !why->empty());
    }
    // A paragraph a sentence, each after an empty line.
    const QString paragraph = QStringLiteral("\n\n");
    QString text = plan.size() == 1
                       ? tr("Store this time in your lap records?")
                       : tr("Store these %1 times in your lap records?").arg(plan.size());
    if (slower)
        text += paragraph +
                tr("A time that is not faster than your best is stored only because you selected "
                   "it.");
    if (unclean)
        text += paragraph + (plan.size() == 1 ? tr("This lap is not clean; the list says why.")
                                              : tr("The list says why a lap is not clean."));
    if (leftOut.size() == 1)
        text += paragraph + tr("1 faster hot lap is left out as not clean; it ends the list.");
    else if (!leftOut.isEmpty())
        text += paragraph + tr("%1 faster hot laps are left out as not clean; they end the list.")
                                .arg(leftOut.size());
    //: %1 is a hot lap's file and why the lap is not clean.
    for (const QString& lap : leftOut)
        lines << tr("Left out, not clean: %1").arg(lap);
    return showMessage(this, {tr("Take hot laps"), text, MessageButtons::YesNo, MessageIcon::None,
                              false, lines.join(QLatin1Char('\n'))}) == MessageAnswer::Yes;
}

// A take that lasts (every SAVE flushes its files to the disk) shows how far
// it has come; the window repaints, but takes no clicks or keys meanwhile.
void HotlapsWindow::showTakeProgress(const QElapsedTimer& clock, int done, int total) {
    if (clock.elapsed() < kTakeProgressAfterMs)
        return;
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    m_progress->show();
    m_counts->setText(tr("Storing hot lap %1 of %2...").arg(done + 1).arg(total));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Each lap through SAVE, one after the other; the first failure stops the
// rest and is told. What was stored is said under the table.
void HotlapsWindow::store(const std::vector<PlannedTake>& plan) {
    QStringList lines;
    bool stored = false;
    QElapsedTimer clock;
    clock.start();
    m_takeSelected->setEnabled(false);
    m_takeFaster->setEnabled(false);
    for (size_t i = 0; i < plan.size(); ++i) {
        showTakeProgress(clock, static_cast<int>(i), static_cast<int>(plan.size()));
        const PlannedTake& take = plan[i];
        const SavedTimes saved = takeHotlap(take);
        if (!saved.saved) {
            showMessage(this, {tr("Times not saved"), messageText(saved.saved.error()),
                               MessageButtons::Ok, MessageIcon::Stop});
            break;
        }
        stored = true;
        // not translated: ", " joins the circuit and the core's own lines about it
        const QString circuit = shown(take.comparison.circuit) + QStringLiteral(", ");
        for (const Sentence& improvement : saved.improvements)
            lines << circuit + shown(improvement);
        //: %1 is the circuit, %2 why the history file was not written.
        if (!saved.history)
            lines << tr("%1, saved, but the history was not updated: %2")
                         .arg(shown(take.comparison.circuit), messageText(saved.history.error()));
        for (const Sentence& warning : saved.warnings)
            lines << circuit + shown(warning) + QStringLiteral(".");
    }
    m_progress->hide();
    m_takeSelected->setEnabled(true);
    m_takeFaster->setEnabled(true);
    m_status->setText(lines.join(QLatin1Char('\n')));
    compareAgain();
    if (stored) {
        beep();
        emit saved();
    }
}

} // namespace velomark
