#include "ui/editor/LapTimeEditor.h"

#include "formats/NumberText.h"
#include "platform/Messages.h"
#include "platform/StorableText.h"
#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace velomark {

namespace {

QLabel* label(QWidget* parent, const QString& text, const QString& name = QString()) {
    auto* l = plainLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton* button(QWidget* parent, const char* caption, const char* name) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

std::string bytesOf(const QString& text) {
    return toFileText(text).value_or(std::string());
}

// Grid rows: Quickrace, Practice differences, Practice, "+/-", Qualifying,
// Qualifying differences, Race.
constexpr int kGridRowOf[kRows] = {2, 4, 6, 8};
constexpr int kPracticeDifferencesRow = 3;
constexpr int kQualifyingDifferencesRow = 7;
// Difference labels stand under 1st, +2nd and 3rd split, then under lap time.
constexpr Column kDifferenceColumns[4] = {Column::Split1, Column::Split2, Column::Split3,
                                          Column::Lap};

int gridColumnOf(Column c) {
    return static_cast<int>(c) + 1;
}

} // namespace

LapTimeEditor::LapTimeEditor(CircuitChoice circuit, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(std::move(circuit)) {
    setObjectName(QStringLiteral("frmtimes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lap Time Data"));

    auto* grid = new QGridLayout;
    buildGrid(grid);
    buildDifferenceLabels(grid);
    m_status = label(this, QString(), QStringLiteral("status"));
    setTextColour(m_status, QColor(160, 0, 0));
    m_status->setWordWrap(true);

    // Below everything the original window has, so none of its controls move.
    cmdprogress = button(this, "PROGRESS", "cmdprogress");
    cmdprogress->setAccessibleName(QStringLiteral("Progress chart of this circuit"));
    cmdprogress->setToolTip(QStringLiteral("Your saved lap times at this circuit over time."));
    connect(cmdprogress, &QPushButton::clicked, this, &LapTimeEditor::progressRequested);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buildButtons());
    outer->addWidget(m_status);
    outer->addWidget(cmdprogress, 0, Qt::AlignRight);

    wireChangeRules();
    setTabOrder();
}

void LapTimeEditor::buildGrid(QGridLayout* grid) {
    track = label(this, fromFileText(circuit().caption), QStringLiteral("track"));
    track->setAlignment(Qt::AlignCenter);
    QFont trackFont = track->font();
    trackFont.setBold(true);
    trackFont.setPointSizeF(trackFont.pointSizeF() * 1.2);
    track->setFont(trackFont);
    grid->addWidget(track, 0, 0, 1, kColumns + 1);

    for (int c = 0; c < kColumns; ++c) {
        QLabel* h = label(this, QString::fromLatin1(kColumnHeaders[static_cast<size_t>(c)]));
        h->setAlignment(Qt::AlignCenter);
        grid->addWidget(h, 1, gridColumnOf(static_cast<Column>(c)));
        if (static_cast<Column>(c) == Column::Split2)
            Label6 = h;
    }
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setToolTip(QStringLiteral("Hold a mouse button here to see the 2nd split alone."));
    Label6->installEventFilter(this);

    auto refused = [this](const QString& why) { showStatus(why); };
    for (int r = 0; r < kRows; ++r) {
        const RowSpec& spec = kRowSpecs[static_cast<size_t>(r)];
        grid->addWidget(label(this, QString::fromLatin1(spec.label)), kGridRowOf[r], 0);
        for (int c = 0; c < kColumns; ++c) {
            const char* name = spec.cell[static_cast<size_t>(c)];
            if (!name)
                continue;
            auto* f = new QLineEdit(this);
            f->setObjectName(QString::fromLatin1(name));
            f->setAccessibleName(QStringLiteral("%1 %2").arg(
                QString::fromLatin1(spec.label),
                QString::fromLatin1(kColumnHeaders[static_cast<size_t>(c)])));
            new StorableTextValidator(f, kTypingLimits[static_cast<size_t>(c)], refused);
            // The session has each change before the window's own rules run.
            connect(f, &QLineEdit::textChanged, this,
                    [this, i = fieldIndex(static_cast<Row>(r), static_cast<Column>(c))](
                        const QString& text) { m_session.type(i, bytesOf(text)); });
            grid->addWidget(f, kGridRowOf[r], gridColumnOf(static_cast<Column>(c)));
            m_cells[static_cast<size_t>(r)][static_cast<size_t>(c)] = f;
        }
    }
    for (Session s : {Session::Practice, Session::Qualifying}) {
        QLineEdit* split2 = cell(rowOf(s), Column::Split2);
        split2->setToolTip(QStringLiteral("This is an accumulated split time."));
        split2->installEventFilter(this);
    }
}

void LapTimeEditor::buildDifferenceLabels(QGridLayout* grid) {
    for (size_t i = 0; i < xps.size(); ++i) {
        xps[i] = label(this, QString(), QStringLiteral("xps%1").arg(i + 1));
        yps[i] = label(this, QString(), QStringLiteral("yps%1").arg(i + 1));
        for (QLabel* l : {xps[i], yps[i]}) {
            l->setAlignment(Qt::AlignCenter);
            setTextColour(l, QColor(0, 0, 192));
        }
        grid->addWidget(xps[i], kPracticeDifferencesRow, gridColumnOf(kDifferenceColumns[i]));
        grid->addWidget(yps[i], kQualifyingDifferencesRow, gridColumnOf(kDifferenceColumns[i]));
    }

    diff1 = label(this, QStringLiteral("+/-"), QStringLiteral("diff1"));
    diff1->setToolTip(
        QStringLiteral("Click with Left or Right mouse button to see time differences."));
    diff1->setAlignment(Qt::AlignCenter);
    diff1->setEnabled(false);
    diff1->installEventFilter(this);
    grid->addWidget(diff1, (kGridRowOf[1] + kGridRowOf[2]) / 2, gridColumnOf(Column::Setup));

    ideal = label(this, QString(), QStringLiteral("ideal"));
    ideal->setAlignment(Qt::AlignCenter);
    QSizePolicy keepPlace = ideal->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the window keeps its size while a button is held
    ideal->setSizePolicy(keepPlace);
    ideal->hide();
    grid->addWidget(ideal, kGridRowOf[3] + 1, 0, 1, kColumns + 1);
}

QLayout* LapTimeEditor::buildButtons() {
    cmdimport = button(this, "IMPORT", "cmdimport");
    cmdclear = button(this, "CLEAR", "cmdclear");
    cmdclose = button(this, "CLOSE", "cmdclose");
    cmdsave = button(this, "SAVE", "cmdsave");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdimport, cmdclear, cmdclose, cmdsave})
        buttons->addWidget(b);
    connect(cmdimport, &QPushButton::clicked, this, &LapTimeEditor::importRequested);
    connect(cmdclear, &QPushButton::clicked, this, &LapTimeEditor::clearAll);
    connect(cmdclose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdsave, &QPushButton::clicked, this, [this] { save(); });
    return buttons;
}

void LapTimeEditor::wireChangeRules() {
    // Typing a lap time clears its session's splits, except while SAVE fills out the texts.
    for (Session s : {Session::Practice, Session::Qualifying}) {
        const Row row = rowOf(s);
        connect(cell(row, Column::Lap), &QLineEdit::textChanged, this, [this, row] {
            if (m_modd)
                return;
            for (Column c : {Column::Split1, Column::Split2, Column::Split3})
                cell(row, c)->clear();
        });
        for (Column c : {Column::Split1, Column::Split2, Column::Split3})
            connect(cell(row, c), &QLineEdit::textChanged, this, &LapTimeEditor::diffcheck);
    }
}

void LapTimeEditor::setTabOrder() {
    // Each row's lap time, splits up to the +2nd and notes; then SAVE and
    // CLOSE; then the two 3rd splits, CLEAR and IMPORT.
    std::vector<QWidget*> order;
    for (int r = 0; r < kRows; ++r)
        for (Column c : {Column::Lap, Column::Split1, Column::Split2, Column::Setup})
            if (QLineEdit* f = cell(static_cast<Row>(r), c))
                order.push_back(f);
    order.insert(order.end(),
                 {cmdsave, cmdclose, cell(Row::Practice, Column::Split3),
                  cell(Row::Qualifying, Column::Split3), cmdclear, cmdimport, cmdprogress});
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

bool LapTimeEditor::load() {
    m_modd = false;
    const Status loaded = m_session.load();
    if (!loaded) {
        const QString advice =
            loaded.error().kind == ErrorKind::Missing
                ? QStringLiteral(" Press INITIALISE ! on the main screen to create the lap "
                                 "record files.")
                : QStringLiteral(" The file was left as it is.");
        showMessage(this,
                    {QStringLiteral("Lap times not found"), messageText(loaded.error()) + advice,
                     MessageButtons::Ok, MessageIcon::Stop});
        return false;
    }
    showTyped();
    return true;
}

QLineEdit* LapTimeEditor::cell(Row r, Column c) const {
    return m_cells[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

// Writes back only what changed, in field order, so that no change rule runs needlessly.
void LapTimeEditor::showTimeSheet(const TimeSheet& t) {
    auto show = [this](Row r, Column c, const std::string& value) {
        const QString shown = fromFileText(value);
        if (cell(r, c)->text() != shown)
            setFieldText(cell(r, c), shown);
    };
    show(Row::QuickRace, Column::Lap, t.quickRaceLap);
    for (const auto& [row, times] :
         {std::pair{Row::Practice, &t.practice}, std::pair{Row::Qualifying, &t.qualifying}}) {
        show(row, Column::Lap, times->lap);
        show(row, Column::Split1, times->split1);
        show(row, Column::Split2, times->split2);
        show(row, Column::Split3, times->split3);
    }
    show(Row::Race, Column::Lap, t.raceLap);
}

// Every field the window shows, as the session's typed record holds it; what
// the window showed before clears no splits.
void LapTimeEditor::showTyped() {
    const CircuitRecord record = m_session.typed(); // the fields tell the session as they change
    m_modd = true;
    for (const auto& [i, f] : shownFields()) {
        const QString shown = fromFileText(textOf(record[i]));
        if (f->text() != shown)
            setFieldText(f, shown);
    }
    m_modd = false;
    diffcheck();
}

SessionTimes LapTimeEditor::sessionTimes(Session s) const {
    const TimeSheet typed = m_session.sheet();
    return s == Session::Practice ? typed.practice : typed.qualifying;
}

std::optional<Session> LapTimeEditor::secondSplitSession(QObject* watched) const {
    for (Session s : {Session::Practice, Session::Qualifying})
        if (watched == cell(rowOf(s), Column::Split2))
            return s;
    return std::nullopt;
}

void LapTimeEditor::completeSession(Session s) {
    if (!m_session.complete(s)) {
        cell(rowOf(s), Column::Lap)->setFocus(Qt::OtherFocusReason);
        showMessage(this, {QStringLiteral("Error !"), QStringLiteral("Correct Error under cursor"),
                           MessageButtons::Ok, MessageIcon::Stop});
        return;
    }
    showTimeSheet(m_session.sheet()); // a conversion failure keeps what the normalisation did
}

void LapTimeEditor::diffcheck() {
    diff1->setEnabled(
        differencesAvailable(sessionTimes(Session::Practice), sessionTimes(Session::Qualifying)));
}

void LapTimeEditor::pressDifferences(Qt::MouseButton mouseButton) {
    if (!diff1->isEnabled())
        return;
    const bool left = mouseButton == Qt::LeftButton;
    if (!left && mouseButton != Qt::RightButton)
        return; // other buttons show nothing
    const auto shown = timeDifferences(
        sessionTimes(Session::Practice), sessionTimes(Session::Qualifying),
        left ? DifferenceSide::PracticeMinusQualifying : DifferenceSide::QualifyingMinusPractice);
    if (!shown) {
        showStatus(QStringLiteral("The differences need the 1st and +2nd splits of both sessions, "
                                  "written as times (and the 3rd splits, where both are filled)."));
        return;
    }
    auto& labels = left ? xps : yps;
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(QString::fromStdString(shown->labels[i]));
    ideal->setText(QString::fromStdString(shown->idealLap));
    ideal->show();
}

void LapTimeEditor::releaseDifferences() {
    for (QLabel* l : xps)
        l->clear();
    for (QLabel* l : yps)
        l->clear();
    ideal->hide();
    showStatus(QString());
}

void LapTimeEditor::pressSecondSplitHeader() {
    m_headerHeld = true;
    Label6->setText(QStringLiteral("2nd Split"));
    QLineEdit* ps2 = cell(Row::Practice, Column::Split2);
    QLineEdit* qs2 = cell(Row::Qualifying, Column::Split2);
    m_ptime = ps2->text();
    m_qtime = qs2->text();
    const SessionTimes p = sessionTimes(Session::Practice);
    const SessionTimes q = sessionTimes(Session::Qualifying);
    const PlainSplit pPlain = plainSecondSplit(p.split1, p.split2);
    const PlainSplit qPlain = plainSecondSplit(q.split1, q.split2);
    if (pPlain.kind == PlainSplitKind::Failure || qPlain.kind == PlainSplitKind::Failure) {
        showStatus(QStringLiteral("The 2nd split alone needs the 1st split and the +2nd split "
                                  "written as times."));
        return; // no field changes
    }
    if (pPlain.kind == PlainSplitKind::Value)
        setFieldText(ps2, QString::fromStdString(decimalText(pPlain.seconds)));
    if (qPlain.kind == PlainSplitKind::Value)
        setFieldText(qs2, QString::fromStdString(decimalText(qPlain.seconds)));
}

void LapTimeEditor::releaseSecondSplitHeader() {
    if (!m_headerHeld)
        return;
    m_headerHeld = false;
    Label6->setText(QStringLiteral("+2nd Split"));
    setFieldText(cell(Row::Practice, Column::Split2), m_ptime);
    setFieldText(cell(Row::Qualifying, Column::Split2), m_qtime);
    showStatus(QString());
}

// Whether every field can be stored; the first that cannot is named in a
// message. The fields refuse such characters as they are typed.
bool LapTimeEditor::storable() {
    for (const auto& [i, f] : shownFields()) {
        if (!toFileText(f->text())) {
            showMessage(this,
                        {QStringLiteral("Times not saved"),
                         f->accessibleName() + QStringLiteral(": ") + unstorableReason(f->text()),
                         MessageButtons::Ok, MessageIcon::Stop});
            return false;
        }
    }
    return true;
}

// Each field the window shows, with its place in the record.
std::vector<std::pair<size_t, QLineEdit*>> LapTimeEditor::shownFields() const {
    std::vector<std::pair<size_t, QLineEdit*>> fields;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (QLineEdit* f = cell(static_cast<Row>(r), static_cast<Column>(c)))
                fields.emplace_back(fieldIndex(static_cast<Row>(r), static_cast<Column>(c)), f);
    return fields;
}

namespace {

// "the Qualifying times and the Race notes"
QString joinedNames(const std::vector<std::string>& names) {
    QStringList named;
    for (const std::string& name : names)
        named << QStringLiteral("the ") + fromFileText(name);
    const QString last = named.takeLast();
    return named.isEmpty() ? last
                           : named.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// The buttons, in the order of OverChange.
constexpr const char* kChoiceCaptions[] = {"Keep both", "Overwrite", "Go back to the stored times",
                                           "Cancel"};

// What the player is asked when the record was stored anew elsewhere: each
// field changed there and here in the details, and the choices offered.
Message changedElsewhere(const ChangedElsewhere& asked) {
    const MergedEdits& met = asked.edits;
    QStringList details{QStringLiteral("Changed elsewhere:")};
    for (const FieldChange& change : met.theirs)
        details << fromFileText(fieldChangeText(change));
    details << QString() << QStringLiteral("Changed by you:");
    if (met.yours.empty())
        details << QStringLiteral("nothing");
    for (const FieldChange& change : met.yours)
        details << fromFileText(fieldChangeText(change));
    QString text = messageText(asked.why) + QStringLiteral("\n\n");
    if (met.clashes.empty())
        text += QStringLiteral("Keep both: your changes are stored over the new times.\n");
    else
        text += QStringLiteral("You changed %1 here as well: only one of the two can be kept.\n")
                    .arg(joinedNames(met.clashes));
    text += QStringLiteral("Overwrite: the times in this window replace the new ones.\nGo back: "
                           "the window shows the stored times and your changes are dropped.");
    Message message{QStringLiteral("Times changed elsewhere"), text, MessageButtons::Choices};
    message.details = details.join(QLatin1Char('\n'));
    for (OverChange choice : asked.choices)
        message.choices << QString::fromLatin1(kChoiceCaptions[static_cast<size_t>(choice)]);
    return message;
}

// The choice answered; Cancel for Escape or a closed box.
OverChange chosen(MessageAnswer answer, const std::vector<OverChange>& choices) {
    const auto i =
        static_cast<size_t>(static_cast<int>(answer) - static_cast<int>(MessageAnswer::Choice1));
    return answer < MessageAnswer::Choice1 || i >= choices.size() ? OverChange::Cancel : choices[i];
}

// What the status line says after a save. The times are stored whatever it says.
QString statusAfterSave(const SavedTimes& done) {
    QStringList lines;
    for (const SaveNote& note : saveNotes(done)) {
        switch (note.kind) {
        case SaveNote::Kind::Improvement:
            lines << fromFileText(note.text);
            break;
        case SaveNote::Kind::HistoryNotUpdated:
            lines << QStringLiteral("Your times are saved, but the history was not updated: ") +
                         messageText(*note.error);
            break;
        case SaveNote::Kind::SplitWarning:
            lines << fromFileText(note.text) + QStringLiteral(".");
            break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool LapTimeEditor::save() {
    if (!storable())
        return false;
    const SaveOutcome outcome = m_session.save([this](const ChangedElsewhere& asked) {
        return chosen(showMessage(this, changedElsewhere(asked)), asked.choices);
    });
    switch (outcome.end) {
    case SaveEnd::Cancelled:
        showStatus(QStringLiteral("Nothing was saved: your times are still in the window."));
        return false;
    case SaveEnd::WentBack:
        showTyped();
        showStatus(QStringLiteral("Nothing was saved: your changes were dropped, and the window "
                                  "shows the stored times."));
        return false;
    case SaveEnd::Failed:
        showTyped(); // filled out all the same
        showMessage(this, {QStringLiteral("Times not saved"),
                           messageText(outcome.done->saved.error()) +
                               QStringLiteral(" Your times are still in the window; press "
                                              "SAVE again once this is put right."),
                           MessageButtons::Ok, MessageIcon::Stop});
        return false;
    case SaveEnd::Saved:
        break;
    }
    showTyped();
    showStatus(statusAfterSave(*outcome.done));
    beep();
    emit saved();
    return true;
}

void LapTimeEditor::clearAll() {
    const MessageAnswer answer = showMessage(
        this, {QStringLiteral("Clear all Entries"),
               QStringLiteral("This will clear your times for this track, but this will only be "
                              "permanent if you Save. Are you sure ?"),
               MessageButtons::YesNo, MessageIcon::None});
    if (answer != MessageAnswer::Yes)
        return;
    for (const auto& row : m_cells)
        for (QLineEdit* f : row)
            if (f)
                f->clear();
}

void LapTimeEditor::insertLap(RecordSession slot, const std::string& lap, const std::string& split1,
                              const std::string& split2) {
    // Shown field by field in the sheet's order: the lap time before its
    // splits, so that its change rule runs on the fields as it runs in the sheet.
    m_session.insert({slot, lap, split1, split2});
    showTimeSheet(m_session.sheet());
}

// An imported Practice or Qualifying lap gets its 3rd split once the editor
// is active again, and the import window, its work done, may close.
void LapTimeEditor::onActivated() {
    if (m_closing)
        return;
    if (const std::optional<Session> s = m_session.takeCompletion()) {
        completeSession(*s);
        emit importFinished();
    }
}

void LapTimeEditor::showStatus(const QString& text) {
    m_status->setText(text);
}

bool LapTimeEditor::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == diff1) {
        if (type == QEvent::MouseButtonPress)
            pressDifferences(static_cast<QMouseEvent*>(event)->button());
        else if (type == QEvent::MouseButtonRelease)
            releaseDifferences();
    } else if (watched == Label6) {
        if (type == QEvent::MouseButtonPress)
            pressSecondSplitHeader();
        else if (type == QEvent::MouseButtonRelease)
            releaseSecondSplitHeader();
    } else if (type == QEvent::FocusOut) {
        // Leaving the field for another one of this window; switching to
        // another application or a message box does not count.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const std::optional<Session> s = secondSplitSession(watched);
        if (s && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !m_closing)
            completeSession(*s);
    }
    return QWidget::eventFilter(watched, event);
}

void LapTimeEditor::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        onActivated();
}

void LapTimeEditor::closeEvent(QCloseEvent* event) {
    m_closing = true;
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace velomark
