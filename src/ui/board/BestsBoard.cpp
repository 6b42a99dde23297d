#include "ui/board/BestsBoard.h"

#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"
#include "platform/WidgetLook.h"
#include "ui/board/BoardModel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace velomark {

namespace {

const QColor kFaster(0, 128, 0);
const QColor kSlower(192, 0, 0);

// The files of a data folder: choosing one of them in the dialog chooses its folder.
// not translated: the data files' own names
const QStringList kDataFiles{QStringLiteral("set1.dat"), QStringLiteral("set2.dat"),
                             QStringLiteral("set3.dat"), QStringLiteral("custom")};

bool isDataFile(const QFileInfo& file) {
    return kDataFiles.contains(file.fileName(), Qt::CaseInsensitive);
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(text);
    return b;
}

QString joined(const std::vector<Error>& notes) {
    QStringList lines;
    for (const Error& note : notes)
        lines << messageText(note);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

BestsBoard::BestsBoard(IdealLap ideal, QWidget* parent) : QWidget(parent), m_ideal(ideal) {
    setObjectName(QStringLiteral("frmboard"));
    setWindowTitle(tr("Bests board"));
    setAttribute(Qt::WA_DeleteOnClose);

    buildTable();

    // The line stays when there is no rival, so a comparison moves nothing.
    rivalname = plainLabel(tr("Rival: none"), this);
    rivalname->setObjectName(QStringLiteral("rivalname"));
    rivalname->setAccessibleName(tr("Rival"));
    notes = plainLabel(QString(), this);
    notes->setObjectName(QStringLiteral("notes"));
    notes->setAccessibleName(tr("Notes"));
    notes->setWordWrap(true);
    // A wrapped note keeps the height its lines need; the table gives way.
    notes->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildControls());
    layout->addWidget(rivalname);
    layout->addWidget(notes);
    layout->addWidget(board, 1);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    reload();
    // Room for a rival's columns too where the screen has it, so that a
    // comparison fills the window rather than resizing it.
    resizeWithin(this, QSize(1280, 640));
}

// The table: sorted by a key per cell, filtered by trackset, read only.
void BestsBoard::buildTable() {
    m_model = new BoardModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(BoardModel::kSortRole);
    m_sorted->setFilterRole(BoardModel::kTracksetRole);

    board = new QTableView(this);
    board->setObjectName(QStringLiteral("board"));
    board->setAccessibleName(tr("Bests table"));
    board->setModel(m_sorted);
    board->setEditTriggers(QAbstractItemView::NoEditTriggers);
    board->setSelectionBehavior(QAbstractItemView::SelectRows);
    board->setSelectionMode(QAbstractItemView::SingleSelection);
    board->setTabKeyNavigation(false); // Tab leaves the table, arrows move in it
    board->setWordWrap(false);
    // Times and names need no ligatures or kerning: unshaped text lays out
    // several times faster, and a comparison redraws every cell.
    QFont cells = board->font();
    cells.setStyleStrategy(QFont::PreferNoShaping);
    board->setFont(cells);
    board->verticalHeader()->hide();
    board->horizontalHeader()->setStretchLastSection(true);
    board->verticalHeader()->setDefaultSectionSize(board->fontMetrics().height() + 8);
    board->setSortingEnabled(true);
    board->sortByColumn(0, Qt::AscendingOrder); // trackset by trackset, in circuit order
    board->installEventFilter(this);
    connect(board, &QTableView::doubleClicked, this, &BestsBoard::requestCircuit);
    followPalette(board, [this] {
        const QColor base = board->palette().color(QPalette::Base);
        m_model->setGapColours(legibleOn(kFaster, base), legibleOn(kSlower, base));
    });
}

QLayout* BestsBoard::buildControls() {
    filter = new QComboBox(this);
    filter->setObjectName(QStringLiteral("filter"));
    filter->setAccessibleName(tr("Trackset filter"));
    //: The filter's choice that shows every trackset.
    filter->addItem(tr("All"));
    for (Trackset set : kTracksetsInOrder)
        filter->addItem(shown(optionCaption(set)));
    connect(filter, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_sorted->setFilterFixedString(i > 0 ? QString::number(i - 1) : QString());
    });
    auto* label = plainLabel(tr("Trackset"), this);
    label->setBuddy(filter);

    cmdrival = button(tr("Compare with a rival"), "cmdrival", this);
    cmdclearrival = button(tr("Clear rival"), "cmdclearrival", this);
    cmdexportboard = button(tr("Export board"), "cmdexportboard", this);
    connect(cmdrival, &QPushButton::clicked, this, &BestsBoard::compareWithRival);
    connect(cmdclearrival, &QPushButton::clicked, this, &BestsBoard::clearRival);
    connect(cmdexportboard, &QPushButton::clicked, this, &BestsBoard::exportBoard);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(filter);
    row->addStretch(1);
    for (QPushButton* b : {cmdrival, cmdclearrival, cmdexportboard})
        row->addWidget(b);
    return row;
}

void BestsBoard::reload() {
    m_board = readBoard(m_ideal);
    showBoard();
}

void BestsBoard::showBoard() {
    m_model->setTable(boardTable(m_board, m_rival ? &*m_rival : nullptr));
    std::vector<Error> all = m_board.notes;
    if (m_rival)
        all.insert(all.end(), m_rival->notes.begin(), m_rival->notes.end());
    notes->setText(joined(all));
    notes->setVisible(!all.empty());
    cmdclearrival->setEnabled(m_rival.has_value());
    board->resizeColumnsToContents();
}

void BestsBoard::compareWithRival() {
    // not translated: the patterns, which name the data files
    const QString patterns = QStringLiteral("*.csv *.CSV set1.dat set2.dat set3.dat custom");
    const QString filter =
        tr("A rival's CSV export, or a file of their data folder (%1)").arg(patterns) +
        QStringLiteral(";;") + tr("All files (*)");
    const QString path = askForFile(
        this, {FileQuestion::Kind::Open, tr("Compare with a rival"), QDir::currentPath(), filter});
    if (path.isEmpty())
        return;
    const QFileInfo chosen(path);
    const bool folder = chosen.isDir() || isDataFile(chosen);
    const QString source = folder && !chosen.isDir() ? chosen.absolutePath() : path;
    const Result<RivalTimes> read =
        folder ? readRivalFolder(diskName(QDir(source).path() + QLatin1Char('/')))
               : readRivalCsv(diskName(source));
    if (!read) {
        showMessage(this, {tr("Rival not read"), messageText(read.error()), MessageButtons::Ok,
                           MessageIcon::Stop});
        return;
    }
    m_rival = *read;
    m_rivalPath = source;
    rivalname->setText(tr("Rival: %1").arg(folder ? QDir(source).dirName() : chosen.fileName()));
    showBoard();
}

void BestsBoard::clearRival() {
    m_rival.reset();
    m_rivalPath.clear();
    rivalname->setText(tr("Rival: none"));
    showBoard();
}

// Whether path is one of the rival's files, which are only ever read.
bool BestsBoard::isRivals(const QString& path) const {
    const QFileInfo target(path);
    if (!m_rival || !target.exists())
        return false;
    const QFileInfo rival(m_rivalPath);
    if (!rival.isDir())
        return target.canonicalFilePath() == rival.canonicalFilePath();
    return isDataFile(target) &&
           QFileInfo(target.canonicalPath()).canonicalFilePath() == rival.canonicalFilePath();
}

void BestsBoard::exportBoard() {
    // Named in messages as the system writes it (the dialog answers with '/').
    const QString path = QDir::toNativeSeparators(
        // not translated: the name offered for the file
        askForFile(this, {FileQuestion::Kind::Save, tr("Export board"), QStringLiteral("Bests.csv"),
                          tr("CSV files (*.csv)")}));
    if (path.isEmpty())
        return;
    const Message refused{tr("Board not exported"), {}, MessageButtons::Ok, MessageIcon::Stop};
    if (isRivals(path)) {
        Message m = refused;
        m.text = tr("%1 is one of the rival's files, which Velomark only reads.").arg(path);
        showMessage(this, m);
        return;
    }
    // The rows as the table shows them: filtered and sorted.
    // In English, as a rival's file is read back.
    std::vector<std::vector<std::string>> lines(1);
    for (SourceText head : m_model->table().header)
        lines.back().emplace_back(head.text);
    for (int r = 0; r < m_sorted->rowCount(); ++r) {
        const int line = m_sorted->mapToSource(m_sorted->index(r, 0)).row();
        lines.emplace_back();
        for (const BoardCell& cell : m_model->table().lines[static_cast<size_t>(line)].cells)
            lines.back().push_back(cell.text);
    }
    const Status written = writeBoardCsv(diskName(path), lines);
    if (!written) {
        Message m = refused;
        m.text = messageText(written.error());
        showMessage(this, m);
        return;
    }
    beep();
}

void BestsBoard::requestCircuit(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const BoardLine& line =
        m_model->table().lines[static_cast<size_t>(m_sorted->mapToSource(index).row())];
    emit circuitRequested(line.set, line.number);
}

bool BestsBoard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && board->currentIndex().isValid()) {
            requestCircuit(board->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velomark
